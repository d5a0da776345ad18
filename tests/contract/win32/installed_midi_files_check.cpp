// The installed MIDI files as the build made them, opened by the system's MIDI sequencer through MCI: it
// accepts each one and measures the length that the file's tempo events and ticks give.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "os/win32/win32_media_device.h"
#include "os/win32/win32_message_loop.h"
#include "support/standard_midi_file.h"

namespace {

std::string InstalledFile(const std::string& name) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path = self;
  path.erase(path.find_last_of('\\') + 1);
  path += std::string(TUNORA_DIST_DATA_FROM_TESTS) + "/" + name;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

bool RunsOnWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

class InstalledMidiFile : public testing::TestWithParam<const char*> {};

TEST_P(InstalledMidiFile, OpensOnTheSequencerWithTheLengthOfItsTicks) {
  const std::string path = InstalledFile(GetParam());
  const testing_support::SmfFile file = testing_support::ReadSmf(testing_support::ReadFileBytes(path));
  const std::uint32_t ticks = testing_support::SmfEndTick(file);
  double seconds = testing_support::SmfSeconds(file, ticks);
  if (RunsOnWine()) {
    std::printf("note: Wine's sequencer measures a file at 120 quarters a minute, whatever its tempo events\n");
    seconds = ticks * 0.5 / file.division;
  }

  os::Win32MessageLoop loop;
  os::Win32MediaDevice device(loop);
  ASSERT_EQ(device.Open(path), 0u) << path;
  ASSERT_EQ(device.SetTimeFormatMs(), 0u);
  // The sequencer rounds to whole milliseconds.
  EXPECT_NEAR(device.Length(), seconds * 1000, 20) << path;
  device.Close();
}

INSTANTIATE_TEST_SUITE_P(Installed, InstalledMidiFile,
                         testing::Values("Reset/Gm_reset.mid", "Reset/Gs_reset.mid", "Reset/Xg_reset.mid",
                                         "Quiet_Tidewater.mid", "The Lamplighter and The Clock.mid"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string name;
                           for (const char* c = info.param; *c && *c != '.'; ++c)
                             if (isalnum(static_cast<unsigned char>(*c))) name += *c;
                           return name;
                         });

}  // namespace
