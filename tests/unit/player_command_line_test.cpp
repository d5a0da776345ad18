#include <gtest/gtest.h>

#include "base/command_line.h"
#include "player/shell/command_line.h"

namespace {

using Words = std::vector<std::string>;
using Kind = player::StartCommand::Kind;

TEST(CommandLineSplit, BlanksSeparateQuotesHoldBlanksAndAnEmptyQuotedWordEndsTheList) {
  struct Case {
    const char* raw;
    Words words;
  } cases[] = {
      {"", {}},
      {"   ", {}},
      {"a.mid", {"a.mid"}},
      {"  /play   C:\\x.mid  ", {"/play", "C:\\x.mid"}},
      {"a\tb", {"a", "b"}},
      {"\"C:\\My Music\\Night Song.mid\"", {"C:\\My Music\\Night Song.mid"}},
      {"C:\\My\" \"Music\\a.mid", {"C:\\My Music\\a.mid"}},
      {"\"a b\"c d", {"a bc", "d"}},
      {"a \"\" b", {"a"}},
      {"\"\" a", {}},
      {"\"unclosed quote", {"unclosed quote"}},
      {"\xE9t\xE9.mid", {"\xE9t\xE9.mid"}},
  };
  for (const auto& c : cases) EXPECT_EQ(base::SplitCommandLine(c.raw), c.words) << c.raw;
}

TEST(StartCommand, SwitchesInAnyCaseAndFileWordsJoined) {
  struct Case {
    Words words;
    Kind kind;
    const char* file;
    bool play, close;
  } cases[] = {
      {{"/play", "/close", "C:\\a.mid"}, Kind::MediaFile, "C:\\a.mid", true, true},
      {{"/PLAY", "C:\\a.mid"}, Kind::MediaFile, "C:\\a.mid", true, false},
      {{"/Close", "C:\\a.mid"}, Kind::MediaFile, "C:\\a.mid", false, true},
      {{"/loud", "C:\\a.mid"}, Kind::MediaFile, "C:\\a.mid", false, false},
      {{"C:\\My", "Music\\Night", "Song.mid"}, Kind::MediaFile, "C:\\My Music\\Night Song.mid", false, false},
      {{"C:\\My", "/play", "Song.mid"}, Kind::MediaFile, "C:\\My Song.mid", true, false},
      {{"C:\\a.mid", "/play"}, Kind::MediaFile, "C:\\a.mid", true, false},
      {{"C:\\a.mid", "C:\\b.mid"}, Kind::MediaFile, "C:\\a.mid C:\\b.mid", false, false},
      {{"/play"}, Kind::None, "", true, false},
      {{"/play", "/close"}, Kind::None, "", true, true},
      {{}, Kind::None, "", false, false},
  };
  for (const auto& c : cases) {
    const player::StartCommand command = player::ParseStartCommand(c.words);
    EXPECT_EQ(command.kind, c.kind) << c.file;
    EXPECT_EQ(command.file, c.file);
    EXPECT_EQ(command.play, c.play) << c.file;
    EXPECT_EQ(command.close, c.close) << c.file;
  }
}

TEST(StartCommand, TheExtensionInAnyCaseDecidesTheKind) {
  struct Case {
    const char* file;
    Kind kind;
  } cases[] = {
      {"C:\\a.mid", Kind::MediaFile}, {"C:\\a.MID", Kind::MediaFile}, {"C:\\a.Wav", Kind::MediaFile},
      {"C:\\a.avi", Kind::MediaFile}, {"C:\\a.RMI", Kind::MediaFile}, {"C:\\list.mpl", Kind::ListFile},
      {"C:\\list.MPL", Kind::ListFile}, {"C:\\a.txt", Kind::None},     {"C:\\noext", Kind::None},
      {"C:\\dir.mid\\noext", Kind::None}, {"C:\\a.midi", Kind::None},  {"C:\\a.", Kind::None},
  };
  for (const auto& c : cases) EXPECT_EQ(player::ParseStartCommand({c.file}).kind, c.kind) << c.file;
}

}  // namespace
