// The file box keeps its parts in step: the drive box moves the folder list, the folder list's folder
// goes to the file list, and the add buttons follow whatever the file list then shows.
#include "player/form_player.h"

namespace player {

void TFormPlayer::DriveComboBoxChange(ui::TObject* sender) {
  DirectoryListBox.SetDrive(DriveComboBox.Drive());
  DirectoryListBoxChange(sender);
}

void TFormPlayer::DirectoryListBoxChange(ui::TObject* sender) {
  FileListBox.SetDirectory(DirectoryListBox.Directory());
  FileListBoxClick(sender);
}

void TFormPlayer::FilterComboBoxChange(ui::TObject* sender) { FileListBoxClick(sender); }

void TFormPlayer::SetFileBoxFolder(const std::string& folder) {
  if (folder.empty()) return;
  ui::Application().Dispatch([&] {
    DirectoryListBox.SetDirectory(folder);
    DriveComboBox.SetDrive(DirectoryListBox.Drive());
    FileListBoxClick(this);
  });
}

}  // namespace player
