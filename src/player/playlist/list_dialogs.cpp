// The Open List and Save List dialogs. Afterwards the file box's folder is current again, wherever the
// dialog left the process.
#include "player/form_player.h"

namespace player {

namespace {

class CurrentFolderKept {
 public:
  CurrentFolderKept(os::FileSystem& files, std::string folder) : files_(files), folder_(std::move(folder)) {}
  // The folder the file box shows was current before; a folder removed meanwhile stays left.
  ~CurrentFolderKept() { files_.SetCurrentFolder(folder_); }
  CurrentFolderKept(const CurrentFolderKept&) = delete;
  CurrentFolderKept& operator=(const CurrentFolderKept&) = delete;

 private:
  os::FileSystem& files_;
  std::string folder_;
};

}  // namespace

std::optional<std::string> TFormPlayer::AskListFileToOpen() {
  os::FileDialogRequest request;
  request.owner = Handle();
  request.title = "Open List";
  request.filter = "Media Play List File (*.mpl)|*.mpl";
  request.defaultExtension = "mpl";
  request.initialFolder = OpenDialogFolder;
  request.fileName = LastListFileName;
  ui::TApplication& application = ui::Application();
  CurrentFolderKept folder(application.Services().files, FileBoxFolder());
  return application.AskFileToOpen(request);
}

std::optional<std::string> TFormPlayer::AskListFileToSave(const std::string& title) {
  os::FileDialogRequest request;
  request.owner = Handle();
  request.title = title;
  request.filter = "Media Play List File ( *.mpl)|*.mpl";
  request.defaultExtension = "mpl";
  request.initialFolder = SaveDialogFolder;
  request.fileName = ListFileName;
  ui::TApplication& application = ui::Application();
  CurrentFolderKept folder(application.Services().files, FileBoxFolder());
  return application.AskFileToSave(request);
}

}  // namespace player
