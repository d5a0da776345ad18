// Play Control...: the skip and wait seconds set in their dialog, in memory; Save Options stores them.
#include "player/form_player.h"
#include "player/playback/play_control_dialog.h"

namespace player {

void TFormPlayer::PlayControlClick(ui::TObject* sender) {
  TTCDlg dialog(*this);
  ui::Application().CreateForm(dialog);
  dialog.ShowModal();
}

}  // namespace player
