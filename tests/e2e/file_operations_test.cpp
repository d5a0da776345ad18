// MIDI_Tunora.exe's file operations, Play Control Options and About box, driven from outside under Wine
// with real input: a file renamed in the rename box and one deleted by the Kill button, on the disk and
// in the play list; the play control values in the registry after Save Options; the About box.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "player_key.h"
#include "real_input.h"
#include "running_program.h"
#include "support/media_files.h"

namespace e2e {
namespace {

using Names = std::vector<std::string>;

bool FileThere(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void SetOption(const char* name, DWORD value) {
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

DWORD StoredOption(const char* name) {
  DWORD value = 0xFFFFFFFF, size = sizeof value, type = REG_NONE;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return value;
  RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(key);
  return value;
}

HWND TopLevelWithTitle(const RunningProgram& program, const std::string& title) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND window : program.TopLevelWindows())
          if (WindowText(window) == title) found = window;
        return found != nullptr;
      },
      10s);
  return found;
}

// A play list of two silent wave files in a fresh folder, with the player of an earlier run showing the
// file box there, Auto off.
class FileOperations : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* exe = std::getenv("TUNORA_PLAYER_EXE");
    ASSERT_NE(exe, nullptr) << "TUNORA_PLAYER_EXE must name MIDI_Tunora.exe (run-e2e sets it)";
    exe_ = exe;
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
    media_ = std::string(temp) + "tunora-e2e-fileops";
    CreateDirectoryA(media_.c_str(), nullptr);
    for (const char* name : {"One.wav", "Two.wav", "Renamed.wav"}) DeleteFileA(In(name).c_str());
    testing_support::WriteBytes(In("One.wav"), testing_support::WavFile(3000, 0));
    testing_support::WriteBytes(In("Two.wav"), testing_support::WavFile(3000, 0));
    list_ = In("Songs.mpl");
    std::ofstream(list_, std::ios::binary) << In("One.wav") << "\r\n" << In("Two.wav") << "\r\n";
    ASSERT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, kPlayerKey));
    WriteOptions(media_, false);
    SetOption("AutoPlay", 0);
    SetOption("FileBox", 1);
  }
  void TearDown() override { DeleteKeyTree(HKEY_CURRENT_USER, kPlayerKey); }

  std::string In(const std::string& name) const { return media_ + "\\" + name; }

  // The play list is the list box at the window's left.
  static HWND PlayList(HWND main) {
    HWND leftmost = nullptr;
    LONG left = LONG_MAX;
    for (HWND list : VisibleChildrenOfKind(main, ControlKind::ListBox)) {
      RECT r;
      GetWindowRect(list, &r);
      if (r.left < left) {
        left = r.left;
        leftmost = list;
      }
    }
    return leftmost;
  }
  static POINT Entry(int index) { return {40, 13 * index + 6}; }

  HWND StartWithList(RunningProgram& player) {
    HWND main = player.WaitForMainWindow(
        [](const std::string& caption) { return caption.rfind("One.wav - 0:03 - Songs", 0) == 0; });
    EXPECT_NE(main, nullptr) << "no main window; exited: " << player.HasExited();
    return main;
  }

  std::string exe_, media_, list_;
};

TEST_F(FileOperations, TheRenameBoxRenamesTheFileOnDiskAndInTheList) {
  RunningProgram player(exe_, "\"" + list_ + "\"");
  ASSERT_TRUE(player.Started());
  HWND main = StartWithList(player);
  ASSERT_NE(main, nullptr);
  HWND list = PlayList(main);
  ASSERT_NE(list, nullptr) << DescribeDescendants(main);
  ASSERT_EQ(ListBoxItems(list), (Names{"One.wav", "Two.wav"}));

  ASSERT_TRUE(input::RightClick(list, Entry(1)));
  ASSERT_TRUE(input::Keys("n")) << "Re&name File in the popup";
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] {
        for (HWND child : Descendants(main))
          if (IsWindowVisible(child) && ClassName(child).find("Edit") != std::string::npos &&
              WindowText(child) == "Two.wav")
            box = child;
        return box != nullptr;
      },
      5s))
      << DescribeDescendants(main);
  POINT middle = input::Middle(box);
  ClientToScreen(box, &middle);
  EXPECT_EQ(WindowFromPoint(middle), box) << "the box lies over the list, where the user sees it";
  ASSERT_TRUE(input::Type("Renamed.wav"));
  ASSERT_TRUE(input::Keys("Return"));

  EXPECT_TRUE(WaitFor([&] { return ListBoxItems(list) == Names{"One.wav", "Renamed.wav"}; }, 5s))
      << ListBoxItems(list).back();
  EXPECT_TRUE(FileThere(In("Renamed.wav")));
  EXPECT_FALSE(FileThere(In("Two.wav")));
  EXPECT_FALSE(IsWindowVisible(box)) << "the box closes after the rename";
  std::ifstream saved(list_, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, In("One.wav") + "\r\n" + In("Renamed.wav") + "\r\n") << "the list's file follows the disk";
  EXPECT_TRUE(player.CloseAndWait(main));
}

TEST_F(FileOperations, KillThisFileDeletesItFromDiskAndListAfterYes) {
  RunningProgram player(exe_, "\"" + list_ + "\"");
  ASSERT_TRUE(player.Started());
  HWND main = StartWithList(player);
  ASSERT_NE(main, nullptr);
  HWND list = PlayList(main);
  ASSERT_NE(list, nullptr);
  const auto kill = ChildrenWithText(main, "Kill This File!!!");
  ASSERT_EQ(kill.size(), 1u) << DescribeDescendants(main);

  ASSERT_TRUE(input::Click(list, Entry(1)));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(kill[0]); }, 5s));
  ASSERT_TRUE(input::Click(kill[0]));
  const MessageBoxView question = player.WaitForMessageBox();
  ASSERT_NE(question.window, nullptr);
  EXPECT_EQ(question.title, "Warning - Delete file");
  EXPECT_EQ(question.text, "Do you really want to delete 'Two.wav'?\nYou will lose this file forever if you press "
                           "'Yes'!\nAdvice: Press 'No' then remove this file from the play list.");
  ASSERT_TRUE(input::Keys("y")) << "&Yes";
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(question.window); }, 5s));

  EXPECT_TRUE(WaitFor([&] { return ListBoxItems(list) == Names{"One.wav"}; }, 5s));
  EXPECT_FALSE(FileThere(In("Two.wav")));
  EXPECT_TRUE(FileThere(In("One.wav")));
  EXPECT_TRUE(player.CloseAndWait(main));
}

TEST_F(FileOperations, PlayControlValuesReachTheRegistryWithSaveOptions) {
  RunningProgram player(exe_, "");
  ASSERT_TRUE(player.Started());
  HWND main = player.WaitForMainWindow([](const std::string& caption) { return caption == "MIDI Tunora 1.0"; });
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(input::Click(main));
  ASSERT_TRUE(input::Keys("alt+o"));
  ASSERT_TRUE(input::Keys("c")) << "Play &Control...";
  HWND dialog = TopLevelWithTitle(player, "Play Control Options");
  ASSERT_NE(dialog, nullptr);
  std::vector<HWND> edits;
  for (HWND child : Descendants(dialog))
    if (ClassName(child).find("Edit") != std::string::npos) edits.push_back(child);
  ASSERT_EQ(edits.size(), 2u) << DescribeDescendants(dialog);
  EXPECT_EQ(WindowText(edits[0]), "5");
  EXPECT_EQ(WindowText(edits[1]), "0");

  ASSERT_TRUE(input::Click(edits[0]));
  ASSERT_TRUE(input::Keys("End BackSpace BackSpace"));
  ASSERT_TRUE(input::Type("12"));
  ASSERT_TRUE(input::Click(edits[1]));
  ASSERT_TRUE(input::Keys("Down"));
  EXPECT_EQ(WindowText(edits[0]), "12");
  EXPECT_EQ(WindowText(edits[1]), "99");
  ASSERT_TRUE(input::Keys("Return")) << "the default button, OK";
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5s));

  const auto save = ChildrenWithText(main, "Save Options");
  ASSERT_EQ(save.size(), 1u);
  ASSERT_TRUE(input::Click(save[0]));
  EXPECT_TRUE(WaitFor([] { return StoredOption("SKIP") == 12; }, 5s)) << StoredOption("SKIP");
  EXPECT_EQ(StoredOption("WAIT"), 99u) << "the down arrow at 0 wraps to the top";
  EXPECT_TRUE(player.CloseAndWait(main));
}

TEST_F(FileOperations, TheAboutBoxOpensFromTheHelpMenuAndClosesWithOk) {
  RunningProgram player(exe_, "");
  ASSERT_TRUE(player.Started());
  HWND main = player.WaitForMainWindow([](const std::string& caption) { return caption == "MIDI Tunora 1.0"; });
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(input::Click(main));
  ASSERT_TRUE(input::Keys("alt+h"));
  ASSERT_TRUE(input::Keys("a")) << "&About...";
  HWND about = TopLevelWithTitle(player, "About MIDI Tunora");
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(ChildrenWithText(about, "Ver.1.01 ").empty()) << DescribeDescendants(about);
  EXPECT_FALSE(IsWindowEnabled(main)) << "the box is modal";
  const auto ok = ChildrenWithText(about, "&OK");
  ASSERT_EQ(ok.size(), 1u);
  ASSERT_TRUE(input::Click(ok[0]));
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(about) || !IsWindowVisible(about); }, 5s));
  EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main) != FALSE; }, 5s));
  EXPECT_TRUE(player.CloseAndWait(main));
}

}  // namespace
}  // namespace e2e
