#include "player/playlist/list_file_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "os/fake/fake_file_system.h"
#include "ui/types.h"

namespace {

using namespace std::string_literals;
using Paths = std::vector<std::string>;

struct ListCase {
  const char* name;
  std::string bytes;
  Paths paths;
};

class ReadListFileTest : public testing::TestWithParam<ListCase> {};

TEST_P(ReadListFileTest, GivesOnePathPerLine) {
  os::FakeFileSystem files;
  files.AddFile("C:\\Lists\\Songs.mpl", GetParam().bytes);
  EXPECT_EQ(player::ReadListFile(files, "C:\\Lists\\Songs.mpl"), GetParam().paths);
}

INSTANTIATE_TEST_SUITE_P(
    LineRules, ReadListFileTest,
    testing::Values(
        ListCase{"CrLf", "C:\\Midi\\a.mid\r\nD:\\Wave\\b.wav\r\n", {"C:\\Midi\\a.mid", "D:\\Wave\\b.wav"}},
        ListCase{"Lf", "C:\\Midi\\a.mid\nD:\\Wave\\b.wav\n", {"C:\\Midi\\a.mid", "D:\\Wave\\b.wav"}},
        ListCase{"Cr", "C:\\Midi\\a.mid\rD:\\Wave\\b.wav\r", {"C:\\Midi\\a.mid", "D:\\Wave\\b.wav"}},
        ListCase{"Mixed", "C:\\a.mid\r\nC:\\b.mid\nC:\\c.mid\rC:\\d.mid\r\n",
                 {"C:\\a.mid", "C:\\b.mid", "C:\\c.mid", "C:\\d.mid"}},
        ListCase{"BlankMiddleLine", "C:\\a.mid\r\n\r\nC:\\b.mid\r\n", {"C:\\a.mid", "", "C:\\b.mid"}},
        ListCase{"NoFinalLineEnd", "C:\\a.mid\r\nC:\\b.mid", {"C:\\a.mid", "C:\\b.mid"}},
        ListCase{"BytesAfterNulIgnored", "C:\\a.mid\r\nC:\\b\0junk\r\nC:\\c.mid\r\n"s, {"C:\\a.mid", "C:\\b"}},
        ListCase{"EmptyFile", "", {}},
        ListCase{"PathsTakenAsWritten", " relative\\x.mid \r\nC:\\Missing.txt\r\n",
                 {" relative\\x.mid ", "C:\\Missing.txt"}}),
    [](const testing::TestParamInfo<ListCase>& info) { return std::string(info.param.name); });

TEST(ReadListFile, NamesByWindowsRules) {
  os::FakeFileSystem files;
  files.AddFile("C:\\Lists\\Songs.mpl", "C:\\a.mid\r\n");
  EXPECT_EQ(player::ReadListFile(files, "c:/LISTS/songs.MPL"), Paths{"C:\\a.mid"});
  // Without a folder the name is in the current folder; with a leading backslash at its drive's root.
  files.CurrentFolder = "C:\\Lists\\Old";
  EXPECT_EQ(player::ReadListFile(files, "..\\Songs.mpl"), Paths{"C:\\a.mid"});
  EXPECT_EQ(player::ReadListFile(files, "\\Lists\\Songs.mpl"), Paths{"C:\\a.mid"});
  files.CurrentFolder = "C:\\Lists";
  EXPECT_EQ(player::ReadListFile(files, "Songs.mpl"), Paths{"C:\\a.mid"});
  EXPECT_EQ(player::ReadListFile(files, "C:Songs.mpl"), Paths{"C:\\a.mid"});
}

struct MissingCase {
  const char* name;
  std::string fileName;
};

class ReadListFileMissingTest : public testing::TestWithParam<MissingCase> {};

TEST_P(ReadListFileMissingTest, FailsWithTheLibrarysOpenError) {
  os::FakeFileSystem files;
  files.AddFolder("C:\\Lists\\Old.mpl");
  try {
    player::ReadListFile(files, GetParam().fileName);
    FAIL() << "no error";
  } catch (const ui::EFOpenError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot open file " + GetParam().fileName);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Unreadable, ReadListFileMissingTest,
    testing::Values(MissingCase{"MissingFile", "C:\\Lists\\Gone.mpl"},
                    MissingCase{"MissingFolder", "C:\\Nowhere\\Gone.mpl"},
                    MissingCase{"FolderInItsPlace", "C:\\Lists\\Old.mpl"}),
    [](const testing::TestParamInfo<MissingCase>& info) { return std::string(info.param.name); });

}  // namespace
