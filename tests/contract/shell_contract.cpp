#include <gtest/gtest.h>

#include "shell_subject.h"

namespace {

struct ShellContract : testing::Test {
  std::unique_ptr<contract::ShellSubject> subject = contract::MakeShellSubject();
  os::Shell& shell = subject->Shell();
};

TEST_F(ShellContract, AFileTypeHasOneSmallIconWhateverTheNameOrItsCase) {
  const os::IconHandle wave = shell.SmallFileIcon("Tone.wav");
  ASSERT_NE(wave, 0u);
  if (const auto size = subject->IconSize(wave)) {
    EXPECT_EQ(*size, 16);
  }
  // The files need not exist: the type alone chooses the icon.
  EXPECT_EQ(shell.SmallFileIcon("C:\\Nowhere\\Other Song.WAV"), wave);
  EXPECT_EQ(shell.SmallFileIcon("x.Wav"), wave);

  const os::IconHandle midi = shell.SmallFileIcon("C:\\Media\\song.mid");
  EXPECT_NE(midi, 0u);
  EXPECT_NE(midi, wave);
  EXPECT_EQ(shell.SmallFileIcon("other.MID"), midi);
  EXPECT_NE(shell.SmallFileIcon("README"), 0u) << "a name without an extension has the plain file's icon";
  EXPECT_EQ(shell.SmallFileIcon("Tone.wav"), wave);
}

}  // namespace
