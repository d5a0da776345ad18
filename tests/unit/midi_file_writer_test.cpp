#include "tools/midi_file.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "support/standard_midi_file.h"

namespace {

using tools::Bytes;

struct LengthCase {
  std::uint32_t value;
  Bytes bytes;
};

TEST(VariableLength, SevenBitsAByteMostSignificantFirst) {
  const LengthCase cases[] = {{0, {0x00}},
                              {0x40, {0x40}},
                              {0x7F, {0x7F}},
                              {0x80, {0x81, 0x00}},
                              {0x2000, {0xC0, 0x00}},
                              {0x3FFF, {0xFF, 0x7F}},
                              {0x4000, {0x81, 0x80, 0x00}},
                              {0x1FFFFF, {0xFF, 0xFF, 0x7F}},
                              {0x200000, {0x81, 0x80, 0x80, 0x00}},
                              {tools::kMaxVariableLength, {0xFF, 0xFF, 0xFF, 0x7F}}};
  for (const LengthCase& c : cases) {
    Bytes out{0x55};
    tools::AppendVariableLength(out, c.value);
    Bytes expected{0x55};
    expected.insert(expected.end(), c.bytes.begin(), c.bytes.end());
    EXPECT_EQ(out, expected) << c.value;
  }
  Bytes out;
  EXPECT_THROW(tools::AppendVariableLength(out, tools::kMaxVariableLength + 1), std::invalid_argument);
}

TEST(StandardMidiFile, WritesDeltaTimesAndTheLengthsOfMetaAndSystemExclusiveEvents) {
  tools::Track track;
  track.events = {{0, {0xFF, 0x03, 'A', 'b'}},
                  {0, {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}},
                  {200, {0x90, 60, 100}},
                  {200, {0xC1, 5}},
                  {400, {0x80, 60, 64}}};
  track.endTick = 1000;
  const Bytes bytes = tools::StandardMidiFile(0, 96, {track});

  const Bytes expected = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,  //
                          'M', 'T', 'r', 'k', 0, 0, 0, 32,                  //
                          0x00, 0xFF, 0x03, 0x02, 'A', 'b',                 //
                          0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7,   //
                          0x81, 0x48, 0x90, 60, 100,                        // 200 ticks
                          0x00, 0xC1, 5,                                    //
                          0x81, 0x48, 0x80, 60, 64,                         //
                          0x84, 0x58, 0xFF, 0x2F, 0x00};                    // 600 ticks to the end
  EXPECT_EQ(bytes, expected);
  EXPECT_NO_THROW(testing_support::ReadSmf(bytes));
}

TEST(StandardMidiFile, Format1HasAChunkPerTrackEachWithItsEnd) {
  tools::Track conductor, notes;
  conductor.events = {{0, {0xFF, 0x51, 0x07, 0xA1, 0x20}}};
  conductor.endTick = notes.endTick = 480;
  notes.events = {{0, {0x99, 36, 90}}, {240, {0x89, 36, 64}}};
  const testing_support::SmfFile file = testing_support::ReadSmf(tools::StandardMidiFile(1, 480, {conductor, notes}));
  EXPECT_EQ(file.format, 1);
  ASSERT_EQ(file.tracks.size(), 2u);
  for (const auto& track : file.tracks) {
    EXPECT_EQ(track.events.back().metaType, 0x2F);
    EXPECT_EQ(track.events.back().tick, 480u);
  }
  EXPECT_EQ(file.tracks[1].events[1].tick, 240u);
}

TEST(StandardMidiFile, RefusesWhatTheFormatCannotHold) {
  tools::Track ok;
  ok.events = {{10, {0x90, 60, 1}}};
  ok.endTick = 10;
  tools::Track backwards = ok;
  backwards.events.push_back({5, {0x80, 60, 0}});
  tools::Track endsEarly = ok;
  endsEarly.endTick = 9;
  tools::Track empty = ok;
  empty.events.push_back({10, {}});

  EXPECT_NO_THROW(tools::StandardMidiFile(0, 480, {ok}));
  EXPECT_THROW(tools::StandardMidiFile(2, 480, {ok}), std::invalid_argument);
  EXPECT_THROW(tools::StandardMidiFile(0, 480, {ok, ok}), std::invalid_argument);
  EXPECT_THROW(tools::StandardMidiFile(1, 480, {}), std::invalid_argument);
  EXPECT_THROW(tools::StandardMidiFile(0, 0, {ok}), std::invalid_argument);
  EXPECT_THROW(tools::StandardMidiFile(0, 0x8000, {ok}), std::invalid_argument);
  EXPECT_THROW(tools::StandardMidiFile(0, 480, {backwards}), std::invalid_argument);
  EXPECT_THROW(tools::StandardMidiFile(0, 480, {endsEarly}), std::invalid_argument);
  EXPECT_THROW(tools::StandardMidiFile(0, 480, {empty}), std::invalid_argument);
}

}  // namespace
