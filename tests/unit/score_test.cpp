#include "tools/score.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tools::Bytes;

// The events of a track as (tick, bytes), without the track's name.
struct Heard {
  std::uint32_t tick;
  Bytes bytes;
  bool operator==(const Heard&) const = default;
};

std::vector<Heard> HeardOn(const tools::Track& track) {
  std::vector<Heard> heard;
  for (const tools::TrackEvent& event : track.events)
    if (!(event.bytes[0] == 0xFF && event.bytes[1] == 0x03)) heard.push_back({event.tick, event.bytes});
  return heard;
}

std::ostream& operator<<(std::ostream& out, const Heard& heard) {
  out << heard.tick << ":";
  for (std::uint8_t b : heard.bytes) out << " " << std::hex << int(b) << std::dec;
  return out;
}

// A one-part score at 96 ticks a quarter in 4/4.
tools::Song Part(const std::string& music, const std::string& before = "") {
  return tools::ReadScore("division 96\n" + before + "part P channel=3\n" + music + "\nend\n");
}

TEST(Score, NotesSoundForTheirDurationsAndRestsMoveOn) {
  const tools::Song song = Part("v100 c4:4 r:8 e4 g4:2 | r:4");
  ASSERT_EQ(song.tracks.size(), 2u);
  const std::vector<Heard> expected = {{0, {0x92, 60, 100}},  {96, {0x82, 60, 64}},   {144, {0x92, 64, 100}},
                                       {192, {0x82, 64, 64}}, {192, {0x92, 67, 100}}, {384, {0x82, 67, 64}}};
  EXPECT_EQ(HeardOn(song.tracks[1]), expected);
  EXPECT_EQ(song.tracks[1].endTick, 480u);  // the closing rest counts
}

TEST(Score, NamesPitchesWithSharpsFlatsAndOctaves) {
  const tools::Song song = Part("c-1:16 b#3 cb4 c#4 db4 ebb4 a4 g9");
  std::vector<int> pitches;
  for (const Heard& heard : HeardOn(song.tracks[1]))
    if ((heard.bytes[0] >> 4) == 0x9) pitches.push_back(heard.bytes[1]);
  EXPECT_EQ(pitches, (std::vector<int>{0, 60, 59, 61, 61, 62, 69, 127}));
}

TEST(Score, DurationsDottedAndTriplet) {
  const tools::Song song = Part("c4:1 c4:2. c4:8t c4:64 c4:4.");
  std::vector<std::uint32_t> offs;
  for (const Heard& heard : HeardOn(song.tracks[1]))
    if ((heard.bytes[0] >> 4) == 0x8) offs.push_back(heard.tick);
  EXPECT_EQ(offs,
            (std::vector<std::uint32_t>{384, 384 + 288, 384 + 288 + 32, 384 + 288 + 32 + 6, 384 + 288 + 32 + 6 + 144}));
}

TEST(Score, ARepeatedNoteEndsBeforeItSoundsAgainAndSettingsComeBeforeNotes) {
  const tools::Song song = Part("c4:4 c4+e4 cc7=90 program=5");
  const std::vector<Heard> heard = HeardOn(song.tracks[1]);
  const std::vector<Heard> expected = {{0, {0x92, 60, 80}},  {96, {0x82, 60, 64}},  {96, {0x92, 60, 80}},
                                       {96, {0x92, 64, 80}}, {192, {0x82, 60, 64}}, {192, {0x82, 64, 64}},
                                       {192, {0xB2, 7, 90}}, {192, {0xC2, 4}}};
  EXPECT_EQ(heard, expected);
}

TEST(Score, TiedNotesSoundOnWithoutStartingAgain) {
  const std::vector<Heard> heard = HeardOn(Part("c4+e4:2~ c4+e4:4 r:4 |").tracks[1]);
  const std::vector<Heard> expected = {
      {0, {0x92, 60, 80}}, {0, {0x92, 64, 80}}, {288, {0x82, 60, 64}}, {288, {0x82, 64, 64}}};
  EXPECT_EQ(heard, expected);
}

TEST(Score, PartSettingsComeFirstAndDrumsUseTheirKeys) {
  const tools::Song song = tools::ReadScore(
      "division 96\npart Kit channel=10 program=1 volume=90 pan=10 reverb=20 chorus=30 expression=100\n"
      "kick+hat:8 snare\nend\n");
  const std::vector<Heard> heard = HeardOn(song.tracks[1]);
  ASSERT_GE(heard.size(), 6u);
  EXPECT_EQ(heard[0].bytes, (Bytes{0xC9, 0}));
  EXPECT_EQ(heard[1].bytes, (Bytes{0xB9, 7, 90}));
  EXPECT_EQ(heard[2].bytes, (Bytes{0xB9, 10, 10}));
  EXPECT_EQ(heard[3].bytes, (Bytes{0xB9, 91, 20}));
  EXPECT_EQ(heard[4].bytes, (Bytes{0xB9, 93, 30}));
  EXPECT_EQ(heard[5].bytes, (Bytes{0xB9, 11, 100}));
  EXPECT_EQ(heard[6].bytes, (Bytes{0x99, 36, 80}));
  EXPECT_EQ(heard[7].bytes, (Bytes{0x99, 42, 80}));
  EXPECT_EQ(heard.back(), (Heard{96, {0x89, 38, 64}}));
}

TEST(Score, MacrosRepeatAndTransposeButLeaveDrumsAlone) {
  const tools::Song song = tools::ReadScore(
      "division 4\ndefine riff\nc4:4 kick\nend\ndefine twice\n@riff*2\nend\n"
      "part P channel=10\n@twice+12 @riff-1\nend\n");
  std::vector<int> pitches;
  for (const Heard& heard : HeardOn(song.tracks[1]))
    if ((heard.bytes[0] >> 4) == 0x9) pitches.push_back(heard.bytes[1]);
  EXPECT_EQ(pitches, (std::vector<int>{72, 36, 72, 36, 59, 36}));
}

TEST(Score, TheConductorHoldsTitleTimeAndTempos) {
  const tools::Song song = tools::ReadScore(
      "title Night\ndivision 96\ntime 6/8\ntempo 100\npart A channel=1\nc4:2. | tempo=50 c4:2. |\nend\n");
  const std::vector<tools::TrackEvent>& conductor = song.tracks[0].events;
  ASSERT_EQ(conductor.size(), 4u);
  EXPECT_EQ(conductor[0].bytes, (Bytes{0xFF, 0x03, 'N', 'i', 'g', 'h', 't'}));
  EXPECT_EQ(conductor[1].bytes, (Bytes{0xFF, 0x58, 6, 3, 36, 8}));       // a click every dotted quarter
  EXPECT_EQ(conductor[2].bytes, (Bytes{0xFF, 0x51, 0x09, 0x27, 0xC0}));  // 600000 microseconds a quarter
  EXPECT_EQ(conductor[3].tick, 288u);
  EXPECT_EQ(conductor[3].bytes, (Bytes{0xFF, 0x51, 0x12, 0x4F, 0x80}));
  EXPECT_EQ(song.tracks[0].endTick, 576u);
  EXPECT_EQ(song.tracks[1].events[0].bytes, (Bytes{0xFF, 0x03, 'A'}));
}

TEST(Score, Format0MergesEverythingAndEveryTrackEndsWithTheLongestPart) {
  const tools::Song song = tools::ReadScore(
      "format 0\ndivision 96\npart A channel=1\nc4:4\nend\npart B\nsysex F0 7E 7F 09 01 F7\nr:2\nend\n");
  ASSERT_EQ(song.tracks.size(), 1u);
  EXPECT_EQ(song.tracks[0].endTick, 192u);
  const std::vector<Heard> heard = HeardOn(song.tracks[0]);
  ASSERT_EQ(heard.size(), 5u);  // time signature, tempo, note on, system exclusive, note off
  EXPECT_EQ(heard[2].bytes, (Bytes{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}));
  EXPECT_EQ(heard[3].bytes, (Bytes{0x90, 60, 80}));
  EXPECT_EQ(heard[4].tick, 96u);
}

struct MistakeCase {
  const char* name;
  std::string score;
  int line;
  std::string says;
  friend void PrintTo(const MistakeCase& c, std::ostream* out) { *out << c.name; }
};

class ScoreMistake : public testing::TestWithParam<MistakeCase> {};

TEST_P(ScoreMistake, IsReportedWithItsLine) {
  try {
    tools::ReadScore(GetParam().score);
    FAIL() << "no error";
  } catch (const tools::ScoreError& error) {
    EXPECT_EQ(error.Line(), GetParam().line) << error.what();
    EXPECT_NE(std::string(error.what()).find(GetParam().says), std::string::npos) << error.what();
  }
}

const std::string kPart = "division 96\npart P channel=1\n";

INSTANTIATE_TEST_SUITE_P(
    Mistakes, ScoreMistake,
    testing::Values(
        MistakeCase{"BarLineInsideABar", kPart + "c4:4 |\nend\n", 3, "bar line 96 ticks into a bar of 384"},
        MistakeCase{"RehearsalMarkMissed", kPart + "c4:1 | c4 |\nbar=4 c4\nend\n", 4, "comes after 2 bars"},
        MistakeCase{"UnknownNote", kPart + "c4 h4\nend\n", 3, "unknown note 'h4'"},
        MistakeCase{"OutsideMidiNotes", kPart + "g9 g#9\nend\n", 3, "'g#9' lies outside"},
        MistakeCase{"TransposedOutside", "define d\nc9\nend\n" + kPart + "@d+12\nend\n", 2, "lies outside"},
        MistakeCase{"SameNoteTwice", kPart + "c4+c4\nend\n", 3, "twice in a chord"},
        MistakeCase{"TieToARest", kPart + "c4~\nr\nend\n", 4, "a tie leads to a rest"},
        MistakeCase{"TieToOtherNotes", kPart + "c4+e4~ c4\nend\n", 3, "a tie leads to other notes"},
        MistakeCase{"TieAtTheEnd", kPart + "c4\nc4~\nend\n", 4, "ends inside a tie"},
        MistakeCase{"NoteWithoutChannel", "part P\nr c4\nend\n", 2, "needs a part with a channel"},
        MistakeCase{"UnevenDuration", "division 5\npart P channel=1\nc4:8\nend\n", 3, "not a whole number of ticks"},
        MistakeCase{"OddDuration", kPart + "c4:3\nend\n", 3, "a duration is 1, 2, 4"},
        MistakeCase{"LoudnessOutOfRange", kPart + "v128\nend\n", 3, "velocity must be a number from 1 to 127"},
        MistakeCase{"UnknownMacro", kPart + "@tune\nend\n", 3, "no define named 'tune'"},
        MistakeCase{"MacroCallsItself", "define a\n@b\nend\ndefine b\n@a\nend\n" + kPart + "@a\nend\n", 5,
                    "calls itself"},
        MistakeCase{"SysexUnframed", kPart + "sysex 7E 7F F7\nend\n", 3, "runs from F0 to F7"},
        MistakeCase{"SysexHighDataByte", kPart + "sysex F0 80 F7\nend\n", 3, "data bytes below 80"},
        MistakeCase{"SysexNotHex", kPart + "sysex F0 7G F7\nend\n", 3, "'7G' is not a byte"},
        MistakeCase{"PartWithoutEnd", kPart + "c4\n", 2, "part 'P' has no end"},
        MistakeCase{"DefineInsideAPart", kPart + "define x\n", 3, "'end' missing"},
        MistakeCase{"UnknownHeaderWord", "speed 100\n", 1, "unknown word 'speed'"},
        MistakeCase{"TimeNotAPowerOfTwo", "time 3/5\n", 1, "power of two"},
        MistakeCase{"UnknownPartSetting", "part P channel=1 colour=red\nend\n", 1, "unknown part setting"},
        MistakeCase{"ChannelOutOfRange", "part P channel=17\nend\n", 1, "channel must be a number from 1 to 16"},
        MistakeCase{"NoPart", "title Empty\n", 1, "no part"}),
    [](const testing::TestParamInfo<MistakeCase>& info) { return std::string(info.param.name); });

}  // namespace
