// The reset files as the build made them: Standard MIDI Files of one track that carry their reset
// message and end a moment later.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/standard_midi_file.h"

namespace {

using testing_support::SmfEvent;
using testing_support::SmfFile;
using Bytes = std::vector<std::uint8_t>;

struct ResetCase {
  const char* name;
  const char* file;
  Bytes message;  // from F0 to F7
  friend void PrintTo(const ResetCase& c, std::ostream* out) { *out << c.file; }
};

class InstalledResetFile : public testing::TestWithParam<ResetCase> {
 protected:
  Bytes bytes = testing_support::ReadFileBytes(std::string(TUNORA_DIST_DATA) + "/Reset/" + GetParam().file);
};

TEST_P(InstalledResetFile, IsAFormat0FileWhoseChunksAddUpToTheFile) {
  const SmfFile file = testing_support::ReadSmf(bytes);
  EXPECT_EQ(file.headerLength, 6u);
  EXPECT_EQ(file.format, 0);
  ASSERT_EQ(file.tracks.size(), 1u);
  // Header chunk (8 + 6) and one track chunk (8 + its length), nothing before, between or after.
  EXPECT_EQ(bytes.size(), 14u + 8u + file.tracks[0].chunkLength);
}

TEST_P(InstalledResetFile, SendsItsResetMessageFirstAndNothingElse) {
  const SmfFile file = testing_support::ReadSmf(bytes);
  std::vector<SmfEvent> messages;  // what reaches the synthesizer: every event but the meta events
  for (const SmfEvent& event : file.tracks.at(0).events)
    if (event.status != 0xFF) messages.push_back(event);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].tick, 0u);
  EXPECT_EQ(messages[0].status, 0xF0);
  const Bytes& expected = GetParam().message;
  EXPECT_EQ(messages[0].data, Bytes(expected.begin() + 1, expected.end()));
}

TEST_P(InstalledResetFile, EndsAFewHundredMillisecondsAfterTheReset) {
  const SmfFile file = testing_support::ReadSmf(bytes);
  const SmfEvent& last = file.tracks.at(0).events.back();
  EXPECT_EQ(last.status, 0xFF);
  EXPECT_EQ(last.metaType, 0x2F);
  const double seconds = testing_support::SmfSeconds(file, last.tick);
  // Time for the synthesizer to carry out the reset, short enough not to be heard as a gap.
  EXPECT_GE(seconds, 0.1);
  EXPECT_LE(seconds, 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, InstalledResetFile,
    testing::Values(ResetCase{"Gm", "Gm_reset.mid", {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}},
                    ResetCase{"Gs", "Gs_reset.mid", {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7}},
                    ResetCase{"Xg", "Xg_reset.mid", {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}}),
    [](const testing::TestParamInfo<ResetCase>& info) { return std::string(info.param.name); });

}  // namespace
