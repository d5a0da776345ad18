#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "file_system_subject.h"

namespace {

using namespace std::string_literals;
using os::FileError;

class FileSystemContract : public testing::Test {
 protected:
  std::string In(const std::string& name) const { return subject->Folder() + "\\" + name; }
  std::string Read(const std::string& path) {
    std::string bytes;
    EXPECT_EQ(files.ReadFile(path, bytes), FileError::None) << path;
    return bytes;
  }

  std::unique_ptr<contract::FileSystemSubject> subject = contract::MakeFileSystemSubject();
  os::FileSystem& files = subject->Files();
};

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
}

TEST_F(FileSystemContract, ReadsBackWhatWasWrittenByteExact) {
  std::string bytes = "C:\\a.mid\r\nC:\\b.mid\rC:\\c.mid\n\0after NUL\r\n\x80\xff"s;
  // Longer than one read of the implementation, so that reads are joined.
  for (int i = 0; bytes.size() < 200000; ++i) bytes += static_cast<char>(i % 256);
  ASSERT_EQ(files.WriteFile(In("List.mpl"), bytes), FileError::None);
  EXPECT_TRUE(files.FileExists(In("List.mpl")));
  EXPECT_EQ(Read(In("List.mpl")), bytes);
}

TEST_F(FileSystemContract, WritingReplacesTheWholeFile) {
  ASSERT_EQ(files.WriteFile(In("List.mpl"), "a much longer first content\r\n"), FileError::None);
  ASSERT_EQ(files.WriteFile(In("List.mpl"), "short"), FileError::None);
  EXPECT_EQ(Read(In("List.mpl")), "short");
  ASSERT_EQ(files.WriteFile(In("List.mpl"), ""), FileError::None);
  EXPECT_TRUE(files.FileExists(In("List.mpl")));
  EXPECT_EQ(Read(In("List.mpl")), "");
}

TEST_F(FileSystemContract, NamesIgnoreCase) {
  ASSERT_EQ(files.WriteFile(In("Mixed Case.MPL"), "first"), FileError::None);
  EXPECT_TRUE(files.FileExists(base::UpperCase(In("mixed case.mpl"))));
  EXPECT_EQ(Read(base::LowerCase(In("MIXED CASE.mpl"))), "first");
  ASSERT_EQ(files.WriteFile(In("MIXED CASE.mpl"), "second"), FileError::None);
  EXPECT_EQ(Read(In("Mixed Case.MPL")), "second");
}

TEST_F(FileSystemContract, SlashesAndDotPartsNameTheSameFile) {
  subject->MakeFolder(In("Sub"));
  ASSERT_EQ(files.WriteFile(In("Sub\\x.mpl"), "x"), FileError::None);
  EXPECT_EQ(Read(In("Sub\\..\\Sub\\.\\x.mpl")), "x");
  EXPECT_EQ(Read(In("Sub/x.mpl")), "x");
}

TEST_F(FileSystemContract, FolderIsNoFile) {
  subject->MakeFolder(In("Sub.mpl"));
  EXPECT_FALSE(files.FileExists(In("Sub.mpl")));
  std::string bytes;
  EXPECT_EQ(files.ReadFile(In("Sub.mpl"), bytes), FileError::AccessDenied);
  EXPECT_EQ(files.WriteFile(In("Sub.mpl"), "x"), FileError::AccessDenied);
}

}  // namespace
