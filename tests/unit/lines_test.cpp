#include "base/lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string bytes;
  Lines lines;
};

class SplitLinesTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, GivesTheLines) {
  EXPECT_EQ(base::SplitLines(GetParam().bytes), GetParam().lines);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    LineEnds, SplitLinesTest,
    testing::Values(
        SplitCase{"Empty", "", {}},
        SplitCase{"CrLf", "C:\\a.mid\r\nC:\\b.wav\r\n", {"C:\\a.mid", "C:\\b.wav"}},
        SplitCase{"Lf", "C:\\a.mid\nC:\\b.wav\n", {"C:\\a.mid", "C:\\b.wav"}},
        SplitCase{"Cr", "C:\\a.mid\rC:\\b.wav\r", {"C:\\a.mid", "C:\\b.wav"}},
        SplitCase{"Mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        SplitCase{"LfCrIsTwoLineEnds", "a\n\rb", {"a", "", "b"}},
        SplitCase{"CrCrLf", "a\r\r\nb", {"a", "", "b"}},
        SplitCase{"BlankMiddleLine", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        SplitCase{"OnlyALineEnd", "\r\n", {""}},
        SplitCase{"NoFinalLineEnd", "a\r\nb", {"a", "b"}},
        SplitCase{"SpacesKept", "  a b \r\n", {"  a b "}},
        SplitCase{"NulEndsContent", "a\r\nb\0c\r\nd\r\n"s, {"a", "b"}},
        SplitCase{"NulFirst", "\0a\r\n"s, {}},
        SplitCase{"NulAfterLineEnd", "a\r\n\0\r\n"s, {"a"}},
        SplitCase{"HighBytesKept", "C:\\M\xfcsik\\\xe9t\xe9.mid\r\n", {"C:\\M\xfcsik\\\xe9t\xe9.mid"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(JoinLines, EndsEveryLineWithCrLf) {
  EXPECT_EQ(base::JoinLines({"C:\\a.mid", "", "C:\\b.wav"}), "C:\\a.mid\r\n\r\nC:\\b.wav\r\n");
  EXPECT_EQ(base::JoinLines({}), "");
}

TEST(JoinLines, SplitsBackToTheSameLines) {
  const Lines lines{"a", "", " b ", ""};
  EXPECT_EQ(base::SplitLines(base::JoinLines(lines)), lines);
}

}  // namespace
