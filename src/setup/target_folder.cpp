#include "setup/target_folder.h"

#include "base/text.h"
#include "setup/hour_glass.h"
#include "setup/installed_files.h"

namespace setup {

namespace {

// The typed name as a full path without a trailing backslash; "" for a name that is no path.
std::string TargetFolderOf(os::FileSystem& files, const std::string& typed) {
  if (typed.find_first_not_of(' ') == std::string::npos) return {};
  std::string folder = files.FullPath(typed);
  while (folder.ends_with('\\')) folder.pop_back();
  return folder;
}

// Copies a file over any of its name; a file that is its own target (setup run from the installation
// folder) is already in place.
os::FileError CopyOver(os::FileSystem& files, const std::string& from, const std::string& to) {
  if (base::SameText(files.FullPath(from), files.FullPath(to))) {
    return files.FileExists(from) ? os::FileError::None : os::FileError::NotFound;
  }
  return files.Copy(from, to, os::IfExists::Overwrite);
}

}  // namespace

std::string ProposedTargetFolder(const std::string& listFolder) {
  return listFolder.ends_with('\\') ? listFolder + kDefaultFolderName : listFolder;
}

Outcome InstallFiles(ui::TApplication& application, SetupState& state, const std::string& typedFolder) {
  os::FileSystem& files = application.Services().files;
  {
    HourGlass busy(application);
    state.TargetFolder = TargetFolderOf(files, typedFolder);
    const os::FileError created =
        state.TargetFolder.empty() ? os::FileError::InvalidName : files.CreateFolder(state.TargetFolder);
    if (created != os::FileError::None) {
      if (state.TargetFolder.empty() || !files.FolderExists(state.TargetFolder)) {
        application.ShowMessageBox("Cannot create directory!", "Error - Create Directory",
                                   ui::mbIconError | ui::mbTopMost);
        return Outcome::EndSetup;
      }
      application.ShowMessageBox("Directory already exist.", "Directory Exist", ui::mbIconInformation | ui::mbTopMost);
    }
    // An existing "Reset" folder will do; one that cannot be made fails the copy of the reset files.
    files.CreateFolder(state.TargetFolder + "\\Reset");
    while (state.SourceFolder.ends_with('\\')) state.SourceFolder.pop_back();

    struct Copy {
      std::string name, from, to;
    };
    std::vector<Copy> copies;
    for (const InstalledFile& file : kInstalledFiles) {
      copies.push_back({file.name, state.SourceFolder + "\\" + file.name,
                        state.TargetFolder + (file.reset ? "\\Reset\\" : "\\") + file.name});
    }
    copies.push_back({kSetupFile, files.ProgramFilePath(), state.TargetFolder + "\\" + kSetupFile});
    for (const Copy& copy : copies) {
      if (CopyOver(files, copy.from, copy.to) != os::FileError::None) {
        application.ShowMessageBox("Cannot copy file '" + copy.name + "' to target directory!", "Error - Copy File",
                                   ui::mbIconError | ui::mbTopMost);
        return Outcome::EndSetup;
      }
    }
  }
  application.ShowMessageBox("Installer has successfully created directory and copied files.", "Tasks Complete",
                             ui::mbIconInformation | ui::mbTopMost);
  return Outcome::GoOn;
}

}  // namespace setup
