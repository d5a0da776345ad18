// The folder list's popup: Delete Folder removes the highlighted folder, which must be empty.
// (Create New Folder opens the folder dialog, as the move commands do.)
#include "player/form_player.h"

namespace player {

void TFormPlayer::PopDeleteFolderClick(ui::TObject* sender) {
  const int row = DirectoryListBox.ItemIndex();
  if (row < 0) return;
  const std::string path = DirectoryListBox.GetItemPath(row);
  ui::TApplication& application = ui::Application();
  if (application.Services().files.RemoveFolder(path) != os::FileError::None) {
    application.ShowMessageBox("Folder " + path + " is not empty!\nRemove all the files in this folder and try again.",
                               "Error - Delete Folder", ui::mbIconError);
    return;
  }
  DirectoryListBox.Update();
  DirectoryListBoxChange(&DirectoryListBox);
}

}  // namespace player
