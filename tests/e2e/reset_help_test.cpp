// MIDI_Tunora.exe's MIDI reset and help, driven from outside under Wine: Reset MIDI Now! while a file
// plays, and F1 opening the compiled help that the build puts beside the program.
#include <windows.h>
#include <mmsystem.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "player_key.h"
#include "real_input.h"
#include "running_program.h"
#include "support/media_files.h"

namespace e2e {
namespace {

// The player of an earlier run (Auto on, file box hidden, no reset type), and a fresh media folder.
class ResetAndHelp : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* exe = std::getenv("TUNORA_PLAYER_EXE");
    ASSERT_NE(exe, nullptr) << "TUNORA_PLAYER_EXE must name MIDI_Tunora.exe (run-e2e sets it)";
    exe_ = exe;
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
    media_ = std::string(temp) + "tunora-e2e-reset";
    CreateDirectoryA(media_.c_str(), nullptr);
    ASSERT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, kPlayerKey));
    WriteOptions(media_);
  }
  void TearDown() override { DeleteKeyTree(HKEY_CURRENT_USER, kPlayerKey); }

  std::string exe_;
  std::string media_;
};

TEST_F(ResetAndHelp, ResetMidiNowStopsThePlayingFileAndReportsAMissingMidiPort) {
  const std::string wav = media_ + "\\Tone.wav";
  testing_support::WriteBytes(wav, testing_support::WavFile(4500));
  RunningProgram player(exe_, wav);
  ASSERT_TRUE(player.Started());
  const std::string playing = "Tone.wav - 0:04 - MIDI Tunora";
  HWND main = player.WaitForMainWindow([&](const std::string& caption) { return caption == playing; });
  ASSERT_NE(main, nullptr) << "no main window; exited: " << player.HasExited();
  const auto reset = ChildrenWithText(main, "Reset MIDI Now!");
  const auto play = ChildrenWithText(main, "Play");
  ASSERT_EQ(reset.size(), 1u) << DescribeDescendants(main);
  ASSERT_EQ(play.size(), 1u);
  ASSERT_FALSE(IsEnabled(play[0])) << "Auto is on: the file plays";

  // The tool button lies outside the client area while the file box is off: it is clicked by message.
  Click(reset[0]);
  EXPECT_TRUE(WaitFor([&] { return IsEnabled(play[0]); }, 5s)) << "the reset stops the file";
  // Wine has no MIDI output port unless the machine has a sequencer; without one the open fails.
  const std::string expected = midiOutGetNumDevs() > 0 ? playing : "Fail to open MIDI device!";
  EXPECT_TRUE(WaitFor([&] { return WindowText(main) == expected; }, 5s)) << WindowText(main);
  EXPECT_TRUE(player.CloseAndWait(main));
  DeleteFileA(wav.c_str());
}

TEST_F(ResetAndHelp, F1OpensTheHelpBesideTheProgram) {
  RunningProgram player(exe_, "");
  ASSERT_TRUE(player.Started());
  HWND main = player.WaitForMainWindow([](const std::string& caption) { return caption == "MIDI Tunora 1.0"; });
  ASSERT_NE(main, nullptr) << "no main window; exited: " << player.HasExited();

  ASSERT_TRUE(input::Click(main));
  ASSERT_TRUE(input::Keys("F1"));
  HWND help = nullptr;
  EXPECT_TRUE(WaitFor(
      [&] {
        for (HWND window : player.TopLevelWindows())
          if (WindowText(window) == "MIDI Tunora Help") help = window;
        return help != nullptr;
      },
      10s))
      << "no help window; the player's windows: " << player.TopLevelWindows().size();
  EXPECT_TRUE(player.CloseAndWait(main)) << "the help window goes with the player";
}

}  // namespace
}  // namespace e2e
