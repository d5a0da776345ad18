#include "player/filetypes/file_type_registration.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "os/fake/fake_registry.h"
#include "player/shell/registry_values.h"
#include "ui/types.h"

namespace {

using player::FileTypeRegistration;
using player::MediaKind;
using Log = std::vector<std::string>;

os::RegistryKey Classes(const std::string& path) { return {os::RegistryRoot::ClassesRoot, path}; }
os::RegistryKey Command(const std::string& className, const char* verb) {
  return Classes(className + "\\shell\\" + verb + "\\command");
}

const std::string kOwnOpen = "\"C:\\Program Files\\MIDI Tunora\\MIDI_Tunora.exe\" \"%1\"";
const std::string kOwnPlay = "\"C:\\Program Files\\MIDI Tunora\\MIDI_Tunora.exe\" /play /close \"%1\"";
const std::string kForeignOpen = "\"C:\\Windows\\mplayer.exe\" /open \"%L\"";
const std::string kForeignPlay = "C:\\Windows\\mplayer.exe /play /close %1";

// A machine with the three kinds, each in a class of its own with a foreign program's commands, and
// the player installed by setup.
struct FileTypesTest : ::testing::Test {
  void SetUp() override {
    SetCommands("MIDI Tunora MPL File", kOwnOpen, kOwnPlay);
    for (const auto& [extension, className] : {std::pair<const char*, const char*>{".avi", "AVIFile"},
                                               {".mid", "midfile"},
                                               {".rmi", "rmifile"},
                                               {".wav", "soundrec"}}) {
      SetClass(extension, className);
      SetCommands(className, kForeignOpen, kForeignPlay);
    }
  }
  void SetClass(const std::string& extension, const std::string& className) {
    registry.CreateKey(Classes(extension));
    registry.WriteString(Classes(extension), "", className);
  }
  void SetCommands(const std::string& className, const std::string& open, const std::string& play) {
    for (const auto& [verb, command] : {std::pair<const char*, std::string>{"open", open}, {"play", play}}) {
      registry.CreateKey(Command(className, verb));
      registry.WriteString(Command(className, verb), "", command);
    }
  }
  std::string Value(const os::RegistryKey& key, const std::string& name = "") {
    std::string text = "<missing>";
    registry.ReadString(key, name, text);
    return text;
  }
  // Opens the dialog and presses OK with the boxes as given.
  std::vector<player::FileTypeNotice> Press(bool avi, bool mid, bool wav) {
    FileTypeRegistration dialog(registry);
    notices = dialog.Read();
    return dialog.Apply(avi, mid, wav);
  }
  std::string States() {
    FileTypeRegistration dialog(registry);
    notices = dialog.Read();
    std::string states;
    for (MediaKind kind : {MediaKind::Avi, MediaKind::Mid, MediaKind::Wav})
      states += !dialog.State(kind).available ? 'x' : dialog.State(kind).registered ? 'R' : '-';
    return states;
  }

  os::FakeRegistry registry;
  std::vector<player::FileTypeNotice> notices;
};

TEST_F(FileTypesTest, RegisteringKeepsTheForeignCommandsAndTheKindShowsChecked) {
  EXPECT_EQ(States(), "---");
  EXPECT_TRUE(Press(true, false, true).empty());
  for (const char* className : {"AVIFile", "soundrec"}) {
    EXPECT_EQ(Value(Command(className, "open")), kOwnOpen);
    EXPECT_EQ(Value(Command(className, "play")), kOwnPlay);
    EXPECT_EQ(Value(Command(className, "open"), "MIDITunora.Bak"), kForeignOpen);
    EXPECT_EQ(Value(Command(className, "play"), "MIDITunora.Bak"), kForeignPlay);
    EXPECT_EQ(registry.ValueType(Command(className, "open"), "MIDITunora.Bak"), os::RegistryType::String);
  }
  EXPECT_EQ(Value(Command("midfile", "open")), kForeignOpen) << "unchecked and never registered: untouched";
  EXPECT_FALSE(registry.ValueExists(Command("midfile", "open"), "MIDITunora.Bak"));
  EXPECT_EQ(States(), "R-R");
  EXPECT_TRUE(notices.empty());
}

TEST_F(FileTypesTest, RegisteringTwiceWritesNothingTheSecondTime) {
  Press(true, true, true);
  registry.ClearLog();
  Press(true, true, true);
  for (const std::string& line : registry.Log()) EXPECT_FALSE(line.starts_with("write")) << line;
  EXPECT_EQ(Value(Command("midfile", "open"), "MIDITunora.Bak"), kForeignOpen);
}

// A reinstallation elsewhere changes the player's commands; the old ones are the player's, not a
// foreign program's, whether setup quoted them or not.
TEST_F(FileTypesTest, ThePlayersCommandFromAnotherFolderIsReplacedWithoutTouchingTheBackup) {
  const struct {
    const char* what;
    std::string oldOpen, oldPlay;
  } cases[] = {
      {"quoted", "\"D:\\Old Place\\MIDI_Tunora.exe\" \"%1\"", "\"D:\\Old Place\\MIDI_Tunora.exe\" /play /close \"%1\""},
      {"unquoted", "D:\\Old Place\\MIDI_Tunora.exe %1", "D:\\Old Place\\MIDI_Tunora.exe /play /close %1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetCommands("AVIFile", kForeignOpen, kForeignPlay);
    registry.DeleteValue(Command("AVIFile", "open"), "MIDITunora.Bak");
    registry.DeleteValue(Command("AVIFile", "play"), "MIDITunora.Bak");
    SetCommands("MIDI Tunora MPL File", c.oldOpen, c.oldPlay);
    Press(true, false, false);
    SetCommands("MIDI Tunora MPL File", kOwnOpen, kOwnPlay);
    EXPECT_EQ(States(), "---");
    Press(true, false, false);
    EXPECT_EQ(Value(Command("AVIFile", "open")), kOwnOpen);
    EXPECT_EQ(Value(Command("AVIFile", "open"), "MIDITunora.Bak"), kForeignOpen);
    EXPECT_EQ(Value(Command("AVIFile", "play"), "MIDITunora.Bak"), kForeignPlay);
  }
}

TEST_F(FileTypesTest, TheProgramFileOfACommand) {
  const struct {
    std::string command;
    const char* file;
  } cases[] = {
      {"C:\\MIDI Tunora\\MIDI_Tunora.exe %1", "MIDI_Tunora.exe"},
      {"C:\\MIDI Tunora\\MIDI_Tunora.exe /play /close %1", "MIDI_Tunora.exe"},
      {"\"C:\\Program Files\\MIDI Tunora\\MIDI_Tunora.exe\" \"%1\"", "MIDI_Tunora.exe"},
      {"\"C:\\Program Files\\Player\\wmplayer.exe\" /prefetch:6 /Open \"%L\"", "wmplayer.exe"},
      {"rundll32.exe C:\\Windows\\System\\amovie.ocx,RunDll %1", "amovie.ocx,RunDll"},
      {"D:MIDI_Tunora.exe %1", "MIDI_Tunora.exe"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FileTypeRegistration::ProgramFile(c.command), c.file) << c.command;
}

TEST_F(FileTypesTest, UncheckingPutsTheForeignCommandBackAndWithoutABackupChangesNothing) {
  Press(true, true, true);
  Press(false, true, true);
  EXPECT_EQ(Value(Command("AVIFile", "open")), kForeignOpen);
  EXPECT_EQ(Value(Command("AVIFile", "play")), kForeignPlay);
  EXPECT_FALSE(registry.ValueExists(Command("AVIFile", "open"), "MIDITunora.Bak"));
  EXPECT_FALSE(registry.ValueExists(Command("AVIFile", "play"), "MIDITunora.Bak"));
  EXPECT_EQ(States(), "-RR");
  registry.ClearLog();
  Press(false, true, true);
  for (const std::string& line : registry.Log()) EXPECT_FALSE(line.starts_with("write")) << line;
  EXPECT_EQ(Value(Command("AVIFile", "open")), kForeignOpen);
}

TEST_F(FileTypesTest, MidAndRmiSharingAClassWriteItOnce) {
  SetClass(".rmi", "midfile");
  Press(false, true, false);
  EXPECT_EQ(Value(Command("midfile", "open")), kOwnOpen);
  EXPECT_EQ(Value(Command("midfile", "open"), "MIDITunora.Bak"), kForeignOpen) << "not the player's own command";
  EXPECT_EQ(Value(Command("rmifile", "open")), kForeignOpen);
}

TEST_F(FileTypesTest, RmiFollowsMidInItsOwnClassAndIsLeftAloneWhenMissing) {
  Press(false, true, false);
  EXPECT_EQ(Value(Command("rmifile", "open")), kOwnOpen);
  EXPECT_EQ(Value(Command("rmifile", "play"), "MIDITunora.Bak"), kForeignPlay);
  Press(false, false, false);
  EXPECT_EQ(Value(Command("rmifile", "open")), kForeignOpen);

  registry.DeleteKey(Classes(".rmi"));
  EXPECT_EQ(States(), "---");
  EXPECT_TRUE(notices.empty());
  EXPECT_TRUE(Press(false, true, false).empty());
  EXPECT_EQ(Value(Command("midfile", "open")), kOwnOpen);
  EXPECT_EQ(Value(Command("rmifile", "open")), kForeignOpen);
}

TEST_F(FileTypesTest, AKindIsCheckedOnlyWithBothCommandsThePlayers) {
  SetCommands("AVIFile", kOwnOpen, kForeignPlay);
  SetCommands("soundrec", kForeignOpen, kOwnPlay);
  EXPECT_EQ(States(), "---");
  // Pressing OK with the box checked completes the registration.
  Press(true, false, true);
  EXPECT_EQ(States(), "R-R");
  EXPECT_FALSE(registry.ValueExists(Command("AVIFile", "open"), "MIDITunora.Bak")) << "already the player's";
  EXPECT_EQ(Value(Command("AVIFile", "play"), "MIDITunora.Bak"), kForeignPlay);
  // Letter case counts.
  std::string upper = kOwnPlay;
  upper[upper.find("close")] = 'C';
  SetCommands("AVIFile", kOwnOpen, upper);
  EXPECT_EQ(States(), "--R");
}

TEST_F(FileTypesTest, MissingCommandKeysAreCreatedAndAMissingCommandCountsAsEmpty) {
  registry.DeleteKey(Classes("soundrec"));
  registry.ClearLog();
  EXPECT_EQ(States(), "---");
  EXPECT_TRUE(registry.KeyExists(Command("soundrec", "open")));
  EXPECT_FALSE(registry.KeyExists(Command("soundrec", "play"))) << "read only when open is the player's";
  Press(false, false, true);
  EXPECT_EQ(Value(Command("soundrec", "open")), kOwnOpen);
  EXPECT_EQ(Value(Command("soundrec", "open"), "MIDITunora.Bak"), "");
  // An expandable command is read as it stands and kept as a plain string.
  registry.WriteExpandString(Command("AVIFile", "open"), "", "%SystemRoot%\\mplayer.exe %1");
  Press(true, false, true);
  EXPECT_EQ(Value(Command("AVIFile", "open"), "MIDITunora.Bak"), "%SystemRoot%\\mplayer.exe %1");
  EXPECT_EQ(registry.ValueType(Command("AVIFile", "open"), "MIDITunora.Bak"), os::RegistryType::String);
  EXPECT_EQ(registry.ValueType(Command("AVIFile", "open"), ""), os::RegistryType::String);
}

TEST_F(FileTypesTest, AMissingExtensionGivesItsNoticeAndItsKindIsSkipped) {
  registry.DeleteKey(Classes(".avi"));
  registry.DeleteKey(Classes(".mid"));
  registry.DeleteKey(Classes(".wav"));
  EXPECT_EQ(States(), "xxx");
  ASSERT_EQ(notices.size(), 3u);
  EXPECT_EQ(notices[0].text,
            "Vedio for Windows not available?\nYou need to install 'Vedio Compression' under Windows Setup.");
  EXPECT_EQ(notices[0].title, "AVI class not found");
  EXPECT_EQ(notices[1].text,
            "No support for MIDI Sequence file?\nPlease install Multimedia component first under add/remove "
            "programs.");
  EXPECT_EQ(notices[1].title, "MID class not found");
  EXPECT_EQ(notices[2].text, "No support for Audio file?\nInstall 'Sound Recorder' under Windows Setup");
  EXPECT_EQ(notices[2].title, "WAV class not found");
  for (const auto& notice : notices) EXPECT_EQ(notice.flags, ui::mbOK) << "no icon";
  registry.ClearLog();
  Press(true, true, true);
  for (const std::string& line : registry.Log()) EXPECT_FALSE(line.starts_with("write")) << line;
  EXPECT_EQ(Value(Command("rmifile", "open")), kForeignOpen) << ".rmi goes with .mid";
}

// An extension whose key names no class has nowhere to put commands: a command key at the root of
// the classes would be nobody's.
TEST_F(FileTypesTest, AnExtensionWithAnEmptyClassIsLikeAMissingOne) {
  SetClass(".wav", "");
  EXPECT_EQ(States(), "--x");
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].title, "WAV class not found");
  Press(false, false, true);
  EXPECT_FALSE(registry.KeyExists(Classes("shell")));
}

// Without setup the play-list class holds no commands: registering would write empty commands.
TEST_F(FileTypesTest, WithoutThePlayersCommandsNothingIsRegisteredAndTheUserIsTold) {
  registry.DeleteKey(Classes("MIDI Tunora MPL File"));
  SetCommands("AVIFile", "", "");
  EXPECT_EQ(States(), "---") << "empty commands are not the player's";
  registry.ClearLog();
  const auto told = Press(true, true, true);
  for (const std::string& line : registry.Log()) EXPECT_FALSE(line.starts_with("write")) << line;
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].title, "Warning - Register File Types");
  EXPECT_EQ(told[0].flags, ui::mbOK | ui::mbIconWarning);
  EXPECT_EQ(Value(Command("midfile", "open")), kForeignOpen);

  // Restoring needs no commands of the player's.
  SetCommands("MIDI Tunora MPL File", kOwnOpen, kOwnPlay);
  Press(false, true, false);
  registry.DeleteKey(Classes("MIDI Tunora MPL File"));
  EXPECT_TRUE(Press(false, false, false).empty());
  EXPECT_EQ(Value(Command("midfile", "open")), kForeignOpen);
}

TEST_F(FileTypesTest, AWriteThatFailsNamesTheValue) {
  registry.RefuseWritesOf("MIDITunora.Bak");
  try {
    Press(true, false, false);
    FAIL() << "no error";
  } catch (const player::ERegistryException& error) {
    EXPECT_EQ(std::string(error.what()), "Failed to set data for 'MIDITunora.Bak'");
  }
  EXPECT_EQ(Value(Command("AVIFile", "open")), kForeignOpen) << "the command stays until its backup is kept";
}

}  // namespace
