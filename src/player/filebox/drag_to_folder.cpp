// A play list entry dragged onto a folder of the folder list: the row under the pointer is the target,
// and the drop moves the entry's file into that folder. Files of the file list cannot go there.
#include "base/text.h"
#include "player/form_player.h"

namespace player {

void TFormPlayer::DirectoryListBoxDragOver(ui::TObject* sender, ui::TObject* source, int x, int y,
                                           ui::TDragState state, bool& accept) {
  if (source == &FileListBox) FileListBox.DragCursor = ui::TCursor::crNoDrop;
  accept = source == &SongList;
  if (!accept) return;
  DirectoryListBox.SetItemIndex(DirectoryListBox.ItemAtPos({x, y}, true));
}

void TFormPlayer::DirectoryListBoxDragDrop(ui::TObject* sender, ui::TObject* source, int x, int y) {
  const int row = DirectoryListBox.ItemIndex();
  if (source != &SongList || row < 0) return;
  if (DragIndex < 0 || DragIndex >= static_cast<int>(PathList.size())) return;
  const std::string folder = DirectoryListBox.GetItemPath(row);
  const std::string old = PathList[DragIndex];
  const std::string name = SongList.Item(DragIndex);
  const std::string moved = base::JoinPath(folder, name);
  ui::TApplication& application = ui::Application();
  if (application.Services().files.Move(old, moved) != os::FileError::None) {
    application.ShowMessageBox(
        "Cannot move file '" + name + "'\nMake sure it is not playing or opened at the moment.", "Error - Move File",
        ui::mbIconError | ui::mbTopMost);
    return;
  }
  const std::string shown = FileBoxFolder();
  if (base::FolderPart(old) == shown || folder == shown) RereadFileList();
  RepointEntries(old, moved);
  SaveNamedList();
}

}  // namespace player
