#include "setup/installation_record.h"

#include <initializer_list>
#include <string>

#include "setup/installed_files.h"
#include "setup/setup_keys.h"

namespace setup {

namespace {

struct DefaultValue {
  os::RegistryKey key;
  std::string value;
};

// Creates each key and writes its default value, in order; false at the first that fails.
bool WriteDefaults(os::Registry& registry, std::initializer_list<DefaultValue> values) {
  for (const DefaultValue& entry : values) {
    if (registry.CreateKey(entry.key) != os::RegistryError::None ||
        registry.WriteString(entry.key, "", entry.value) != os::RegistryError::None) {
      return false;
    }
  }
  return true;
}

bool WriteUninstallEntry(os::Registry& registry, const std::string& targetFolder) {
  const os::RegistryKey& key = kUninstallEntryKey;
  const std::string setupFile = targetFolder + "\\" + kSetupFile;
  return registry.CreateKey(key) == os::RegistryError::None &&
         registry.WriteString(key, "DisplayName", "MIDI Tunora") == os::RegistryError::None &&
         registry.WriteString(key, "DisplayVersion", "1.01") == os::RegistryError::None &&
         registry.WriteString(key, "Publisher", "Fernwick") == os::RegistryError::None &&
         registry.WriteString(key, "InstallLocation", targetFolder) == os::RegistryError::None &&
         registry.WriteString(key, "DisplayIcon", targetFolder + "\\" + kPlayerFile) == os::RegistryError::None &&
         registry.WriteString(key, "UninstallString", "\"" + setupFile + "\" /uninstall") ==
             os::RegistryError::None &&
         registry.WriteInteger(key, "NoModify", 1) == os::RegistryError::None &&
         registry.WriteInteger(key, "NoRepair", 1) == os::RegistryError::None;
}

}  // namespace

std::string OpenCommand(const std::string& targetFolder) {
  return "\"" + targetFolder + "\\" + kPlayerFile + "\" \"%1\"";
}

std::string PlayCommand(const std::string& targetFolder) {
  return "\"" + targetFolder + "\\" + kPlayerFile + "\" /play /close \"%1\"";
}

bool RecordInstallation(ui::TApplication& application, const SetupState& state) {
  os::Registry& registry = application.Services().registry;
  const auto fail = [&application](const char* text, const char* title) {
    application.ShowMessageBox(text, title, ui::mbIconError | ui::mbTopMost);
    return false;
  };
  if (!WriteDefaults(registry, {{kVersionKey, kRecordedVersion}})) {
    return fail("Cannot open registry key!", "Error - Open Key");
  }
  if (!WriteDefaults(registry, {{kGroupKey, state.GroupFolder}, {kFolderKey, state.TargetFolder}})) {
    return fail("Cannot open regsitry key!", "Error - Open key");
  }
  const std::string playListClass = kPlayListClass;
  if (!WriteDefaults(registry, {{ClassesKey(playListClass), "Media Play List File"},
                                {ClassesKey(playListClass + "\\shell"), "play"},
                                {ClassesKey(playListClass + "\\shell\\play"), "Play"},
                                {ClassesKey(playListClass + "\\shell\\play\\command"), PlayCommand(state.TargetFolder)},
                                {ClassesKey(playListClass + "\\shell\\open"), "Open"},
                                {ClassesKey(playListClass + "\\shell\\open\\command"), OpenCommand(state.TargetFolder)},
                                {ClassesKey(kPlayListExtension), playListClass}})) {
    return fail("Cannot open registration key!", "Error - Open Key");
  }
  if (!WriteUninstallEntry(registry, state.TargetFolder)) {
    application.ShowMessageBox("Cannot record MIDI Tunora in the list of installed programs.",
                               "Warning - Uninstall Entry", ui::mbIconWarning | ui::mbTopMost);
  }
  return true;
}

}  // namespace setup
