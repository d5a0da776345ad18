// The folder dialog's work: a new folder made, the selected entry's file or every entry's file moved
// into a folder (made first when the user agrees). The entries keep their names and places; only their
// paths follow the files.
#include "base/text.h"
#include "player/filebox/folder_dialog.h"
#include "player/form_player.h"

namespace player {

void TFormPlayer::SpdMoveAllFilesClick(ui::TObject* sender) {
  TFolderMode mode = TFolderMode::nfMoveAllFiles;
  std::string prompt = "Move all files in the play list to this path:";
  if (sender == &PopNewFolder) {
    mode = TFolderMode::nfCreateNewFolder;
    prompt = "Enter the name of the new folder:";
  } else if (sender == &MoveFileTo || sender == &SpdMoveFile) {
    const int i = SongList.ItemIndex();
    if (i < 0) return;
    mode = TFolderMode::nfMoveFile;
    prompt = "Move '" + SongList.Item(i) + "' to this path:";
  } else if (PathList.empty()) {
    return;
  }
  TFormNF dialog(*this, mode, prompt);
  ui::Application().CreateForm(dialog);
  dialog.ShowModal();
}

std::string TFormPlayer::FolderFromDialog(const std::string& typed, const std::string& operation) {
  ui::TApplication& application = ui::Application();
  if (typed.find_first_not_of(' ') == std::string::npos) {
    application.ShowMessageBox("Type the path of a folder first.", "Error - " + operation,
                               ui::mbIconError | ui::mbTopMost);
    return "";
  }
  // A relative path is taken from the current folder; the entries keep full paths.
  const std::string full = application.Services().files.FullPath(typed);
  if (full.empty()) {
    application.ShowMessageBox("'" + typed + "' is not the path of a folder.", "Error - " + operation,
                               ui::mbIconError | ui::mbTopMost);
    return "";
  }
  return base::WithoutFinalBackslash(full);
}

void TFormPlayer::ShowNewFolder(const std::string& path) {
  DirectoryListBox.Update();
  DirectoryListBoxChange(&DirectoryListBox);
  DirectoryListBox.SelectByPrefix(-1, base::NameAfterBackslash(path));
}

void TFormPlayer::CreateNewFolder(const std::string& typed) {
  const std::string path = FolderFromDialog(typed, "Create New Folder");
  if (path.empty()) return;
  if (ui::Application().Services().files.CreateFolder(path) != os::FileError::None) {
    ui::Application().ShowMessageBox("Cannot create new folder '" + path + "'!", "Error - Create New Folder",
                                     ui::mbIconError);
    return;
  }
  ShowNewFolder(path);
}

bool TFormPlayer::EnsureMoveTarget(const std::string& path) {
  ui::TApplication& application = ui::Application();
  os::FileSystem& files = application.Services().files;
  if (files.FolderExists(path)) return true;
  const int answer =
      application.ShowMessageBox("The directory \"" + path + "\" doesn't exist. Creat it Now?", "Create New Folder?",
                                 ui::mbOKCancel | ui::mbIconWarning | ui::mbTopMost);
  if (answer != ui::mrOk) return false;
  if (files.CreateFolder(path) != os::FileError::None) {
    application.ShowMessageBox("Cannot create new folder \"" + path + "\" !", "Error - Create New Folder",
                               ui::mbIconError | ui::mbTopMost);
    return false;
  }
  ShowNewFolder(path);
  return true;
}

void TFormPlayer::MoveFileInto(const std::string& typed) {
  const int i = SongList.ItemIndex();
  if (i < 0 || i >= static_cast<int>(PathList.size())) return;
  const std::string path = FolderFromDialog(typed, "Move File");
  if (path.empty() || !EnsureMoveTarget(path)) return;
  ui::TApplication& application = ui::Application();
  const std::string old = PathList[i];
  if (path == base::FolderPart(old)) {
    application.ShowMessageBox("The file is already in that folder.", "Move File",
                               ui::mbIconInformation | ui::mbTopMost);
    return;
  }
  const std::string moved = base::JoinPath(path, SongList.Item(i));
  if (application.Services().files.Move(old, moved) != os::FileError::None) {
    application.ShowMessageBox("Cannot move file '" + old + "'.\nMake sure this file is not playing or opened.",
                               "Error - Move File", ui::mbIconError | ui::mbTopMost);
    return;
  }
  RepointEntries(old, moved);
  RereadFileList();
  SaveNamedList();
}

void TFormPlayer::MoveAllFilesInto(const std::string& typed) {
  const std::string path = FolderFromDialog(typed, "Move All Files");
  if (path.empty() || !EnsureMoveTarget(path)) return;
  ui::TApplication& application = ui::Application();
  os::FileSystem& files = application.Services().files;
  // A failure is reported and the others still move: each entry follows its own file.
  for (std::size_t k = 0; k < PathList.size(); ++k) {
    const std::string old = PathList[k];
    const std::string moved = base::JoinPath(path, SongList.Item(static_cast<int>(k)));
    if (files.Move(old, moved) != os::FileError::None) {
      application.ShowMessageBox("Cannot move file \"" + old + "\".\nFile opened or playing now?",
                                 "Error - Move File", ui::mbIconError | ui::mbTopMost);
      continue;
    }
    RepointEntries(old, moved);
  }
  RereadFileList();
  SaveNamedList();
}

void TFormPlayer::RepointEntries(const std::string& old, const std::string& moved) {
  for (std::string& path : PathList)
    if (path == old) path = moved;
}

}  // namespace player
