#include <string>

#include "base/text.h"
#include "file_system_fixture.h"

namespace {

using namespace std::string_literals;
using contract::FileSystemContract;
using os::FileAttributes;
using os::FileError;

TEST_F(FileSystemContract, MissingFileIsNotFound) {
  std::string bytes = "left over";
  EXPECT_EQ(files.ReadFile(In("Gone.mpl"), bytes), FileError::NotFound);
  EXPECT_EQ(bytes, "");
  EXPECT_FALSE(files.FileExists(In("Gone.mpl")));
}

TEST_F(FileSystemContract, MissingFolderIsPathNotFound) {
  std::string bytes;
  EXPECT_EQ(files.ReadFile(In("Nowhere\\Gone.mpl"), bytes), FileError::PathNotFound);
  EXPECT_EQ(files.WriteFile(In("Nowhere\\New.mpl"), "x"), FileError::PathNotFound);
  EXPECT_FALSE(files.FileExists(In("Nowhere\\New.mpl")));
  // A file where a folder should be is a missing folder too.
  Write(In("File"));
  EXPECT_EQ(files.ReadFile(In("File\\Gone.mpl"), bytes), FileError::PathNotFound);
  EXPECT_EQ(files.WriteFile(In("File\\New.mpl"), "x"), FileError::PathNotFound);
}

TEST_F(FileSystemContract, ReadsBackWhatWasWrittenByteExact) {
  std::string bytes = "C:\\a.mid\r\nC:\\b.mid\rC:\\c.mid\n\0after NUL\r\n\x80\xff"s;
  // Longer than one read of the implementation, so that reads are joined.
  for (int i = 0; bytes.size() < 200000; ++i) bytes += static_cast<char>(i % 256);
  Write(In("List.mpl"), bytes);
  EXPECT_TRUE(files.FileExists(In("List.mpl")));
  EXPECT_EQ(Read(In("List.mpl")), bytes);
}

TEST_F(FileSystemContract, WritingReplacesTheWholeFileAndLeavesNothingElse) {
  Write(In("List.mpl"), "a much longer first content\r\n");
  Write(In("List.mpl"), "short");
  EXPECT_EQ(Read(In("List.mpl")), "short");
  Write(In("List.mpl"), "");
  EXPECT_TRUE(files.FileExists(In("List.mpl")));
  EXPECT_EQ(Read(In("List.mpl")), "");
  EXPECT_EQ(FilesIn(subject->Folder()), std::vector<std::string>{"List.mpl"});
}

TEST_F(FileSystemContract, AFailedWriteLeavesTheOldFileWhole) {
  Write(In("List.mpl"), "the old list\r\n");
  subject->HoldOpen(In("List.mpl"));
  // The new content is complete beside it, but the replace is refused while the old file is open.
  EXPECT_EQ(files.WriteFile(In("List.mpl"), "new"), FileError::AccessDenied);
  subject->ReleaseAll();
  EXPECT_EQ(Read(In("List.mpl")), "the old list\r\n");
  EXPECT_EQ(FilesIn(subject->Folder()), std::vector<std::string>{"List.mpl"}) << "nothing is left behind";
}

TEST_F(FileSystemContract, WritingRefusesAReadOnlyFileAndKeepsHiddenAndSystem) {
  Write(In("Locked.mpl"), "kept");
  ASSERT_EQ(files.SetAttributes(In("Locked.mpl"), FileAttributes::ReadOnly), FileError::None);
  EXPECT_EQ(files.WriteFile(In("Locked.mpl"), "lost"), FileError::AccessDenied);
  EXPECT_EQ(Read(In("Locked.mpl")), "kept");

  Write(In("History.ini"), "old");
  ASSERT_EQ(files.SetAttributes(In("History.ini"), FileAttributes::Hidden | FileAttributes::System),
            FileError::None);
  Write(In("History.ini"), "new");
  EXPECT_EQ(Read(In("History.ini")), "new");
  EXPECT_EQ(Attributes(In("History.ini")), FileAttributes::Hidden | FileAttributes::System | FileAttributes::Archive);
}

TEST_F(FileSystemContract, NamesIgnoreCase) {
  Write(In("Mixed Case.MPL"), "first");
  EXPECT_TRUE(files.FileExists(base::UpperCase(In("mixed case.mpl"))));
  EXPECT_EQ(Read(base::LowerCase(In("MIXED CASE.mpl"))), "first");
  Write(In("MIXED CASE.mpl"), "second");
  EXPECT_EQ(Read(In("Mixed Case.MPL")), "second");
  EXPECT_EQ(FilesIn(subject->Folder()), std::vector<std::string>{"Mixed Case.MPL"}) << "the first name stays";
}

TEST_F(FileSystemContract, SlashesDotPartsAndTrailingDotsNameTheSameFile) {
  subject->MakeFolder(In("Sub"));
  Write(In("Sub\\x.mpl"), "x");
  EXPECT_EQ(Read(In("Sub\\..\\Sub\\.\\x.mpl")), "x");
  EXPECT_EQ(Read(In("Sub/x.mpl")), "x");
  EXPECT_EQ(Read(In("Sub\\x.mpl. .")), "x");
  Write(In("Sub\\Dotted."), "y");
  EXPECT_EQ(FilesIn(In("Sub")), (std::vector<std::string>{"Dotted", "x.mpl"}));
}

TEST_F(FileSystemContract, FolderIsNoFile) {
  subject->MakeFolder(In("Sub.mpl"));
  EXPECT_FALSE(files.FileExists(In("Sub.mpl")));
  EXPECT_TRUE(files.FolderExists(In("Sub.mpl")));
  std::string bytes;
  EXPECT_EQ(files.ReadFile(In("Sub.mpl"), bytes), FileError::AccessDenied);
  EXPECT_EQ(files.WriteFile(In("Sub.mpl"), "x"), FileError::AccessDenied);
  Write(In("File.mpl"));
  EXPECT_FALSE(files.FolderExists(In("File.mpl")));
  EXPECT_FALSE(files.FolderExists(In("Gone")));
  EXPECT_TRUE(files.FolderExists(subject->Folder().substr(0, 3)));
}

TEST_F(FileSystemContract, NamesWithCharactersNoNameCanHoldAreInvalid) {
  for (const char* name : {"a|b.mpl", "a?b.mpl", "a*b.mpl", "a<b.mpl", "a\"b.mpl", "a?b\\c.mpl"}) {
    std::string bytes;
    EXPECT_EQ(files.WriteFile(In(name), "x"), FileError::InvalidName) << name;
    EXPECT_EQ(files.ReadFile(In(name), bytes), FileError::InvalidName) << name;
  }
  EXPECT_TRUE(FilesIn(subject->Folder()).empty());
}

TEST_F(FileSystemContract, TheProgramsFolderHoldsItsFileWhateverTheCurrentFolder) {
  const std::string folder = files.ProgramFileFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_FALSE(folder.ends_with('\\'));
  EXPECT_TRUE(files.FolderExists(folder + "\\"));
  EXPECT_TRUE(files.FileExists(folder + "\\contract_tests.exe"));
  EXPECT_EQ(files.ProgramFilePath(), folder + "\\contract_tests.exe");
  ASSERT_EQ(files.SetCurrentFolder(subject->Folder()), FileError::None);
  EXPECT_EQ(files.ProgramFileFolder(), folder);
}

TEST_F(FileSystemContract, RelativeNamesFollowTheCurrentFolder) {
  subject->MakeFolder(In("Lists"));
  ASSERT_EQ(files.SetCurrentFolder(In("Lists") + "\\"), FileError::None);
  EXPECT_EQ(files.GetCurrentFolder(), In("Lists"));
  Write("Songs.mpl", "here");
  EXPECT_EQ(Read(In("Lists\\Songs.mpl")), "here");
  EXPECT_EQ(Read("..\\Lists\\Songs.mpl"), "here");

  const std::string drive = subject->Folder().substr(0, 2);
  EXPECT_EQ(files.FullPath("Songs.mpl"), In("Lists\\Songs.mpl"));
  // A drive's own letter names its current folder; Wine gives it with a trailing backslash.
  auto current = files.FullPath(drive);
  if (subject->RunsOnWine() && current.ends_with('\\')) current.pop_back();
  EXPECT_EQ(current, In("Lists"));
  EXPECT_EQ(files.FullPath(drive + "Songs.mpl"), In("Lists\\Songs.mpl"));
  EXPECT_EQ(files.FullPath("\\Top\\x"), drive + "\\Top\\x");
  EXPECT_EQ(files.FullPath(drive + "\\"), drive + "\\");
  EXPECT_EQ(files.FullPath("Sub/Deeper/"), In("Lists\\Sub\\Deeper\\"));
  EXPECT_EQ(files.FullPath("..\\..\\..\\..\\..\\..\\..\\..\\x. ."), drive + "\\x");
  // Windows keeps no current folder for other drives unless the command shell sets one.
  char other = 'Q';
  for (const auto& [root, type] : files.Drives()) {
    if (root[0] == other) ++other;
  }
  EXPECT_EQ(files.FullPath(std::string(1, other) + ":x.mpl"), std::string(1, other) + ":\\x.mpl");

  ASSERT_EQ(files.SetCurrentFolder(drive + "\\"), FileError::None);
  EXPECT_EQ(files.GetCurrentFolder(), drive + "\\");
}

TEST_F(FileSystemContract, TheCurrentFolderMustBeAFolderThatExists) {
  const auto before = files.GetCurrentFolder();
  EXPECT_EQ(files.SetCurrentFolder(In("Gone")), FileError::NotFound);
  EXPECT_EQ(files.SetCurrentFolder(In("Gone\\Deeper")), FileError::PathNotFound);
  Write(In("File"));
  EXPECT_EQ(files.SetCurrentFolder(In("File")), FileError::InvalidName);
  EXPECT_EQ(files.GetCurrentFolder(), before);
}

}  // namespace
