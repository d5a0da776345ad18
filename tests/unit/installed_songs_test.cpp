// The two sample songs as the build made them: valid files of a minute or two, for a band of several
// instruments with drums, and with tempo changes.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/standard_midi_file.h"

namespace {

using testing_support::SmfEvent;
using testing_support::SmfFile;

constexpr int kDrumChannel = 10;

// What a song plays, channel by channel (numbered 1 to 16).
struct Playing {
  std::set<int> noteChannels, programChannels;
  std::map<int, int> held;  // channel * 128 + key: notes begun and not yet ended
  int restruck = 0;         // notes begun while the same key still sounded
  int tempoEvents = 0;
  bool tempoAtStart = false;
};

Playing PlayingOf(const SmfFile& file) {
  Playing playing;
  for (const auto& track : file.tracks)
    for (const SmfEvent& event : track.events) {
      if (event.status == 0xFF && event.metaType == 0x51) {
        ++playing.tempoEvents;
        playing.tempoAtStart = playing.tempoAtStart || event.tick == 0;
        continue;
      }
      if (event.status < 0x80 || event.status >= 0xF0) continue;
      const int channel = (event.status & 0x0F) + 1;
      const int kind = event.status >> 4;
      const int key = channel * 128 + event.data[0];
      if (kind == 0x9 && event.data[1] > 0) {
        playing.noteChannels.insert(channel);
        if (playing.held[key]++ > 0) ++playing.restruck;
      } else if (kind == 0x8 || kind == 0x9) {
        --playing.held[key];
      } else if (kind == 0xC) {
        playing.programChannels.insert(channel);
      }
    }
  return playing;
}

class InstalledSong : public testing::TestWithParam<const char*> {
 protected:
  SmfFile file =
      testing_support::ReadSmf(testing_support::ReadFileBytes(std::string(TUNORA_DIST_DATA) + "/" + GetParam()));
};

TEST_P(InstalledSong, LastsAMinuteOrTwo) {
  const double seconds = testing_support::SmfSeconds(file, testing_support::SmfEndTick(file));
  EXPECT_GE(seconds, 60.0);
  EXPECT_LE(seconds, 120.0);
}

TEST_P(InstalledSong, PlaysSeveralInstrumentsAndDrums) {
  const Playing playing = PlayingOf(file);
  EXPECT_TRUE(playing.noteChannels.count(kDrumChannel));
  std::set<int> instruments = playing.noteChannels;
  instruments.erase(kDrumChannel);
  EXPECT_GE(instruments.size(), 4u);
  // Every channel but the drums chooses its instrument.
  for (int channel : instruments) EXPECT_TRUE(playing.programChannels.count(channel)) << "channel " << channel;
}

TEST_P(InstalledSong, EndsEveryNoteBeforeItsKeySoundsAgain) {
  const Playing playing = PlayingOf(file);
  EXPECT_EQ(playing.restruck, 0);
  for (const auto& [key, count] : playing.held) EXPECT_EQ(count, 0) << "channel " << key / 128 << " key " << key % 128;
}

TEST_P(InstalledSong, SetsItsTempoAtTheStartAndChangesIt) {
  const Playing playing = PlayingOf(file);
  EXPECT_TRUE(playing.tempoAtStart);
  EXPECT_GE(playing.tempoEvents, 2);
}

INSTANTIATE_TEST_SUITE_P(Samples, InstalledSong,
                         testing::Values("Quiet_Tidewater.mid", "The Lamplighter and The Clock.mid"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param).substr(0, 5) == "Quiet" ? "QuietTidewater" : "Lamplighter";
                         });

}  // namespace
