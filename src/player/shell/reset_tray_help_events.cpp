// The events of the MIDI reset, the tray menu and the help.
#include "player/form_player.h"

namespace player {

void TFormPlayer::BindResetTrayAndHelpEvents() {
  GM.OnClick = [this](ui::TObject* sender) { GMClick(sender); };
  GS.OnClick = [this](ui::TObject* sender) { GSClick(sender); };
  XG.OnClick = [this](ui::TObject* sender) { XGClick(sender); };
  MIDIResetNow.OnClick = [this](ui::TObject* sender) { SpdBtnResetClick(sender); };
  SpdBtnReset.OnClick = MIDIResetNow.OnClick;

  TrayIcon.OnDblClick = [this](ui::TObject* sender) { TrayIconDblClick(sender); };
  Restore.OnClick = TrayIcon.OnDblClick;
  TrayPop.OnPopup = [this](ui::TObject* sender) { TrayPopPopup(sender); };

  Contents.OnClick = [this](ui::TObject* sender) { ContentsClick(sender); };
}

}  // namespace player
