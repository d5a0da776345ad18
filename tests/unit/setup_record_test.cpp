#include "setup/installation_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/finish_page.h"
#include "setup/setup_keys.h"
#include "support/setup_fixture.h"

namespace {

using os::RegistryKey;
using os::RegistryRoot;
using Texts = std::vector<std::string>;

RegistryKey Classes(const std::string& path) { return {RegistryRoot::ClassesRoot, path}; }

struct RecordTest : testing_support::SetupFixture {
  RecordTest() {
    state.TargetFolder = kTargetFolder;
    state.GroupFolder = std::string(kProgramsFolder) + "\\MIDI Tunora";
  }
};

// Every key of the record with its default value, in the order they are written.
struct Written {
  RegistryKey key;
  std::string value;
};
const std::vector<Written> kRecord = {
    {{RegistryRoot::LocalMachine, "SOFTWARE\\Fernwick\\MIDI Tunora\\Version"}, "1.0"},
    {{RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora\\Group"},
     "C:\\Users\\Player\\Start Menu\\Programs\\MIDI Tunora"},
    {{RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora\\Folder"}, "C:\\Program Files\\MIDI Tunora"},
    {Classes("MIDI Tunora MPL File"), "Media Play List File"},
    {Classes("MIDI Tunora MPL File\\shell"), "play"},
    {Classes("MIDI Tunora MPL File\\shell\\play"), "Play"},
    {Classes("MIDI Tunora MPL File\\shell\\play\\command"),
     "\"C:\\Program Files\\MIDI Tunora\\MIDI_Tunora.exe\" /play /close \"%1\""},
    {Classes("MIDI Tunora MPL File\\shell\\open"), "Open"},
    {Classes("MIDI Tunora MPL File\\shell\\open\\command"),
     "\"C:\\Program Files\\MIDI Tunora\\MIDI_Tunora.exe\" \"%1\""},
    {Classes(".mpl"), "MIDI Tunora MPL File"},
};
const RegistryKey kEntry{RegistryRoot::LocalMachine,
                         "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\MIDI Tunora"};

TEST_F(RecordTest, TheRegistryTableWithQuotedCommandsAndTheUninstallEntry) {
  ASSERT_TRUE(setup::RecordInstallation(env.app, state));
  EXPECT_TRUE(Boxes().empty());
  for (const Written& written : kRecord) EXPECT_EQ(Value(written.key), written.value) << written.key.path;
  EXPECT_EQ(Value(kEntry, "DisplayName"), "MIDI Tunora");
  EXPECT_EQ(Value(kEntry, "DisplayVersion"), "1.01");
  EXPECT_EQ(Value(kEntry, "Publisher"), "Fernwick");
  EXPECT_EQ(Value(kEntry, "InstallLocation"), "C:\\Program Files\\MIDI Tunora");
  EXPECT_EQ(Value(kEntry, "DisplayIcon"), "C:\\Program Files\\MIDI Tunora\\MIDI_Tunora.exe");
  EXPECT_EQ(Value(kEntry, "UninstallString"), "\"C:\\Program Files\\MIDI Tunora\\setup.exe\" /uninstall");
  std::uint32_t flag = 0;
  ASSERT_EQ(env.registry.ReadInteger(kEntry, "NoModify", flag), os::RegistryError::None);
  EXPECT_EQ(flag, 1u);
}

TEST_F(RecordTest, AKeyThatCannotBeWrittenEndsSetupWithTheKeysAfterItUnwritten) {
  struct Case {
    std::size_t refused;  // index into the record
    std::string shown;
  };
  const Case cases[] = {
      {0, "Error - Open Key: Cannot open registry key!"},
      {1, "Error - Open key: Cannot open regsitry key!"},
      {2, "Error - Open key: Cannot open regsitry key!"},
      {3, "Error - Open Key: Cannot open registration key!"},
      {6, "Error - Open Key: Cannot open registration key!"},
      {9, "Error - Open Key: Cannot open registration key!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(kRecord[c.refused].key.path);
    env.registry = os::FakeRegistry();
    env.backend.ClearBoxes();
    os::FakeRegistry& registry = env.registry;
    registry.RefuseKey(kRecord[c.refused].key);

    EXPECT_FALSE(setup::RecordInstallation(env.app, state));

    EXPECT_EQ(Shown(), Texts{c.shown});
    EXPECT_EQ(Boxes()[0].flags, ui::mbIconError | ui::mbTopMost);
    for (std::size_t i = 0; i < kRecord.size(); ++i) {
      std::string value;
      const bool written = registry.ReadString(kRecord[i].key, "", value) == os::RegistryError::None;
      EXPECT_EQ(written, i < c.refused) << kRecord[i].key.path;
    }
    EXPECT_FALSE(registry.KeyExists(kEntry));
  }
}

TEST_F(RecordTest, AValueThatCannotBeWrittenIntoAnOpenedKeyCountsAsTheKeysFailure) {
  env.registry.RefuseWritesOf("");
  EXPECT_FALSE(setup::RecordInstallation(env.app, state));
  EXPECT_EQ(Shown(), (Texts{"Error - Open Key: Cannot open registry key!"}));
}

TEST_F(RecordTest, AnUninstallEntryThatCannotBeWrittenIsAWarningOnly) {
  env.registry.RefuseKey(kEntry);
  EXPECT_TRUE(setup::RecordInstallation(env.app, state));
  EXPECT_EQ(Shown(),
            (Texts{"Warning - Uninstall Entry: Cannot record MIDI Tunora in the list of installed programs."}));
  EXPECT_EQ(Boxes()[0].flags, ui::mbIconWarning | ui::mbTopMost);
  EXPECT_EQ(Value(Classes(".mpl")), "MIDI Tunora MPL File");
}

TEST(SetupCommands, TheProgramAndTheFileAreQuotedWhateverTheFolder) {
  EXPECT_EQ(setup::OpenCommand("C:\\MIDITunora"), "\"C:\\MIDITunora\\MIDI_Tunora.exe\" \"%1\"");
  EXPECT_EQ(setup::PlayCommand("D:\\My Music\\Tunora 1"),
            "\"D:\\My Music\\Tunora 1\\MIDI_Tunora.exe\" /play /close \"%1\"");
}

struct FinishTest : testing_support::SetupFixture {
  FinishTest() {
    state.TargetFolder = kTargetFolder;
    env.files.AddFile(std::string(kTargetFolder) + "\\ReadMe.txt", "read me");
    env.files.AddFile(std::string(kTargetFolder) + "\\MIDI_Tunora.exe", "MZ");
  }
};

TEST_F(FinishTest, TheChoicesOfTheFinishPage) {
  struct Case {
    bool viewReadMe, launch;
    std::vector<std::string> opened;
    std::string currentFolder;
  };
  const std::string readMe = std::string(kTargetFolder) + "\\ReadMe.txt";
  const std::string player = std::string(kTargetFolder) + "\\MIDI_Tunora.exe";
  const Case cases[] = {
      {false, false, {}, kSourceFolder},
      {true, false, {readMe + " maximized"}, kTargetFolder},
      {false, true, {player + " default"}, kSourceFolder},
      {true, true, {readMe + " maximized", player + " default"}, kTargetFolder},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.viewReadMe) + std::to_string(c.launch));
    env.files.CurrentFolder = kSourceFolder;
    const std::size_t before = env.shell.Opened().size();

    setup::Finish(env.app, state, c.viewReadMe, c.launch);

    std::vector<std::string> opened;
    for (std::size_t i = before; i < env.shell.Opened().size(); ++i) {
      const auto& opening = env.shell.Opened()[i];
      opened.push_back(opening.path + (opening.show == os::ShowState::Maximized ? " maximized"
                                       : opening.show == os::ShowState::Default ? " default"
                                                                                 : " normal"));
    }
    EXPECT_EQ(opened, c.opened);
    EXPECT_EQ(env.files.GetCurrentFolder(), c.currentFolder);
    EXPECT_TRUE(Boxes().empty());
  }
}

TEST_F(FinishTest, WhatCannotBeOpenedOrStartedIsReported) {
  env.files.Delete(std::string(kTargetFolder) + "\\ReadMe.txt");
  env.files.Delete(std::string(kTargetFolder) + "\\MIDI_Tunora.exe");
  setup::Finish(env.app, state, true, true);
  EXPECT_EQ(Shown(),
            (Texts{"Error - View ReadMe: Cannot open file 'C:\\Program Files\\MIDI Tunora\\ReadMe.txt'.",
                   "Error - Launch MIDI Tunora: Cannot start 'C:\\Program Files\\MIDI Tunora\\MIDI_Tunora.exe'."}));
}

}  // namespace
