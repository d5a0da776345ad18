// The player's first start (no options stored), driven with real input: the file-type dialog comes
// before the window and the command line is ignored. With the media classes a Windows machine has
// (scripts/wine-session sets them up), checking the kinds makes the shell's open and play commands the
// player's and keeps the earlier ones beside them; unchecking puts them back. Without the extensions'
// keys, as in Wine's fresh prefix, the dialog reports each kind missing.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "player_key.h"
#include "real_input.h"
#include "running_program.h"
#include "saved_key.h"
#include "support/media_files.h"
#include "unmanaged_windows.h"

namespace e2e {
namespace {

constexpr char kDialogCaption[] = "MIDI Tunora File Types Registration";
constexpr char kPlayListClass[] = "MIDI Tunora MPL File";
constexpr char kBackup[] = "MIDITunora.Bak";
const char* const kExtensions[] = {".avi", ".mid", ".rmi", ".wav"};
const char* const kBoxes[] = {"Register .avi file", "Register .mid .rmi  file", "Register .wav file"};
const char* const kVerbs[] = {"open", "play"};

std::string CommandKey(const std::string& className, const char* verb) {
  return className + "\\shell\\" + verb + "\\command";
}

bool IsChecked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// A fresh player (its key deleted; the runner puts the prefix's own back) and a wave file to name on
// the command line. The classes' keys this test changes are put back as they were when it ends.
class FirstRun : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* exe = std::getenv("TUNORA_PLAYER_EXE");
    ASSERT_NE(exe, nullptr) << "TUNORA_PLAYER_EXE must name MIDI_Tunora.exe (run-e2e sets it)";
    exe_ = exe;
    ASSERT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, kPlayerKey));
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
    const std::string folder = std::string(temp) + "tunora-e2e-first";
    CreateDirectoryA(folder.c_str(), nullptr);
    wav_ = folder + "\\Tone.wav";
    testing_support::WriteBytes(wav_, testing_support::WavFile(4500));
    for (const char* extension : kExtensions) Keep(extension);
    Keep(kPlayListClass);
  }

  void TearDown() override {
    saved_.clear();
    DeleteKeyTree(HKEY_CURRENT_USER, kPlayerKey);
  }

  void Keep(const std::string& path) { saved_.push_back(std::make_unique<SavedKey>(HKEY_CLASSES_ROOT, path)); }

  // The dialog, once it shows; the player's main window must not be showing yet.
  HWND WaitForDialog(const RunningProgram& player) {
    HWND dialog = player.WaitForMainWindow([](const std::string& caption) { return caption == kDialogCaption; });
    for (HWND window : player.TopLevelWindows()) {
      EXPECT_TRUE(window == dialog || ClassName(window) == "#32770")
          << "\"" << WindowText(window) << "\" shows before the dialog is closed";
    }
    return dialog;
  }

  static std::vector<HWND> CheckBoxes(HWND dialog) {
    std::vector<HWND> boxes;
    for (const char* text : kBoxes) {
      const auto found = ChildrenWithText(dialog, text);
      EXPECT_EQ(found.size(), 1u) << "\"" << text << "\" in\n" << DescribeDescendants(dialog);
      boxes.push_back(found.empty() ? nullptr : found.front());
    }
    return boxes;
  }

  // Presses the dialog's button with this text and waits for the dialog to close.
  static bool Press(HWND dialog, const std::string& button) {
    const auto found = ChildrenWithText(dialog, button);
    if (found.size() != 1u || !input::Click(found.front())) return false;
    return WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 5s);
  }

  UnmanagedPlayerWindows unmanaged_;
  std::string exe_, wav_;
  std::vector<std::unique_ptr<SavedKey>> saved_;
};

TEST_F(FirstRun, TheDialogComesFirstAndRegistersAndRestoresTheShellCommands) {
  // The classes as the prefix has them, and the player's commands as setup registers them.
  std::vector<std::string> classes;
  for (const char* extension : kExtensions) {
    const std::string className = ReadText(HKEY_CLASSES_ROOT, extension, nullptr).text;
    ASSERT_FALSE(className.empty()) << extension << " names no class: scripts/wine-session sets the classes up";
    if (std::find(classes.begin(), classes.end(), className) == classes.end()) {
      classes.push_back(className);
      Keep(className);
    }
  }
  ASSERT_EQ(classes.size(), 3u) << ".mid and .rmi share their class, as on Windows";
  std::vector<TextValue> before;
  for (const auto& className : classes) {
    for (const char* verb : kVerbs) {
      before.push_back(ReadText(HKEY_CLASSES_ROOT, CommandKey(className, verb), nullptr));
      ASSERT_FALSE(before.back().text.empty()) << CommandKey(className, verb);
    }
  }
  const std::string program = exe_.substr(0, exe_.rfind('\\')) + "\\MIDI_Tunora.exe";
  const std::string own[] = {program + " %1", program + " /play /close %1"};
  WriteText(HKEY_CLASSES_ROOT, CommandKey(kPlayListClass, "open"), nullptr, own[0]);
  WriteText(HKEY_CLASSES_ROOT, CommandKey(kPlayListClass, "play"), nullptr, own[1]);

  RunningProgram player(exe_, "\"" + wav_ + "\"");
  ASSERT_TRUE(player.Started());
  HWND dialog = WaitForDialog(player);
  ASSERT_NE(dialog, nullptr) << "no file-type dialog; exited: " << player.HasExited();
  std::vector<HWND> boxes = CheckBoxes(dialog);
  for (HWND box : boxes) {
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(IsEnabled(box)) << WindowText(box);
    EXPECT_FALSE(IsChecked(box)) << WindowText(box) << ": the classes hold other programs' commands";
    ASSERT_TRUE(input::Click(box));
    EXPECT_TRUE(WaitFor([&] { return IsChecked(box); }, 5s)) << WindowText(box);
  }
  ASSERT_TRUE(Press(dialog, "OK"));

  // The command line named a wave file, but the first start does not look at it.
  HWND main = player.WaitForMainWindow([](const std::string& caption) { return caption == "MIDI Tunora 1.0"; });
  ASSERT_NE(main, nullptr) << "no main window after the dialog; exited: " << player.HasExited();
  for (HWND list : VisibleChildrenOfKind(main, ControlKind::ListBox)) {
    EXPECT_NE(ListBoxItems(list), std::vector<std::string>{"Tone.wav"}) << "the file was put in the play list";
  }

  size_t index = 0;
  for (const auto& className : classes) {
    for (int verb = 0; verb < 2; ++verb, ++index) {
      const std::string key = CommandKey(className, kVerbs[verb]);
      const TextValue command = ReadText(HKEY_CLASSES_ROOT, key, nullptr);
      EXPECT_EQ(command.text, own[verb]) << key;
      EXPECT_EQ(command.type, static_cast<DWORD>(REG_SZ)) << key;
      const TextValue backup = ReadText(HKEY_CLASSES_ROOT, key, kBackup);
      EXPECT_EQ(backup.text, before[index].text) << key << ": the earlier command, unexpanded";
      EXPECT_EQ(backup.type, static_cast<DWORD>(REG_SZ)) << key;
    }
  }

  // Options, Register File Types... (the fourth item): the kinds show registered; unchecking them
  // puts the earlier commands back.
  ASSERT_TRUE(input::Click(main, POINT{100, 5}));
  ASSERT_TRUE(input::Keys("alt+o Down Down Down Return"));
  dialog = player.WaitForMainWindow([](const std::string& caption) { return caption == kDialogCaption; }, 10s);
  ASSERT_NE(dialog, nullptr) << "Register File Types... did not open the dialog";
  boxes = CheckBoxes(dialog);
  for (HWND box : boxes) {
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(IsChecked(box)) << WindowText(box) << " after registering";
    ASSERT_TRUE(input::Click(box));
    EXPECT_TRUE(WaitFor([&] { return !IsChecked(box); }, 5s)) << WindowText(box);
  }
  ASSERT_TRUE(Press(dialog, "OK"));

  index = 0;
  for (const auto& className : classes) {
    for (const char* verb : kVerbs) {
      const std::string key = CommandKey(className, verb);
      EXPECT_EQ(ReadText(HKEY_CLASSES_ROOT, key, nullptr).text, before[index++].text) << key;
      EXPECT_EQ(ReadText(HKEY_CLASSES_ROOT, key, kBackup).type, static_cast<DWORD>(REG_NONE))
          << key << ": the backup goes with the restore";
    }
  }
  EXPECT_TRUE(player.CloseAndWait(main));
}

TEST_F(FirstRun, WithoutTheMediaClassesEachKindIsReportedMissing) {
  for (const char* extension : kExtensions) ASSERT_TRUE(DeleteKeyTree(HKEY_CLASSES_ROOT, extension));

  RunningProgram player(exe_, "");
  ASSERT_TRUE(player.Started());
  const std::pair<const char*, const char*> messages[] = {
      {"AVI class not found",
       "Vedio for Windows not available?\nYou need to install 'Vedio Compression' under Windows Setup."},
      {"MID class not found",
       "No support for MIDI Sequence file?\nPlease install Multimedia component first under add/remove programs."},
      {"WAV class not found", "No support for Audio file?\nInstall 'Sound Recorder' under Windows Setup"},
  };
  for (const auto& [title, text] : messages) {
    const MessageBoxView box = player.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "no \"" << title << "\" box; exited: " << player.HasExited();
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.text, text);
    ASSERT_TRUE(RunningProgram::Dismiss(box));
  }
  HWND dialog = WaitForDialog(player);
  ASSERT_NE(dialog, nullptr) << "no file-type dialog after the messages; exited: " << player.HasExited();
  for (HWND box : CheckBoxes(dialog)) {
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(IsEnabled(box)) << WindowText(box) << ": its kind cannot be registered";
  }
  ASSERT_TRUE(Press(dialog, "Cancel"));
  HWND main = player.WaitForMainWindow([](const std::string& caption) { return caption == "MIDI Tunora 1.0"; });
  ASSERT_NE(main, nullptr) << "no main window after the dialog; exited: " << player.HasExited();
  EXPECT_TRUE(player.CloseAndWait(main));
}

}  // namespace
}  // namespace e2e
