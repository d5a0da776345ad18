// The tray menu as it opens: the transport commands as the buttons stand.
#include "player/form_player.h"

namespace player {

void TFormPlayer::TrayPopPopup(ui::TObject* sender) {
  PopPlay.SetEnabled(SpdBtnPlay.Enabled());
  PopStop.SetEnabled(SpdBtnStop.Enabled());
  PopPause.SetEnabled(SpdBtnPause.Enabled());
  PopNext.SetEnabled(SpdBtnNext.Enabled());
  PopPrev.SetEnabled(SpdBtnPrev.Enabled());
  if (!PopPause.Enabled()) return;
  // Pausing stops the device where it stands: stopped with Pause enabled is paused.
  const os::DeviceMode mode = MIDIPlayer.Mode();
  if (mode == os::DeviceMode::Playing) {
    PopPause.SetCaption("P&ause");
  } else if (mode == os::DeviceMode::Stopped) {
    PopPause.SetCaption("C&ontinue");
  }
}

}  // namespace player
