// What the player keeps from one run to the next, driven with real input: a list file named on the
// command line, the entry and the modes chosen in it, the layout changed; the close box stores it all
// (read back as regedit exports it and from History.ini), and the next start brings it back.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "player_key.h"
#include "real_input.h"
#include "registry_export.h"
#include "running_program.h"
#include "saved_key.h"
#include "support/media_files.h"
#include "unmanaged_windows.h"

namespace e2e {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return SIZE{r.right, r.bottom};
}

// The height of the frame above and below the client area: the caption, borders and the menu bar.
LONG FrameHeight(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return (r.bottom - r.top) - ClientSize(window).cy;
}

HWND OnlyChild(HWND main, const std::string& text) {
  const auto found = ChildrenWithText(main, text);
  EXPECT_EQ(found.size(), 1u) << "controls with the text \"" << text << "\" among\n" << DescribeDescendants(main);
  return found.empty() ? nullptr : found.front();
}

HWND PlayList(HWND main) {
  const auto found = VisibleChildrenOfKind(main, ControlKind::ListBox);
  EXPECT_EQ(found.size(), 1u) << DescribeDescendants(main);
  return found.empty() ? nullptr : found.front();
}

// The middle of a play list row, in the list's client coordinates.
POINT RowMiddle(HWND list, int row) {
  const auto height = static_cast<LONG>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  const auto top = static_cast<LONG>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  return POINT{20, (row - top) * height + height / 2};
}

// The text colours of the play-mode labels: each mode's own while it is on, grey while it is off.
constexpr COLORREF kFuchsia = RGB(255, 0, 255), kLime = RGB(0, 255, 0), kWhite = RGB(255, 255, 255),
                   kGrey = RGB(128, 128, 128);

bool ShowsOn(HWND label, COLORREF on) { return ShowsColour(label, on) && !ShowsColour(label, kGrey); }
bool ShowsOff(HWND label, COLORREF on) { return ShowsColour(label, kGrey) && !ShowsColour(label, on); }

// The installation folder (for History.ini and the file box) and a list of three tones in it; the
// options of an earlier run with Auto off and Auto Load on, saved at exit.
class StateRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* exe = std::getenv("TUNORA_PLAYER_EXE");
    ASSERT_NE(exe, nullptr) << "TUNORA_PLAYER_EXE must name MIDI_Tunora.exe (run-e2e sets it)";
    exe_ = exe;
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
    folder_ = std::string(temp) + "tunora-e2e-state";
    CreateDirectoryA(folder_.c_str(), nullptr);
    DeleteFileA(History().c_str());
    ASSERT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, kPlayerKey));
    WriteOptions(folder_, true, {{"AutoPlay", 0}, {"AutoLoad", 1}});
    WriteText(HKEY_CURRENT_USER, kFolderKey, nullptr, folder_);
    std::string lines;
    for (const char* name : {"Dawn.wav", "Noon.wav", "Dusk.wav"}) {
      const std::string path = folder_ + "\\" + name;
      testing_support::WriteBytes(path, testing_support::WavFile(4500));
      lines += path + "\r\n";
    }
    list_ = folder_ + "\\Evening.mpl";
    std::ofstream(list_, std::ios::binary) << lines;
  }

  void TearDown() override { DeleteKeyTree(HKEY_CURRENT_USER, kPlayerKey); }

  std::string History() const { return folder_ + "\\History.ini"; }

  UnmanagedPlayerWindows unmanaged_;
  std::string exe_, folder_, list_;
};

TEST_F(StateRoundTrip, TheCloseBoxStoresTheListEntryModesAndLayoutAndTheNextStartRestoresThem) {
  LONG frameWithMenu = 0, frameWithoutMenu = 0;
  {
    RunningProgram player(exe_, "\"" + list_ + "\"");
    ASSERT_TRUE(player.Started());
    const std::string first = "Dawn.wav - 0:04 - Evening - MIDI Tunora";
    HWND main = player.WaitForMainWindow([&](const std::string& caption) { return caption == first; });
    ASSERT_NE(main, nullptr) << "no main window naming the list; exited: " << player.HasExited();
    HWND list = PlayList(main);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListBoxItems(list), (std::vector<std::string>{"Dawn.wav", "Noon.wav", "Dusk.wav"}));
    EXPECT_EQ(ClientSize(main).cx, 202);
    EXPECT_EQ(ClientSize(main).cy, 332) << "file box off, the other parts on";
    frameWithMenu = FrameHeight(main);

    // The third entry, chosen by a double click: Auto is off, so it is loaded and waits.
    ASSERT_TRUE(input::DoubleClick(list, RowMiddle(list, 2)));
    EXPECT_TRUE(WaitFor([&] { return WindowText(main) == "Dusk.wav - 0:04 - Evening - MIDI Tunora"; }, 5s))
        << WindowText(main);

    // Repeat in place of Loop, and Auto on, by double clicks on their labels.
    HWND loop = OnlyChild(main, "Loop"), repeat = OnlyChild(main, "Repeat"), autoPlay = OnlyChild(main, "Auto");
    ASSERT_TRUE(loop && repeat && autoPlay);
    EXPECT_TRUE(WaitFor(
        [&] { return ShowsOn(loop, kFuchsia) && ShowsOff(repeat, kLime) && ShowsOff(autoPlay, kWhite); }, 5s))
        << "Loop on, Repeat and Auto off to begin with";
    ASSERT_TRUE(input::DoubleClick(repeat, input::Middle(repeat)));
    ASSERT_TRUE(input::DoubleClick(autoPlay, input::Middle(autoPlay)));
    EXPECT_TRUE(WaitFor(
        [&] { return ShowsOff(loop, kFuchsia) && ShowsOn(repeat, kLime) && ShowsOn(autoPlay, kWhite); }, 5s))
        << "Repeat takes Loop's place, Auto on";

    // The track bar off through the menu bar (Display, Parts, Track Bar), then the menu bar off.
    ASSERT_TRUE(input::Keys("alt+d p b"));
    EXPECT_TRUE(WaitFor([&] { return VisibleChildrenOfKind(main, ControlKind::TrackBar).empty(); }, 5s));
    ASSERT_TRUE(input::Keys("ctrl+m"));
    EXPECT_TRUE(WaitFor([&] { return FrameHeight(main) < frameWithMenu; }, 5s)) << "the menu bar stays";
    frameWithoutMenu = FrameHeight(main);
    EXPECT_EQ(ClientSize(main).cx, 202);
    EXPECT_EQ(ClientSize(main).cy, 307) << "the track bar's room given up";
    RECT placed{};
    GetWindowRect(main, &placed);

    ASSERT_TRUE(input::ClickCloseBox(main));
    ASSERT_TRUE(WaitFor([&] { return player.HasExited(); }, 10s)) << "the close box did not end the program";
    EXPECT_EQ(player.ExitCode(), 0u);

    const ExportedKeys keys = ExportWithRegedit("HKEY_CURRENT_USER\\Software\\Fernwick\\MIDI Tunora");
    ASSERT_EQ(keys.count("HKEY_CURRENT_USER\\Software\\Fernwick\\MIDI Tunora\\Options"), 1u)
        << "regedit exported " << keys.size() << " keys";
    EXPECT_EQ(keys.at("HKEY_CURRENT_USER\\Software\\Fernwick\\MIDI Tunora").at("@"),
              Quoted("MIDI Tunora Configuration Key"));
    const ExportedValues& options = keys.at("HKEY_CURRENT_USER\\Software\\Fernwick\\MIDI Tunora\\Options");
    const std::pair<const char*, std::string> expected[] = {
        {"Top", Dword(placed.top)},          {"Left", Dword(placed.left)},     {"FileBox", Dword(0)},
        {"PlayList", Dword(1)},              {"TrackBar", Dword(0)},           {"Menu", Dword(0)},
        {"Counter", Dword(1)},               {"AutoPlay", Dword(1)},           {"LoopPlay", Dword(0)},
        {"RepeatPlay", Dword(1)},            {"RandomPlay", Dword(0)},         {"ShufflePlay", Dword(0)},
        {"AutoLoad", Dword(1)},              {"OpExit", Dword(1)},             {"LastOne", Dword(2)},
        {"AutoLoadList", Quoted(list_)},     {"ListDirectory", Quoted(folder_ + "\\")},
        {"MIDIDirectory", Quoted(folder_)},
    };
    for (const auto& [name, data] : expected) {
      const auto found = options.find(name);
      ASSERT_NE(found, options.end()) << name << " was not stored";
      EXPECT_EQ(found->second, data) << name;
    }
    EXPECT_EQ(ReadFile(History()), list_ + "\r\n");
  }

  // No command line: the list comes back at the stored entry, and with Auto on it plays at once.
  RunningProgram player(exe_, "");
  ASSERT_TRUE(player.Started());
  const std::string resumed = "Dusk.wav - 0:04 - Evening - MIDI Tunora";
  HWND main = player.WaitForMainWindow([&](const std::string& caption) { return caption == resumed; });
  ASSERT_NE(main, nullptr) << "the list did not come back at its last entry; exited: " << player.HasExited();
  HWND list = PlayList(main);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ListBoxItems(list), (std::vector<std::string>{"Dawn.wav", "Noon.wav", "Dusk.wav"}));
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
  HWND play = OnlyChild(main, "Play");
  ASSERT_NE(play, nullptr);
  EXPECT_TRUE(WaitFor([&] { return !IsEnabled(play); }, 5s)) << "Auto is on again: the entry plays";
  HWND loop = OnlyChild(main, "Loop"), repeat = OnlyChild(main, "Repeat"), autoPlay = OnlyChild(main, "Auto");
  ASSERT_TRUE(loop && repeat && autoPlay);
  EXPECT_TRUE(WaitFor(
      [&] { return ShowsOff(loop, kFuchsia) && ShowsOn(repeat, kLime) && ShowsOn(autoPlay, kWhite); }, 5s))
      << "Repeat and Auto on, Loop off again";
  EXPECT_TRUE(VisibleChildrenOfKind(main, ControlKind::TrackBar).empty()) << "the track bar stays off";
  EXPECT_EQ(ClientSize(main).cx, 202);
  EXPECT_EQ(ClientSize(main).cy, 307);
  EXPECT_EQ(FrameHeight(main), frameWithoutMenu) << "the menu bar stays off";
  EXPECT_TRUE(player.CloseAndWait(main));
}

}  // namespace
}  // namespace e2e
