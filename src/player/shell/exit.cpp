// The exit: the changed-list prompt, the device stopped, the options and the recent lists stored, and
// the program ended, from the Exit commands or from the window's close.
#include "player/form_player.h"

namespace player {

void TFormPlayer::FileExitClick(ui::TObject* sender) {
  HideRenameBox();
  if (!ConfirmSaveChangedList()) {
    QuitPending = false;
    return;
  }
  QuitPending = true;
  ResetCounter();
  PathList.clear();
  StopPlayingDevice();
  // The list is gone already: a store that fails is reported and the program ends all the same.
  ui::TApplication& application = ui::Application();
  application.Dispatch([this] {
    if (OpExit.Checked()) {
      SaveOptionsClick(this);
    } else {
      StoreOpExitOnly();
    }
  });
  application.Dispatch([this] { SaveListHistory(); });
  if (sender == this) return;
  StopForGood();
  application.Terminate();
}

void TFormPlayer::FormClose(ui::TObject* sender, bool& canClose) {
  FileExitClick(this);
  canClose = QuitPending;
  if (canClose) StopForGood();
}

void TFormPlayer::StopForGood() {
  // No refresh tick may reach the device once it is closed.
  ThreadedTimer.SetEnabled(false);
  MIDIPlayer.Close();
}

}  // namespace player
