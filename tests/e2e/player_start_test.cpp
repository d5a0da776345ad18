// MIDI_Tunora.exe started with a media file on its command line, driven from outside under Wine.
// The runner (run-e2e) gives the program's Windows path in TUNORA_PLAYER_EXE and records the audio sink
// while the WaveStart suite runs; TUNORA_E2E_SOUND_MARK names the file that tells it sound was due.
#include <windows.h>
#include <mmsystem.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "player_key.h"
#include "real_input.h"
#include "running_program.h"
#include "support/media_files.h"

namespace e2e {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool IsMainCaption(const std::string& caption) {
  const std::string suffix = " - MIDI Tunora";
  return caption == "MIDI Tunora 1.0" ||
         (caption.size() > suffix.size() && caption.substr(caption.size() - suffix.size()) == suffix);
}

// A fresh media folder in the Windows temporary folder, and the player's options, for every test.
class PlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    exe_ = Env("TUNORA_PLAYER_EXE");
    ASSERT_FALSE(exe_.empty()) << "TUNORA_PLAYER_EXE must name MIDI_Tunora.exe (run-e2e sets it)";
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
    media_ = std::string(temp) + "tunora-e2e";
    CreateDirectoryA(media_.c_str(), nullptr);
    const std::string box = media_ + "\\box";
    CreateDirectoryA(box.c_str(), nullptr);
    ASSERT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, kPlayerKey));
    WriteOptions(box);
  }

  void TearDown() override { DeleteKeyTree(HKEY_CURRENT_USER, kPlayerKey); }

  // A 4.5 s tone, which the player shows as 0:04: long enough for Wine's output latency.
  std::string Tone(const std::string& relative) {
    const std::string path = media_ + "\\" + relative;
    const auto folder = path.substr(0, path.rfind('\\'));
    CreateDirectoryA(folder.c_str(), nullptr);
    testing_support::WriteBytes(path, testing_support::WavFile(4500));
    return path;
  }

  static HWND OnlyChild(HWND main, const std::string& text) {
    const auto found = ChildrenWithText(main, text);
    EXPECT_EQ(found.size(), 1u) << "controls with the text \"" << text << "\"";
    return found.empty() ? nullptr : found.front();
  }

  static HWND PlayList(HWND main) {
    const auto found = VisibleChildrenOfKind(main, ControlKind::ListBox);
    EXPECT_EQ(found.size(), 1u) << "visible list boxes (the file box is hidden by the options) among\n"
                                << DescribeDescendants(main);
    return found.empty() ? nullptr : found.front();
  }

  std::string exe_;
  std::string media_;
};

struct Transport {
  bool play, pause, stop;
  bool operator==(const Transport&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Transport& t) {
  return out << "Play " << (t.play ? "on" : "off") << ", Pause " << (t.pause ? "on" : "off") << ", Stop "
             << (t.stop ? "on" : "off");
}

using WaveStart = PlayerTest;

TEST_F(WaveStart, PlaysTheFileAndFollowsPauseAndStop) {
  const std::string wav = Tone("Tone.wav");
  RunningProgram player(exe_, wav);
  ASSERT_TRUE(player.Started());
  HWND main = player.WaitForMainWindow(IsMainCaption);
  ASSERT_NE(main, nullptr) << "no main window; exited: " << player.HasExited();

  EXPECT_EQ(WindowText(main), "Tone.wav - 0:04 - MIDI Tunora");
  HWND list = PlayList(main);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ListBoxItems(list), std::vector<std::string>{"Tone.wav"});
  HWND play = OnlyChild(main, "Play"), pause = OnlyChild(main, "Pause"), stop = OnlyChild(main, "Stop");
  ASSERT_TRUE(play && pause && stop);
  auto transport = [&] { return Transport{IsEnabled(play), IsEnabled(pause), IsEnabled(stop)}; };
  EXPECT_EQ(transport(), (Transport{false, true, true})) << "Auto is on: the file plays at once";
  const auto trackBars = VisibleChildrenOfKind(main, ControlKind::TrackBar);
  ASSERT_EQ(trackBars.size(), 1u);
  EXPECT_TRUE(IsEnabled(trackBars[0]));
  EXPECT_EQ(TrackBarMax(trackBars[0]), 4) << "whole seconds of the file";

  // Let the tone reach the sink before pausing it (Wine buffers well ahead of what is heard); the
  // runner checks the recording.
  std::this_thread::sleep_for(2500ms);
  if (const std::string mark = Env("TUNORA_E2E_SOUND_MARK"); !mark.empty()) {
    std::ofstream(mark) << "Tone.wav played\n";
  }

  ASSERT_TRUE(input::Click(pause));
  EXPECT_TRUE(WaitFor([&] { return IsEnabled(play); }, 5s)) << "Pause enables Play";
  EXPECT_EQ(transport(), (Transport{true, true, true})) << "paused";

  ASSERT_TRUE(input::Click(stop));
  EXPECT_TRUE(WaitFor([&] { return !IsEnabled(stop); }, 5s)) << "Stop disables itself";
  EXPECT_EQ(transport(), (Transport{true, false, false})) << "stopped";
  EXPECT_EQ(TrackBarPosition(trackBars[0]), 0);

  EXPECT_TRUE(player.CloseAndWait(main)) << "the window's close ends the program";
}

using StartUp = PlayerTest;

TEST_F(StartUp, MissingFileShowsTheErrorBoxAndTheWindowStillOpens) {
  const std::string missing = media_ + "\\Missing.wav";
  DeleteFileA(missing.c_str());

  // The text MCI gives for the same open, as the player makes it: by element, device chosen by MCI.
  MCI_OPEN_PARMSA open{};
  open.lpstrElementName = missing.c_str();
  const MCIERROR error =
      mciSendCommandA(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&open));
  ASSERT_NE(error, 0u) << "a missing file opened";
  char mciText[256] = {};
  ASSERT_TRUE(mciGetErrorStringA(error, mciText, sizeof mciText));

  RunningProgram player(exe_, missing);
  ASSERT_TRUE(player.Started());
  const MessageBoxView box = player.WaitForMessageBox();
  ASSERT_NE(box.window, nullptr) << "no error box; exited: " << player.HasExited();
  EXPECT_EQ(box.title, "MIDI Tunora 1.01");
  // The error box closes the message with a full stop; Wine's MCI texts already end with one.
  std::string expected = mciText;
  if (expected.back() != '.') expected += '.';
  EXPECT_EQ(box.text, expected);
  ASSERT_TRUE(RunningProgram::Dismiss(box));

  HWND main = player.WaitForMainWindow(IsMainCaption);
  ASSERT_NE(main, nullptr) << "no main window after the error; exited: " << player.HasExited();
  EXPECT_EQ(WindowText(main), "MIDI Tunora 1.0");
  HWND list = PlayList(main);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ListBoxItems(list), std::vector<std::string>{"Missing.wav"})
      << "the file is listed before it is opened";
}

// Command lines the player must survive; each opens the main window.
struct OddArgument {
  const char* name;
  const char* file;  // written as a tone under the media folder
  const char* argument;  // relative to the media folder, unquoted
  const char* caption;
  std::vector<std::string> entries;
};

class OddArguments : public PlayerTest, public ::testing::WithParamInterface<OddArgument> {};

TEST_P(OddArguments, OpenTheWindow) {
  const OddArgument& c = GetParam();
  Tone(c.file);
  RunningProgram player(exe_, media_ + "\\" + c.argument);
  ASSERT_TRUE(player.Started());
  HWND main = player.WaitForMainWindow(IsMainCaption);
  ASSERT_NE(main, nullptr) << "no main window; exited: " << player.HasExited() << ", open boxes: "
                           << player.TopLevelWindows().size();
  EXPECT_FALSE(player.HasExited());
  EXPECT_EQ(WindowText(main), c.caption);
  HWND list = PlayList(main);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ListBoxItems(list), c.entries);
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, OddArguments,
    ::testing::Values(
        // Unquoted words are joined with single blanks into the one file name.
        OddArgument{"UnquotedBlanks", "My Music\\Night Song.wav", "My Music\\Night Song.wav",
                    "Night Song.wav - 0:04 - MIDI Tunora", {"Night Song.wav"}},
        // No extension: not a media file, so nothing is loaded.
        OddArgument{"NoExtension", "Tone", "Tone", "MIDI Tunora 1.0", {}}),
    [](const ::testing::TestParamInfo<OddArgument>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
