#include "support/setup_fixture.h"

#include "setup/installation_record.h"
#include "setup/installed_files.h"
#include "setup/program_group.h"
#include "setup/target_folder.h"

namespace testing_support {

SetupMachine::SetupMachine() {
  env.files.AddFolder(kSourceFolder);
  for (const auto& file : setup::kInstalledFiles) {
    env.files.AddFile(std::string(kSourceFolder) + "\\" + file.name, SourceBytes(file.name));
  }
  env.files.ProgramFile = std::string(kSourceFolder) + "\\setup.exe";
  env.files.AddFile(env.files.ProgramFile, SourceBytes("setup.exe"));
  env.shell.MakeSpecialFolders();
  env.files.CurrentFolder = kSourceFolder;
  state.SourceFolder = env.files.GetCurrentFolder();
}

std::string SetupMachine::Bytes(const std::string& path) {
  std::string bytes;
  if (env.files.ReadFile(path, bytes) != os::FileError::None) return "<missing>";
  return bytes;
}

std::string SetupMachine::Value(const os::RegistryKey& key, const std::string& name) {
  std::string text;
  if (env.registry.ReadString(key, name, text) != os::RegistryError::None) return "<missing>";
  return text;
}

std::vector<std::string> SetupMachine::Shown() const {
  std::vector<std::string> shown;
  for (const auto& box : Boxes()) shown.push_back(box.caption + ": " + box.text);
  return shown;
}

void SetupMachine::Install(const std::string& targetFolder, const std::string& groupName, bool desktopShortcut) {
  ASSERT_EQ(setup::InstallFiles(env.app, state, targetFolder), setup::Outcome::GoOn);
  const std::string programs = setup::FindProgramsFolder(env.app);
  ASSERT_TRUE(setup::CreateProgramGroup(env.app, state, programs, groupName));
  env.backend.AnswerNext(desktopShortcut ? ui::mrYes : ui::mrNo);
  setup::MakeShortcuts(env.app, state);
  ASSERT_TRUE(setup::RecordInstallation(env.app, state));
}

}  // namespace testing_support
