#include "setup/uninstallation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/filetypes/file_type_registration.h"
#include "setup/installed_files.h"
#include "support/setup_fixture.h"

namespace {

using os::RegistryKey;
using os::RegistryRoot;
using Texts = std::vector<std::string>;

RegistryKey Classes(const std::string& path) { return {RegistryRoot::ClassesRoot, path}; }
RegistryKey Command(const std::string& className, const char* verb) {
  return Classes(className + "\\shell\\" + verb + "\\command");
}

const RegistryKey kPlayerKey{RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora"};
const RegistryKey kOptionsKey{RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora\\Options"};
const RegistryKey kVersionKey{RegistryRoot::LocalMachine, "SOFTWARE\\Fernwick\\MIDI Tunora\\Version"};
const RegistryKey kMachineMakerKey{RegistryRoot::LocalMachine, "SOFTWARE\\Fernwick"};
const RegistryKey kUserMakerKey{RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick"};
const RegistryKey kOldMachineKey{RegistryRoot::LocalMachine, "SOFTWARE\\MIDI Tunora"};
const RegistryKey kMisspeltKey{RegistryRoot::LocalMachine, "SOFTWARE\\Fernwik"};
const RegistryKey kEntry{RegistryRoot::LocalMachine,
                         "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\MIDI Tunora"};

const char kComplete[] = "Uninstallation Complete: Uninstaller has removed MIDI Tunora from your system.";
std::string Remain(const std::string& folder) {
  return "Notice - Directory Remain: In case you may lose your important files in MIDI Tunora directory.\n"
         "Uninstaller didn't remove directory '" +
         folder + "'\nYou may check it and manually delete it with Explorer.";
}

using Machine = testing_support::SetupMachine;
std::string Target(const std::string& name) { return std::string(Machine::kTargetFolder) + name; }
std::string Group(const std::string& name) { return std::string(Machine::kProgramsFolder) + "\\MIDI Tunora" + name; }
std::string Desktop() { return std::string(Machine::kDesktopFolder) + "\\MIDI Tunora.lnk"; }

const char kForeignOpen[] = "\"C:\\Windows\\mplayer.exe\" /open \"%L\"";
const char kForeignPlay[] = "C:\\Windows\\mplayer.exe /play /close %1";

// A machine whose media types have a foreign program's commands, with the player installed by setup
// into a folder with blanks, run (its recent lists, the help viewer's index) and registered for the
// media types by its file-type dialog; the user has left a file of their own in the folder.
struct InstalledMachine : testing_support::SetupMachine {
  InstalledMachine() {
    for (const auto& [extension, className] : {std::pair<const char*, const char*>{".avi", "AVIFile"},
                                               {".mid", "midfile"},
                                               {".rmi", "midfile"},
                                               {".wav", "soundrec"}}) {
      env.registry.CreateKey(Classes(extension));
      env.registry.WriteString(Classes(extension), "", className);
      SetCommand(Command(className, "open"), kForeignOpen);
      SetCommand(Command(className, "play"), kForeignPlay);
    }
    Install();
    env.files.AddFile(Target("\\History.ini"), "[History]");
    env.files.AddFile(Target("\\Mtunora.chw"), "index");
    env.files.AddFile(Target("\\My Songs.mpl"), "the user's own list");
    env.registry.CreateKey(kOptionsKey);
    env.registry.WriteInteger(kOptionsKey, "LoopPlay", 1);
    player::FileTypeRegistration registration(env.registry);
    registration.Read();
    registration.Apply(true, true, true);
    env.backend.ClearBoxes();
    state = {};
    state.SourceFolder = kSourceFolder;
  }
  void SetCommand(const RegistryKey& key, const std::string& command) {
    env.registry.CreateKey(key);
    env.registry.WriteString(key, "", command);
  }
};

struct UninstallTest : ::testing::Test, InstalledMachine {};

TEST_F(UninstallTest, UninstallationIsOfferedOnlyWithAnInstallationsKey) {
  struct Case {
    const char* name;
    std::vector<RegistryKey> keys;
    bool offered;
  };
  const Case cases[] = {
      {"nothing", {}, false},
      {"an earlier version's machine key", {kOldMachineKey}, true},
      {"the player's key", {kPlayerKey}, true},
      {"the machine-wide version alone", {kVersionKey}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    os::FakeRegistry registry;
    for (const auto& key : c.keys) registry.CreateKey(key);
    EXPECT_EQ(setup::UninstallOffered(registry), c.offered);
  }
}

TEST_F(UninstallTest, EverythingInstalledGoesAndTheMediaTypesGetTheirCommandsBack) {
  ASSERT_TRUE(setup::Uninstall(env.app, state));

  EXPECT_EQ(Shown(), (Texts{kComplete, Remain(kTargetFolder)}));
  for (const auto& box : Boxes()) EXPECT_EQ(box.flags, ui::mbIconInformation | ui::mbTopMost);
  EXPECT_EQ(state.TargetFolder, kTargetFolder);

  for (const auto& name : setup::kRemovedFiles) EXPECT_FALSE(env.files.FileExists(Target(name))) << name;
  EXPECT_FALSE(env.files.FileExists(Target("\\setup.exe")));
  EXPECT_EQ(Bytes(Target("\\My Songs.mpl")), "the user's own list");
  EXPECT_TRUE(env.files.FolderExists(Target("\\Reset")));
  EXPECT_FALSE(env.files.FolderExists(Group("")));
  EXPECT_FALSE(env.files.FileExists(Desktop()));

  for (const auto& key : {kPlayerKey, kVersionKey, kMachineMakerKey, kUserMakerKey, kEntry, Classes(".mpl"),
                          Classes("MIDI Tunora MPL File")}) {
    EXPECT_FALSE(env.registry.KeyExists(key)) << key.path;
  }
  for (const char* className : {"AVIFile", "midfile", "soundrec"}) {
    EXPECT_EQ(Value(Command(className, "open")), kForeignOpen) << className;
    EXPECT_EQ(Value(Command(className, "play")), kForeignPlay) << className;
    EXPECT_FALSE(env.registry.ValueExists(Command(className, "open"), "MIDITunora.Bak")) << className;
    EXPECT_FALSE(env.registry.ValueExists(Command(className, "play"), "MIDITunora.Bak")) << className;
  }
  EXPECT_EQ(env.backend.CursorHistory().front(), ui::TCursor::crHourGlass);
  EXPECT_EQ(env.backend.CursorHistory().back(), ui::TCursor::crDefault);
  EXPECT_FALSE(setup::UninstallOffered(env.registry));
}

TEST_F(UninstallTest, KeysOfOthersAndEarlierVersionsUnderTheMakersKeys) {
  const RegistryKey otherProduct{RegistryRoot::LocalMachine, "SOFTWARE\\Fernwick\\Other Product"};
  env.registry.CreateKey(otherProduct);
  env.registry.CreateKey({RegistryRoot::LocalMachine, "SOFTWARE\\MIDI Tunora\\Settings"});
  env.registry.CreateKey(kMisspeltKey);

  ASSERT_TRUE(setup::Uninstall(env.app, state));

  EXPECT_TRUE(env.registry.KeyExists(otherProduct));
  EXPECT_FALSE(env.registry.KeyExists({RegistryRoot::LocalMachine, "SOFTWARE\\Fernwick\\MIDI Tunora"}));
  EXPECT_FALSE(env.registry.KeyExists(kOldMachineKey));
  EXPECT_FALSE(env.registry.KeyExists(kMisspeltKey));
  EXPECT_FALSE(env.registry.KeyExists(kUserMakerKey));
}

TEST_F(UninstallTest, AGroupFolderHoldingOtherFilesStopsItThereWithTheKeysKept) {
  env.files.AddFile(Group("\\Notes.txt"), "the user's");

  EXPECT_FALSE(setup::Uninstall(env.app, state));

  EXPECT_EQ(Shown(), (Texts{"Error - Remove Directory: Cannot remove directory '" + Group("") + "'!"}));
  EXPECT_EQ(Boxes()[0].flags, ui::mbIconError | ui::mbTopMost);
  EXPECT_EQ(state.GroupFolder, "");
  // The files and the group's shortcuts went before; the desktop shortcut, the keys and the media
  // types' registration stay.
  EXPECT_FALSE(env.files.FileExists(Target("\\MIDI_Tunora.exe")));
  EXPECT_FALSE(env.files.FileExists(Group("\\MIDI Tunora 1.0.lnk")));
  EXPECT_TRUE(env.files.FileExists(Desktop()));
  EXPECT_TRUE(env.registry.KeyExists(kPlayerKey));
  EXPECT_TRUE(env.registry.KeyExists(Classes(".mpl")));
  EXPECT_TRUE(env.registry.ValueExists(Command("midfile", "open"), "MIDITunora.Bak"));
  EXPECT_EQ(env.backend.CursorHistory().back(), ui::TCursor::crDefault);

  // Once the user has moved their file away, a later run goes through.
  env.files.Delete(Group("\\Notes.txt"));
  env.backend.ClearBoxes();
  EXPECT_TRUE(setup::Uninstall(env.app, state));
  EXPECT_EQ(Shown(), (Texts{kComplete, Remain(kTargetFolder)}));
  EXPECT_FALSE(env.registry.KeyExists(kPlayerKey));
}

TEST_F(UninstallTest, AGroupFolderTheUserHasRemovedLeavesNothingToRemove) {
  for (const auto& name : {"\\MIDI Tunora 1.0.lnk", "\\MIDI Tunora Help.lnk", "\\MIDI Tunora ReadMe.lnk"}) {
    env.files.Delete(Group(name));
  }
  env.files.RemoveFolder(Group(""));

  EXPECT_TRUE(setup::Uninstall(env.app, state));

  EXPECT_EQ(Shown(), (Texts{kComplete, Remain(kTargetFolder)}));
  EXPECT_FALSE(env.registry.KeyExists(kPlayerKey));
}

TEST(UninstallFailures, EachIsReportedAndTheRestGoesOnUnlessTheGroupStaysBehind) {
  struct Case {
    const char* name;
    void (*spoil)(testing_support::HeadlessApp& env);
    Texts shown;
  };
  const Case cases[] = {
      {"a read-only file",
       [](testing_support::HeadlessApp& env) {
         env.files.SetAttributes(Target("\\ReadMe.txt"), os::FileAttributes::ReadOnly);
       },
       {"Error - Delete File: Cannot delete file '" + Target("\\ReadMe.txt") + "'."}},
      {"a shortcut in use",
       [](testing_support::HeadlessApp& env) { env.files.SetInUse(Group("\\MIDI Tunora Help.lnk"), true); },
       {"Error - Delete File: Cannot delete file '" + Group("\\MIDI Tunora Help.lnk") + "'.",
        "Error - Remove Directory: Cannot remove directory '" + Group("") + "'!"}},
      {"no desktop folder",
       [](testing_support::HeadlessApp& env) { env.shell.SetSpecialFolder(os::SpecialFolder::Desktop, ""); },
       {"Error - Desktop Directory: Can't find Desktop directory!"}},
      {"a key that cannot be deleted",
       [](testing_support::HeadlessApp& env) { env.registry.RefuseKey(Classes(".mpl")); },
       {"Error - Delete Key: Cannot delete registry key .mpl !"}},
      {"a command that cannot be restored",
       [](testing_support::HeadlessApp& env) { env.registry.RefuseKey(Command("soundrec", "play")); },
       {"Error - Restore Key: Cannot restore registry key soundrec\\shell\\play\\command !"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InstalledMachine fresh;
    c.spoil(fresh.env);

    const bool completed = setup::Uninstall(fresh.env.app, fresh.state);

    Texts expected = c.shown;
    if (completed) {
      expected.push_back(kComplete);
      expected.push_back(Remain(Machine::kTargetFolder));
    }
    EXPECT_EQ(fresh.Shown(), expected);
    EXPECT_EQ(fresh.env.backend.Boxes()[0].flags, ui::mbIconError | ui::mbTopMost);
    if (!completed) continue;
    // What failed stays; everything else went.
    EXPECT_FALSE(fresh.env.registry.KeyExists(kPlayerKey));
    EXPECT_FALSE(fresh.env.registry.KeyExists(Classes("MIDI Tunora MPL File")));
    EXPECT_FALSE(fresh.env.files.FileExists(Target("\\File_id.diz")));
    EXPECT_EQ(fresh.Value(Command("midfile", "play")), kForeignPlay);
  }
}

TEST_F(UninstallTest, EachCommandIsRestoredOnItsOwn) {
  // The play command of .avi's class has a backup, its open command none; .wav's class was never
  // registered by the player.
  SetCommand(Command("AVIFile", "open"), "someone else's");
  env.registry.DeleteValue(Command("AVIFile", "open"), "MIDITunora.Bak");
  SetCommand(Command("soundrec", "open"), "left alone");
  env.registry.DeleteValue(Command("soundrec", "open"), "MIDITunora.Bak");
  env.registry.DeleteValue(Command("soundrec", "play"), "MIDITunora.Bak");
  SetCommand(Command("soundrec", "play"), "left alone too");
  // .rmi's own class, whose extension key names it.
  env.registry.WriteString(Classes(".rmi"), "", "rmifile");
  SetCommand(Command("rmifile", "open"), "player");
  env.registry.WriteString(Command("rmifile", "open"), "MIDITunora.Bak", "rmi before");

  ASSERT_TRUE(setup::Uninstall(env.app, state));

  EXPECT_EQ(Value(Command("AVIFile", "open")), "someone else's");
  EXPECT_EQ(Value(Command("AVIFile", "play")), kForeignPlay);
  EXPECT_EQ(Value(Command("soundrec", "open")), "left alone");
  EXPECT_EQ(Value(Command("soundrec", "play")), "left alone too");
  EXPECT_EQ(Value(Command("rmifile", "open")), "rmi before");
  EXPECT_EQ(Value(Command("midfile", "open")), kForeignOpen);
  EXPECT_FALSE(env.registry.KeyExists(Command("rmifile", "play"))) << "keys are opened, never created";
}

TEST_F(UninstallTest, WithoutTheFolderKeyNoFileIsDeletedAndTheNoticeNamesNoFolder) {
  env.registry.DeleteKey({RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora\\Folder"});

  ASSERT_TRUE(setup::Uninstall(env.app, state));

  EXPECT_EQ(Shown(), (Texts{kComplete, Remain("")}));
  EXPECT_TRUE(env.files.FileExists(Target("\\MIDI_Tunora.exe")));
  EXPECT_FALSE(env.files.FolderExists(Group("")));
}

TEST_F(UninstallTest, SetupsOwnCopyStaysWhileItRuns) {
  env.files.ProgramFile = Target("\\setup.exe");

  ASSERT_TRUE(setup::Uninstall(env.app, state));

  EXPECT_EQ(Shown(), (Texts{kComplete, Remain(kTargetFolder)}));
  EXPECT_TRUE(env.files.FileExists(Target("\\setup.exe")));
  EXPECT_FALSE(env.files.FileExists(Target("\\MIDI_Tunora.exe")));
}

TEST_F(UninstallTest, ASecondRunPassesOverWhatIsGoneAndInstallingAgainWorks) {
  ASSERT_TRUE(setup::Uninstall(env.app, state));
  env.registry.CreateKey(kPlayerKey);
  env.backend.ClearBoxes();
  ASSERT_TRUE(setup::Uninstall(env.app, state));
  EXPECT_EQ(Shown(), (Texts{kComplete, Remain(kTargetFolder)}));

  state = {};
  state.SourceFolder = kSourceFolder;
  env.backend.ClearBoxes();
  Install();
  EXPECT_TRUE(env.files.FileExists(Target("\\MIDI_Tunora.exe")));
  EXPECT_TRUE(env.files.FileExists(Group("\\MIDI Tunora 1.0.lnk")));
}

}  // namespace
