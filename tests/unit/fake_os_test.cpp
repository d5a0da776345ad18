// What the fakes can be told to do that the real services cannot be made to do on demand: drives
// without a medium, folders without rights, and the shell's count of requests.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "os/fake/fake_file_system.h"
#include "os/fake/fake_shell.h"

namespace {

using os::DriveType;
using os::FileError;
using os::IfExists;

TEST(FakeFileSystem, ADriveWithoutAMediumIsListedButNotReady) {
  os::FakeFileSystem files;
  files.AddFile("A:\\Songs\\a.mid", "a");
  files.AddDrive('a', DriveType::Removable, false);
  files.AddDrive('E', DriveType::CdRom);
  files.AddDrive('N', DriveType::Remote);

  const auto drives = files.Drives();
  ASSERT_EQ(drives.size(), 4u);
  EXPECT_EQ(drives[0].root, "A:\\");
  EXPECT_EQ(drives[0].type, DriveType::Removable);
  EXPECT_EQ(drives[1].root, "C:\\");
  EXPECT_EQ(drives[2].type, DriveType::CdRom);
  EXPECT_EQ(drives[3].type, DriveType::Remote);

  EXPECT_EQ(files.DriveReady("A:\\"), FileError::NotReady);
  EXPECT_EQ(files.DriveReady("E:\\"), FileError::None);
  std::vector<os::FolderEntry> entries;
  std::string bytes;
  EXPECT_EQ(files.ListFolders("A:\\", entries), FileError::NotReady);
  EXPECT_EQ(files.ListFiles("A:\\Songs", "*.mid", entries), FileError::NotReady);
  EXPECT_EQ(files.ReadFile("A:\\Songs\\a.mid", bytes), FileError::NotReady);
  EXPECT_EQ(files.WriteFile("A:\\Songs\\b.mid", "b"), FileError::NotReady);
  EXPECT_EQ(files.CreateFolder("A:\\New"), FileError::NotReady);
  EXPECT_EQ(files.SetCurrentFolder("A:\\"), FileError::NotReady);
  EXPECT_EQ(files.Copy("C:\\x", "A:\\x", IfExists::Overwrite), FileError::NotFound) << "the source comes first";
  EXPECT_FALSE(files.FileExists("A:\\Songs\\a.mid"));
  EXPECT_FALSE(files.FolderExists("A:\\"));

  files.AddDrive('A', DriveType::Removable, true);
  EXPECT_EQ(files.ReadFile("A:\\Songs\\a.mid", bytes), FileError::None);
  EXPECT_EQ(bytes, "a");
}

TEST(FakeFileSystem, AFolderThatCannotBeReadCannotBeListedNorItsFilesRead) {
  os::FakeFileSystem files;
  files.AddFile("C:\\Locked\\a.mid", "a");
  files.AddFile("C:\\Locked\\Open\\b.mid", "b");
  files.DenyReading("C:\\Locked");
  std::vector<os::FolderEntry> entries;
  std::string bytes;
  EXPECT_EQ(files.ListFiles("C:\\Locked", "*.*", entries), FileError::AccessDenied);
  EXPECT_EQ(files.ListFolders("C:\\Locked", entries), FileError::AccessDenied);
  EXPECT_EQ(files.ReadFile("C:\\Locked\\a.mid", bytes), FileError::AccessDenied);
  EXPECT_EQ(files.Copy("C:\\Locked\\a.mid", "C:\\a.mid", IfExists::Fail), FileError::AccessDenied);
  EXPECT_TRUE(files.FileExists("C:\\Locked\\a.mid"));
  EXPECT_EQ(files.ReadFile("C:\\Locked\\Open\\b.mid", bytes), FileError::None) << "only the folder's own entries";

  files.DenyReading("C:\\Locked", false);
  EXPECT_EQ(files.ReadFile("C:\\Locked\\a.mid", bytes), FileError::None);
}

TEST(FakeFileSystem, AFolderThatCannotBeWrittenKeepsItsEntriesAsTheyAre) {
  os::FakeFileSystem files;
  files.AddFile("C:\\Locked\\List.mpl", "old list");
  files.AddFolder("C:\\Locked\\Empty");
  files.AddFile("C:\\Free\\b.mid", "b");
  files.DenyWriting("C:\\Locked");

  EXPECT_EQ(files.WriteFile("C:\\Locked\\List.mpl", "new"), FileError::AccessDenied);
  EXPECT_EQ(files.WriteFile("C:\\Locked\\New.mpl", "new"), FileError::AccessDenied);
  EXPECT_EQ(files.Delete("C:\\Locked\\List.mpl"), FileError::AccessDenied);
  EXPECT_EQ(files.Move("C:\\Locked\\List.mpl", "C:\\Locked\\Renamed.mpl"), FileError::AccessDenied);
  EXPECT_EQ(files.Move("C:\\Locked\\List.mpl", "C:\\Free\\List.mpl"), FileError::AccessDenied);
  EXPECT_EQ(files.Move("C:\\Free\\b.mid", "C:\\Locked\\b.mid"), FileError::AccessDenied);
  EXPECT_EQ(files.Copy("C:\\Free\\b.mid", "C:\\Locked\\b.mid", IfExists::Fail), FileError::AccessDenied);
  EXPECT_EQ(files.CreateFolder("C:\\Locked\\New"), FileError::AccessDenied);
  EXPECT_EQ(files.RemoveFolder("C:\\Locked\\Empty"), FileError::AccessDenied);

  std::string bytes;
  EXPECT_EQ(files.ReadFile("C:\\Locked\\List.mpl", bytes), FileError::None);
  EXPECT_EQ(bytes, "old list");
  std::vector<os::FolderEntry> entries;
  ASSERT_EQ(files.ListFiles("C:\\Locked", "*.*", entries), FileError::None);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "List.mpl");
  EXPECT_TRUE(files.FileExists("C:\\Free\\b.mid"));
}

TEST(FakeFileSystem, SetUpOfWhatDoesNotExistIsAMistakeOfTheTest) {
  os::FakeFileSystem files;
  EXPECT_THROW(files.SetInUse("C:\\Gone.mid", true), std::logic_error);
  EXPECT_THROW(files.DenyWriting("C:\\Gone"), std::logic_error);
}

TEST(FakeShell, OneIconPerExtensionAndEveryRequestCounted) {
  os::FakeFileSystem files;
  os::FakeShell shell(files);
  const char* const extensions[] = {".mid", ".WAV", ".avi", ".Mid", ".rmi", ".wav"};
  for (int i = 0; i < 10000; ++i) shell.SmallFileIcon("C:\\Media\\song " + std::to_string(i) + extensions[i % 6]);
  EXPECT_EQ(shell.SmallIconRequests(), 10000u);
  EXPECT_EQ(shell.ExtensionsSeen(), 4u);
  EXPECT_EQ(shell.SmallFileIcon("a.MID"), shell.SmallFileIcon("b.mid"));
  EXPECT_NE(shell.SmallFileIcon("a.mid"), shell.SmallFileIcon("a.rmi"));
}

}  // namespace
