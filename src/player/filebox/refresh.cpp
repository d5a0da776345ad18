// Refresh: the folder and file lists read the disk again, so that changes made meanwhile by other
// programs show. The drive box is only repainted: its drives stay those it found at start-up. The add
// buttons follow the file list as it was read last.
#include "player/form_player.h"

namespace player {

void TFormPlayer::SpeedBtnRefreshClick(ui::TObject* sender) {
  DriveComboBox.Repaint();
  DirectoryListBox.Update();
  DirectoryListBoxChange(&DirectoryListBox);
  FileListBox.Update();
  FileListBoxClick(sender);
}

}  // namespace player
