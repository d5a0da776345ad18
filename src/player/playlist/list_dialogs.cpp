// The Open List and Save List dialogs. While one is up the window is out of the top-most band, so that
// the dialog is not hidden behind it; afterwards the file box's folder is current again, wherever the
// dialog left the process.
#include "player/form_player.h"

namespace player {

namespace {

class TopMostLowered {
 public:
  explicit TopMostLowered(ui::TForm& form) : form_(form), wasTopMost_(form.TopMost()) {
    if (wasTopMost_) form_.SetTopMost(false);
  }
  ~TopMostLowered() {
    if (wasTopMost_) form_.SetTopMost(true);
  }
  TopMostLowered(const TopMostLowered&) = delete;
  TopMostLowered& operator=(const TopMostLowered&) = delete;

 private:
  ui::TForm& form_;
  bool wasTopMost_;
};

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
  os::Services& services = ui::Application().Services();
  CurrentFolderKept folder(services.files, FileBoxFolder());
  TopMostLowered lowered(*this);
  return services.fileDialogs.AskFileToOpen(request);
}

std::optional<std::string> TFormPlayer::AskListFileToSave(const std::string& title) {
  os::FileDialogRequest request;
  request.owner = Handle();
  request.title = title;
  request.filter = "Media Play List File ( *.mpl)|*.mpl";
  request.defaultExtension = "mpl";
  request.initialFolder = SaveDialogFolder;
  request.fileName = ListFileName;
  os::Services& services = ui::Application().Services();
  CurrentFolderKept folder(services.files, FileBoxFolder());
  TopMostLowered lowered(*this);
  return services.fileDialogs.AskFileToSave(request);
}

}  // namespace player
