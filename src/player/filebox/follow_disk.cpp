// After a file operation the play list's file and the file box follow what is now on the disk.
#include "player/form_player.h"

namespace player {

void TFormPlayer::SaveNamedList() {
  if (ListFileName != "*.mpl") FileSaveListClick(this);
}

void TFormPlayer::RereadFileList() {
  FileListBox.Update();
  FileListBoxClick(this);
}

}  // namespace player
