#include "setup/uninstallation.h"

#include <string>

#include "base/text.h"
#include "setup/hour_glass.h"
#include "setup/installed_files.h"
#include "setup/setup_keys.h"

namespace setup {

namespace {

class Uninstaller {
 public:
  explicit Uninstaller(ui::TApplication& application)
      : application_(application),
        files_(application.Services().files),
        registry_(application.Services().registry),
        shell_(application.Services().shell) {}

  bool Run(SetupState& state);

 private:
  // The key's default value; "" when it is missing or no text.
  std::string ReadFolder(const os::RegistryKey& key) {
    std::string folder;
    if (registry_.ReadString(key, "", folder) != os::RegistryError::None) return {};
    return folder;
  }

  // Missing files are passed over; a file that exists but is refused is reported.
  void RemoveFile(const std::string& path) {
    const os::FileError error = files_.Delete(path);
    if (error != os::FileError::AccessDenied && error != os::FileError::SharingViolation) return;
    Report("Cannot delete file '" + path + "'.", "Error - Delete File");
  }

  void RemoveInstalledFiles(const std::string& targetFolder) {
    for (const std::string& name : kRemovedFiles) RemoveFile(targetFolder + name);
    // Setup's own copy, unless it is the program running now, which the system keeps while it runs;
    // the folder, which stays, then keeps it too.
    const std::string setupCopy = targetFolder + "\\" + kSetupFile;
    if (!base::SameText(files_.FullPath(setupCopy), files_.ProgramFilePath())) RemoveFile(setupCopy);
  }

  // A key that exists is deleted with its subkeys; when that fails twice in a row it is reported.
  void RemoveKey(const os::RegistryKey& key) {
    if (!registry_.KeyExists(key)) return;
    for (int attempt = 0; attempt < 2; ++attempt) {
      const os::RegistryError error = registry_.DeleteKey(key);
      if (error == os::RegistryError::None || error == os::RegistryError::NotFound) return;
    }
    Report("Cannot delete registry key " + key.path + " !", "Error - Delete Key");
  }

  void RemoveKeyIfEmpty(const os::RegistryKey& key) {
    if (registry_.KeyIsEmpty(key)) RemoveKey(key);
  }

  // The open and then the play command of the extension's class get back the command kept in the
  // backup value, each on its own; a command key without a backup stays as it is.
  void RestoreExtension(const std::string& extension) {
    if (!registry_.KeyExists(ClassesKey(extension))) return;
    const std::string className = ReadFolder(ClassesKey(extension));
    if (className.empty()) return;
    for (const char* verb : {"open", "play"}) {
      const os::RegistryKey command = ClassesKey(className + "\\shell\\" + verb + "\\command");
      if (!registry_.KeyExists(command) || !registry_.ValueExists(command, kBackupValue)) continue;
      std::string previous;
      // The backup goes only once the command is back, so that a later run can still restore it.
      if (registry_.ReadString(command, kBackupValue, previous) != os::RegistryError::None ||
          registry_.WriteString(command, "", previous) != os::RegistryError::None ||
          registry_.DeleteValue(command, kBackupValue) != os::RegistryError::None) {
        Report("Cannot restore registry key " + command.path + " !", "Error - Restore Key");
      }
    }
  }

  void Report(const std::string& text, const std::string& title) {
    application_.ShowMessageBox(text, title, ui::mbIconError | ui::mbTopMost);
    application_.Screen().SetCursor(ui::TCursor::crDefault);
  }

  ui::TApplication& application_;
  os::FileSystem& files_;
  os::Registry& registry_;
  os::Shell& shell_;
};

bool Uninstaller::Run(SetupState& state) {
  {
    HourGlass busy(application_);
    registry_.DeleteKey(kMisspeltMakerKey);

    if (registry_.KeyExists(kFolderKey)) {
      state.TargetFolder = ReadFolder(kFolderKey);
      if (!state.TargetFolder.empty() && files_.FolderExists(state.TargetFolder)) {
        RemoveInstalledFiles(state.TargetFolder);
      }
    }

    // A group folder the user has removed already leaves nothing to remove.
    if (registry_.KeyExists(kGroupKey)) {
      state.GroupFolder = ReadFolder(kGroupKey);
      if (!state.GroupFolder.empty() && files_.FolderExists(state.GroupFolder)) {
        for (const Shortcut& shortcut : kGroupShortcuts) RemoveFile(state.GroupFolder + shortcut.file);
        if (files_.RemoveFolder(state.GroupFolder) != os::FileError::None) {
          Report("Cannot remove directory '" + state.GroupFolder + "'!", "Error - Remove Directory");
          state.GroupFolder.clear();
          return false;
        }
      }
    }

    const std::string desktop = shell_.SpecialFolderPath(os::SpecialFolder::Desktop);
    if (desktop.empty()) {
      Report("Can't find Desktop directory!", "Error - Desktop Directory");
    } else {
      RemoveFile(desktop + kDesktopShortcut.file);
    }

    RemoveKey(kOldMachineKey);
    RemoveKey(kMisspeltMakerKey);
    RemoveKey(kPlayerKey);
    RemoveKey(ClassesKey(kPlayListExtension));
    RemoveKey(ClassesKey(kPlayListClass));
    RemoveKey(kMachinePlayerKey);
    RemoveKeyIfEmpty(kMachineMakerKey);
    RemoveKeyIfEmpty(kUserMakerKey);
    RemoveKey(kUninstallEntryKey);

    for (const char* extension : {".avi", ".mid", ".rmi", ".wav"}) RestoreExtension(extension);
  }
  application_.ShowMessageBox("Uninstaller has removed MIDI Tunora from your system.", "Uninstallation Complete",
                              ui::mbIconInformation | ui::mbTopMost);
  application_.ShowMessageBox("In case you may lose your important files in MIDI Tunora directory.\n"
                              "Uninstaller didn't remove directory '" +
                                  state.TargetFolder + "'\nYou may check it and manually delete it with Explorer.",
                              "Notice - Directory Remain", ui::mbIconInformation | ui::mbTopMost);
  return true;
}

}  // namespace

bool UninstallOffered(os::Registry& registry) {
  return registry.KeyExists(kOldMachineKey) || registry.KeyExists(kPlayerKey);
}

bool Uninstall(ui::TApplication& application, SetupState& state) { return Uninstaller(application).Run(state); }

}  // namespace setup
