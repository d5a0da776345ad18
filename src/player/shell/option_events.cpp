// The events of the options, the window layout, the list files, the recent lists and the exit.
#include "player/form_player.h"

namespace player {

void TFormPlayer::BindOptionAndListFileEvents() {
  SaveOptions.OnClick = [this](ui::TObject* sender) { SaveOptionsClick(sender); };
  SpdBtnSaveOption.OnClick = SaveOptions.OnClick;
  AutoLoad.OnClick = [this](ui::TObject* sender) { AutoLoadClick(sender); };
  OpExit.OnClick = [this](ui::TObject* sender) { OpExitClick(sender); };
}

}  // namespace player
