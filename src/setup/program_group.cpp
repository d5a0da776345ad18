#include "setup/program_group.h"

#include "base/text.h"
#include "setup/installed_files.h"

namespace setup {

namespace {

bool MakeShortcut(os::Shell& shell, const std::string& folder, const Shortcut& shortcut,
                  const std::string& targetFolder) {
  return shell.SaveLink(folder + shortcut.file, {targetFolder + shortcut.target, shortcut.description}) ==
         os::FileError::None;
}

void ShortcutFailed(ui::TApplication& application) {
  application.ShowMessageBox("Cannot create shortcut to program file!", "Error - Create Shortcut",
                             ui::mbIconError | ui::mbTopMost);
}

}  // namespace

std::string FindProgramsFolder(ui::TApplication& application) {
  const std::string programs = application.Services().shell.SpecialFolderPath(os::SpecialFolder::Programs);
  if (programs.empty()) {
    application.ShowMessageBox("Can't find program group!", "Error - Program Groups", ui::mbIconError | ui::mbTopMost);
  }
  return programs;
}

std::vector<std::string> ExistingGroups(os::FileSystem& files, const std::string& programsFolder) {
  std::vector<os::FolderEntry> folders;
  // The list only helps to choose a name: a folder that cannot be read lists nothing, and Continue
  // then tells whether the group can be made.
  if (files.ListFolders(programsFolder, folders) != os::FileError::None) return {};
  std::vector<std::string> names;
  for (const auto& folder : folders) names.push_back(folder.name);
  return names;
}

bool CreateProgramGroup(ui::TApplication& application, SetupState& state, const std::string& programsFolder,
                        const std::string& groupName) {
  os::FileSystem& files = application.Services().files;
  // The group lies below the Programs folder: an empty name or one that climbs out of it (".."), which
  // uninstallation would then try to remove, names no group.
  std::string folder = files.FullPath(programsFolder + "\\" + groupName);
  while (folder.ends_with('\\')) folder.pop_back();
  const bool below = base::StartsWithText(folder, programsFolder + "\\") && folder.size() > programsFolder.size() + 1;
  state.GroupFolder = folder;
  const os::FileError created = below ? files.CreateFolder(folder) : os::FileError::InvalidName;
  if (created != os::FileError::None) {
    if (!below || !files.FolderExists(folder)) {
      application.ShowMessageBox("Cannot create program group!", "Error - Create Program Group", ui::mbIconError);
      state.GroupFolder.clear();
      return false;
    }
    application.ShowMessageBox("Program group already exist.", "Group Exist", ui::mbIconInformation);
  }
  // The Explorer window on the group is a courtesy: the group is made whether or not it opens.
  application.Services().shell.Open(state.GroupFolder, "", os::ShowState::Normal);
  return true;
}

void MakeShortcuts(ui::TApplication& application, const SetupState& state) {
  os::Shell& shell = application.Services().shell;
  for (const Shortcut& shortcut : kGroupShortcuts) {
    if (!MakeShortcut(shell, state.GroupFolder, shortcut, state.TargetFolder)) {
      ShortcutFailed(application);
      return;
    }
  }
  if (application.ShowMessageBox("Do you want to create a shortcut to MIDI Tunora on desktop?", "Create Shortcut",
                                 ui::mbYesNo | ui::mbIconQuestion | ui::mbTopMost) != ui::mrYes) {
    return;
  }
  const std::string desktop = shell.SpecialFolderPath(os::SpecialFolder::Desktop);
  if (desktop.empty()) {
    application.ShowMessageBox("Can't find Desktop directory!", "Error - Desktop Directory",
                               ui::mbIconError | ui::mbTopMost);
    return;
  }
  if (!MakeShortcut(shell, desktop, kDesktopShortcut, state.TargetFolder)) ShortcutFailed(application);
}

}  // namespace setup
