// The failures the player's file operations tell apart when they rename, move and delete the files of
// the play list and make and remove folders: a path through a file or a missing drive, a file another
// program plays, and what a vanished file answers.
#include <cstdio>
#include <string>

#include "file_system_fixture.h"

namespace {

using contract::FileSystemContract;
using os::FileAttributes;
using os::FileError;

// The root of a drive letter the system does not have.
std::string MissingDrive(os::FileSystem& files) {
  std::string letters;
  for (const os::Drive& drive : files.Drives()) letters += drive.root[0];
  for (char letter = 'Q'; letter <= 'Y'; ++letter)
    if (letters.find(letter) == std::string::npos) return std::string(1, letter) + ":\\";
  return "";
}

TEST_F(FileSystemContract, APathThroughAFileOrOnAMissingDriveIsNoFolder) {
  Write(In("a.mid"), "a");
  Write(In("Taken"));
  EXPECT_FALSE(files.FolderExists(In("Taken")));
  EXPECT_EQ(files.CreateFolder(In("Taken")), FileError::Exists) << "the move's missing folder cannot be made";
  EXPECT_EQ(files.CreateFolder(In("Taken\\Sub")), FileError::PathNotFound);
  EXPECT_EQ(files.Move(In("a.mid"), In("Taken\\a.mid")), FileError::PathNotFound);

  const std::string drive = MissingDrive(files);
  ASSERT_FALSE(drive.empty());
  EXPECT_FALSE(files.FolderExists(drive));
  EXPECT_FALSE(files.FolderExists(drive + "Songs"));
  for (const FileError error : {files.CreateFolder(drive + "Songs"), files.Move(In("a.mid"), drive + "a.mid")}) {
    if (subject->RunsOnWine() && error == FileError::NotFound) {
      std::printf("note: Wine reports a drive it does not have as a missing file (Windows: a missing path)\n");
      continue;
    }
    EXPECT_EQ(error, FileError::PathNotFound);
  }
  EXPECT_EQ(Read(In("a.mid")), "a");
}

TEST_F(FileSystemContract, AVanishedFileAnswersNotFoundToEveryStepOfARenameOrDeletion) {
  FileAttributes attributes = FileAttributes::None;
  EXPECT_EQ(files.GetAttributes(In("Gone.mid"), attributes), FileError::NotFound);
  EXPECT_EQ(files.SetAttributes(In("Gone.mid"), FileAttributes::None), FileError::NotFound);
  EXPECT_EQ(files.Delete(In("Gone.mid")), FileError::NotFound);
  EXPECT_EQ(files.Move(In("Gone.mid"), In("New.mid")), FileError::NotFound);
  EXPECT_EQ(files.GetAttributes(In("Gone\\a.mid"), attributes), FileError::PathNotFound);
  EXPECT_EQ(files.Move(In("Gone\\a.mid"), In("New.mid")), FileError::PathNotFound);
}

// A media device holds the file it plays open for reading: the player's rename, move and deletion of
// that file fail and say why, while clearing its attributes before a deletion still works.
TEST_F(FileSystemContract, AFileAnotherProgramReadsCannotBeRenamedMovedOrDeleted) {
  Write(In("Playing.mid"), "p");
  subject->MakeFolder(In("Target"));
  ASSERT_EQ(files.SetAttributes(In("Playing.mid"), FileAttributes::ReadOnly), FileError::None);
  subject->HoldOpenForReading(In("Playing.mid"));
  FileAttributes attributes = FileAttributes::None;
  EXPECT_EQ(files.GetAttributes(In("Playing.mid"), attributes), FileError::None);
  EXPECT_TRUE(os::Has(attributes, FileAttributes::ReadOnly));
  EXPECT_EQ(files.SetAttributes(In("Playing.mid"), FileAttributes::None), FileError::None);
  EXPECT_EQ(files.Move(In("Playing.mid"), In("Renamed.mid")), FileError::SharingViolation);
  EXPECT_EQ(files.Move(In("Playing.mid"), In("PLAYING.MID")), FileError::SharingViolation);
  EXPECT_EQ(files.Move(In("Playing.mid"), In("Target\\Playing.mid")), FileError::SharingViolation);
  EXPECT_EQ(files.Delete(In("Playing.mid")), FileError::SharingViolation);
  EXPECT_EQ(files.SetAttributes(In("Playing.mid"), FileAttributes::ReadOnly), FileError::None);
  subject->ReleaseAll();
  EXPECT_EQ(Read(In("Playing.mid")), "p");
  EXPECT_EQ(FilesIn(subject->Folder()), std::vector<std::string>{"Playing.mid"});
}

}  // namespace
