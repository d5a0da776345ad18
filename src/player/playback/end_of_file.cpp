// The media device reports the end of a play: what follows depends on Auto and the wait.
#include "player/form_player.h"

namespace player {

void TFormPlayer::MIDIPlayerNotify(ui::TObject* sender) {
  HideRenameBox();
  // "/close" with a single file: the program ends at the device's first word, whatever it says.
  if (QuitPending && PathList.size() == 1) {
    ui::Application().Terminate();
    return;
  }
  // The start-up switches live until the device's first word.
  PlayRequested = false;
  QuitPending = false;
  // A play cut off by Stop, a seek, a close or another play ends nothing.
  if (MIDIPlayer.NotifyValue() != os::NotifyResult::Successful) return;

  SongList.SetItemIndex(-1);
  if (TrackBar.Enabled()) {
    TrackBar.SetSelEnd(0);
    TrackBar.SetSelStart(0);
    TrackBar.SetEnabled(false);
  }
  TrackBar.SetPosition(0);
  if (!AutoPlay.Checked()) {
    // The ended entry stays loaded, standing at its end.
    ShowStoppedButtons();
    TrackBar.SetEnabled(true);
    return;
  }
  if (WaitLength() != 0) {
    StartWait();
    return;
  }
  AdvanceAfterEnd();
}

}  // namespace player
