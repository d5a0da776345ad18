// MIDI_Tunora.exe started as the shell's play command starts it: "/play /close" and one wave file,
// after an earlier run (a first run would not look at its command line). It plays the file, the track
// bar follows the position, and the program ends by itself at the end without the exit, which would
// have stored the options.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "player_key.h"
#include "running_program.h"
#include "support/media_files.h"

namespace e2e {
namespace {

bool IsPlayingCaption(const std::string& caption) { return caption == "Closing.wav - 0:02 - MIDI Tunora"; }

TEST(PlayClose, PlaysTheFileWithTheTrackBarMovingAndQuitsAtItsEnd) {
  const char* exe = std::getenv("TUNORA_PLAYER_EXE");
  ASSERT_NE(exe, nullptr) << "TUNORA_PLAYER_EXE must name MIDI_Tunora.exe (run-e2e sets it)";
  // Options that ask for a save at exit, without the key's own value that only a save writes. The runner
  // puts the prefix's own key back afterwards.
  ASSERT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, kPlayerKey));
  char temp[MAX_PATH];
  ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
  const std::string folder = std::string(temp) + "tunora-e2e-close";
  CreateDirectoryA(folder.c_str(), nullptr);
  WriteOptions(folder, {.saveOnExit = true});
  const std::string wav = folder + "\\Closing.wav";
  testing_support::WriteBytes(wav, testing_support::WavFile(2000));

  RunningProgram player(exe, "/play /close " + wav);
  ASSERT_TRUE(player.Started());
  HWND main = player.WaitForMainWindow(IsPlayingCaption);
  ASSERT_NE(main, nullptr) << "no main window naming the file; exited: " << player.HasExited();
  const auto trackBars = VisibleChildrenOfKind(main, ControlKind::TrackBar);
  ASSERT_EQ(trackBars.size(), 1u) << DescribeDescendants(main);
  const HWND trackBar = trackBars.front();
  EXPECT_EQ(TrackBarMax(trackBar), 2);

  // The refresh moves the thumb to the first whole second while the file plays.
  int highest = 0;
  EXPECT_TRUE(WaitFor(
      [&] {
        if (!IsWindow(trackBar)) return false;
        highest = std::max(highest, TrackBarPosition(trackBar));
        return highest >= 1;
      },
      5s))
      << "the track bar stayed at " << highest;

  EXPECT_TRUE(WaitFor([&] { return player.HasExited(); }, 8s)) << "the program did not end after the file";
  EXPECT_EQ(PlayerKeyDefault(), "") << "\"/close\" ends the program without saving options";
  DeleteKeyTree(HKEY_CURRENT_USER, kPlayerKey);
  DeleteFileA(wav.c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace e2e
