// The file box and the play list's editing in MIDI_Tunora.exe, driven with the real mouse under Wine:
// the player starts with its file box in a folder of media files and other files, "<<" fills the play
// list, an entry is dragged to another place and entries are removed with ">", while the caption names
// the current entry; the mouse resting on a control shows its hint.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "player_key.h"
#include "real_input.h"
#include "running_program.h"
#include "support/media_files.h"

namespace e2e {
namespace {

using Items = std::vector<std::string>;

class FileBox : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* exe = std::getenv("TUNORA_PLAYER_EXE");
    ASSERT_NE(exe, nullptr) << "TUNORA_PLAYER_EXE must name MIDI_Tunora.exe (run-e2e sets it)";
    exe_ = exe;
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
    folder_ = std::string(temp) + "tunora-e2e-filebox";
    CreateDirectoryA(folder_.c_str(), nullptr);
    EmptyFolder();
    ASSERT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, kPlayerKey));
    // Auto off: a loaded entry stays loaded, so the caption changes only with the current entry.
    WriteOptions(folder_, false, {{"FileBox", 1}, {"AutoPlay", 0}});
  }

  void TearDown() override { DeleteKeyTree(HKEY_CURRENT_USER, kPlayerKey); }

  // Leftovers of an earlier run would show in the file list.
  void EmptyFolder() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileA((folder_ + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }

  void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    testing_support::WriteBytes(folder_ + "\\" + name, bytes);
  }

  std::string exe_;
  std::string folder_;
};

// The three list boxes of the window, left to right: the play list, the folder list, the file list.
struct Lists {
  HWND playList = nullptr, folders = nullptr, files = nullptr;
};

Lists FindLists(HWND main) {
  std::vector<HWND> found = VisibleChildrenOfKind(main, ControlKind::ListBox);
  std::sort(found.begin(), found.end(), [](HWND a, HWND b) {
    RECT ra{}, rb{};
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.left < rb.left;
  });
  if (found.size() != 3) return {};
  return {found[0], found[1], found[2]};
}

// The middle of a row of a list box, in its client area, as the list is scrolled now.
POINT Row(HWND list, int row) {
  const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  return POINT{24, (row - top) * height + height / 2};
}

HWND Button(HWND main, const std::string& accessibleName) {
  const auto found = ChildrenWithText(main, accessibleName);
  return found.size() == 1 ? found.front() : nullptr;
}

TEST_F(FileBox, AddAllDragAndRemoveWithTheMouseKeepTheCaptionOnTheCurrentEntry) {
  // Media files of each kind the file box lists, in an order the file system sorts by name whatever the
  // letter case; only the wave files are ever loaded (Wine may have no MIDI port).
  Write("Alpha.wav", testing_support::WavFile(1500));
  Write("bravo tone.WAV", testing_support::WavFile(2500));
  Write("Charlie.wav", testing_support::WavFile(2500));
  Write("Delta.wav", testing_support::WavFile(3500));
  Write("Echo.mid", testing_support::MidiFile(2000));
  Write("Foxtrot.rmi", testing_support::MidiFile(2000));
  // Files the file box leaves out, and a folder named like a media file.
  Write("notes.txt", {'n', 'o', 't', 'e'});
  Write("Alpha.wav.bak", testing_support::WavFile(500));
  Write("Anthem.mpl", {'x', '\r', '\n'});
  Write("Midi", testing_support::MidiFile(500));
  CreateDirectoryA((folder_ + "\\Sub.wav").c_str(), nullptr);
  const Items media = {"Alpha.wav", "bravo tone.WAV", "Charlie.wav", "Delta.wav", "Echo.mid", "Foxtrot.rmi"};

  RunningProgram player(exe_, "");
  ASSERT_TRUE(player.Started());
  HWND main = player.WaitForMainWindow([](const std::string& caption) { return caption == "MIDI Tunora 1.0"; });
  ASSERT_NE(main, nullptr) << "no main window; exited: " << player.HasExited();
  const Lists lists = FindLists(main);
  ASSERT_TRUE(lists.playList && lists.folders && lists.files) << DescribeDescendants(main);
  HWND addAll = Button(main, "Add All Files to List"), remove = Button(main, "Remove File");
  ASSERT_TRUE(addAll && remove) << DescribeDescendants(main);

  EXPECT_EQ(ListBoxItems(lists.files), media) << "the file list shows the media files of " << folder_;
  EXPECT_EQ(ListBoxItems(lists.playList), Items{});

  // "<<": the play list in the file list's order, the first entry loaded.
  ASSERT_TRUE(input::Click(addAll));
  EXPECT_TRUE(WaitFor([&] { return ListBoxItems(lists.playList).size() == media.size(); }, 5s));
  EXPECT_EQ(ListBoxItems(lists.playList), ListBoxItems(lists.files));
  EXPECT_EQ(WindowText(main), "Alpha.wav - 0:01 - MIDI Tunora");

  // The current entry dragged onto the fourth row goes in before it; it stays current.
  ASSERT_TRUE(input::Drag(lists.playList, Row(lists.playList, 0), lists.playList, Row(lists.playList, 3)));
  const Items dragged = {"bravo tone.WAV", "Charlie.wav", "Alpha.wav", "Delta.wav", "Echo.mid", "Foxtrot.rmi"};
  EXPECT_TRUE(WaitFor([&] { return ListBoxItems(lists.playList) == dragged; }, 5s))
      << "the play list after the drag: " << testing::PrintToString(ListBoxItems(lists.playList));
  EXPECT_EQ(WindowText(main), "Alpha.wav - 0:01 - MIDI Tunora");

  // ">" on the current entry, where the drag has put it: the entry after it is loaded in its place.
  ASSERT_TRUE(input::Click(lists.playList, Row(lists.playList, 2)));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(remove); }, 5s)) << "a click on an entry enables \">\"";
  ASSERT_TRUE(input::Click(remove));
  const Items afterCurrent = {"bravo tone.WAV", "Charlie.wav", "Delta.wav", "Echo.mid", "Foxtrot.rmi"};
  EXPECT_TRUE(WaitFor([&] { return ListBoxItems(lists.playList) == afterCurrent; }, 5s))
      << testing::PrintToString(ListBoxItems(lists.playList));
  EXPECT_EQ(WindowText(main), "Delta.wav - 0:03 - MIDI Tunora");

  // ">" on an entry above the current one: the current entry stays loaded.
  ASSERT_TRUE(input::Click(lists.playList, Row(lists.playList, 0)));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(remove); }, 5s));
  ASSERT_TRUE(input::Click(remove));
  const Items afterOther = {"Charlie.wav", "Delta.wav", "Echo.mid", "Foxtrot.rmi"};
  EXPECT_TRUE(WaitFor([&] { return ListBoxItems(lists.playList) == afterOther; }, 5s))
      << testing::PrintToString(ListBoxItems(lists.playList));
  EXPECT_EQ(WindowText(main), "Delta.wav - 0:03 - MIDI Tunora");
  // Goto Current (Ctrl+G on the play list, which ">" leaves focused) finds it one row higher now.
  ASSERT_TRUE(input::Keys("ctrl+g"));
  EXPECT_TRUE(WaitFor([&] { return SendMessageA(lists.playList, LB_GETCURSEL, 0, 0) == 1; }, 5s))
      << "the selected entry: " << SendMessageA(lists.playList, LB_GETCURSEL, 0, 0);

  EXPECT_EQ(ListBoxItems(lists.files), media) << "editing the play list leaves the file box alone";

  // The edited list is offered for saving at the close; No ends the program.
  PostMessageA(main, WM_CLOSE, 0, 0);
  const MessageBoxView box = player.WaitForMessageBox();
  ASSERT_NE(box.window, nullptr) << "no prompt at the close; exited: " << player.HasExited();
  EXPECT_EQ(box.text, "This list has been changed. Save it now?");
  const auto no = ChildrenWithText(box.window, "&No");
  ASSERT_EQ(no.size(), 1u) << DescribeDescendants(box.window);
  ASSERT_TRUE(input::Click(no.front()));
  EXPECT_TRUE(WaitFor([&] { return player.HasExited(); }, 10s)) << "No at the prompt ends the program";
}

// The form's tip shows the hint of the control the mouse rests on: a button, then the folder list.
TEST_F(FileBox, TheMouseRestingOnAControlShowsItsHint) {
  RunningProgram player(exe_, "");
  ASSERT_TRUE(player.Started());
  HWND main = player.WaitForMainWindow([](const std::string& caption) { return caption == "MIDI Tunora 1.0"; });
  ASSERT_NE(main, nullptr) << "no main window; exited: " << player.HasExited();
  const Lists lists = FindLists(main);
  ASSERT_NE(lists.folders, nullptr) << DescribeDescendants(main);
  const std::pair<HWND, std::string> controls[] = {{Button(main, "Open List"), "Open List"},
                                                   {lists.folders, "Change directory"}};
  for (const auto& [control, hint] : controls) {
    ASSERT_NE(control, nullptr) << hint << " among\n" << DescribeDescendants(main);
    ASSERT_TRUE(input::MoveTo(control, input::Middle(control)));
    std::string shown = "no tip";
    EXPECT_TRUE(WaitFor(
        [&] {
          for (HWND window : player.TopLevelWindows())
            if (ClassName(window).find("tooltips_class32") != std::string::npos)
              shown = "\"" + WindowText(window) + "\"";
          return shown == "\"" + hint + "\"";
        },
        5s))
        << "the tip shows " << shown;
  }
  EXPECT_TRUE(player.CloseAndWait(main));
}

}  // namespace
}  // namespace e2e
