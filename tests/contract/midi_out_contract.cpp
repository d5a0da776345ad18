#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "midi_out_subject.h"

namespace {

using os::midierr::Allocated;
using os::midierr::InvalidHandle;

struct MidiOutContract : ::testing::Test {
  std::unique_ptr<contract::MidiOutSubject> subject = contract::MakeMidiOutSubject();
  os::MidiOut& output = subject->Output();

  // The tests that need an open output run where the mapper has a port: on the fake, and on Windows.
  bool PortPresent() {
    if (subject->PortPresent()) return true;
    std::printf("note: no MIDI output port here (Wine without a sequencer): opening is checked on the fake only\n");
    return false;
  }
};

TEST_F(MidiOutContract, NothingOpenRefusesMessagesAndHasNothingToClose) {
  EXPECT_FALSE(output.IsOpen());
  EXPECT_EQ(output.ShortMessage(0xFF), InvalidHandle);
  EXPECT_EQ(output.Close(), 0u);
  EXPECT_EQ(output.Close(), 0u);
  EXPECT_FALSE(output.IsOpen());
}

TEST_F(MidiOutContract, AnOpenOutputTakesShortMessagesUntilItIsClosed) {
  if (!PortPresent()) return;
  ASSERT_EQ(output.Open(), 0u);
  EXPECT_TRUE(output.IsOpen());
  // All Sound Off and Reset All Controllers on the first and last channels, then System Reset.
  for (std::uint32_t message : {0x78B0u, 0x78BFu, 0x79B0u, 0x79BFu, 0xFFu}) {
    EXPECT_EQ(output.ShortMessage(message), 0u) << std::hex << message;
  }
  EXPECT_EQ(output.Close(), 0u);
  EXPECT_FALSE(output.IsOpen());
  EXPECT_EQ(output.ShortMessage(0xFF), InvalidHandle);
}

TEST_F(MidiOutContract, OpeningAgainWhileOpenIsRefusedAndKeepsTheOutput) {
  if (!PortPresent()) return;
  ASSERT_EQ(output.Open(), 0u);
  EXPECT_EQ(output.Open(), Allocated);
  EXPECT_TRUE(output.IsOpen());
  EXPECT_EQ(output.ShortMessage(0xFF), 0u);
  EXPECT_EQ(output.Close(), 0u);
  // Closed, it opens again.
  ASSERT_EQ(output.Open(), 0u);
  EXPECT_EQ(output.Close(), 0u);
}

TEST_F(MidiOutContract, AFailedOpenSaysWhyAndLeavesNothingOpen) {
  if (!subject->MakeOpenFail()) {
    std::printf("note: a MIDI output port is present: a failed open cannot be brought about here\n");
    return;
  }
  const unsigned error = output.Open();
  ASSERT_NE(error, 0u);
  EXPECT_FALSE(output.IsOpen());
  const std::string text = output.ErrorText(error);
  EXPECT_FALSE(text.empty());
  EXPECT_NE(text, "Unknown error code") << error;
  EXPECT_EQ(output.ShortMessage(0xFF), InvalidHandle);
  EXPECT_EQ(output.Close(), 0u);
  EXPECT_NE(output.Open(), 0u) << "it fails again, as long as there is no port";
}

TEST_F(MidiOutContract, ErrorCodesHaveTheSystemsTexts) {
  const std::string invalidHandle = output.ErrorText(InvalidHandle);
  const std::string allocated = output.ErrorText(Allocated);
  EXPECT_FALSE(invalidHandle.empty());
  EXPECT_NE(invalidHandle, "Unknown error code");
  EXPECT_NE(allocated, "Unknown error code");
  EXPECT_NE(invalidHandle, allocated);
  EXPECT_NE(output.ErrorText(os::midierr::NoDevice), "Unknown error code");
  EXPECT_EQ(output.ErrorText(4242), "Unknown error code");
}

}  // namespace
