#include <gtest/gtest.h>

#include <string>

#include "file_dialogs_subject.h"

namespace {

class FileDialogsContract : public testing::Test {
 protected:
  os::FileDialogRequest Request(const std::string& title) const {
    os::FileDialogRequest request;
    request.title = title;
    request.filter = "Media Play List File (*.mpl)|*.mpl";
    request.defaultExtension = "mpl";
    request.initialFolder = subject->Folder();
    request.fileName = "*.mpl";
    return request;
  }

  std::unique_ptr<contract::FileDialogsSubject> subject = contract::MakeFileDialogsSubject();
  os::FileDialogs& dialogs = subject->Dialogs();
  const std::string folder = subject->Folder();
};

// The dialog makes the folder it shows current, and keeps it so when cancelled.
TEST_F(FileDialogsContract, CancelGivesNoName) {
  subject->AnswerNext(std::nullopt);
  EXPECT_FALSE(dialogs.AskFileToOpen(Request("Open List")));
  EXPECT_EQ(subject->ShownTitle(), "Open List");
  EXPECT_EQ(subject->Files().GetCurrentFolder(), folder);
  subject->AnswerNext(std::nullopt);
  EXPECT_FALSE(dialogs.AskFileToSave(Request("Save List As")));
  EXPECT_EQ(subject->ShownTitle(), "Save List As");
}

TEST_F(FileDialogsContract, TheDialogShowsItsTitleAndTheFiltersDescription) {
  subject->AnswerNext(std::nullopt);
  os::FileDialogRequest request = Request("Save List");
  request.filter = "Media Play List File ( *.mpl)|*.mpl";
  dialogs.AskFileToSave(request);
  EXPECT_EQ(subject->ShownTitle(), "Save List");
  EXPECT_EQ(subject->ShownFileType(), "Media Play List File ( *.mpl)");
}

// No option asks that the file exist: a name typed in full comes back as typed.
TEST_F(FileDialogsContract, OpenAcceptsAFullNameThatDoesNotExist) {
  const std::string name = folder + "\\Evening.mpl";
  subject->AnswerNext(name);
  EXPECT_EQ(dialogs.AskFileToOpen(Request("Open List")), name);
  EXPECT_FALSE(subject->Files().FileExists(name));
}

// A name typed with another folder does not take the dialog there.
TEST_F(FileDialogsContract, TheFolderShownStaysCurrentWhateverNameIsTyped) {
  const std::string sub = folder + "\\Sub";
  ASSERT_EQ(subject->Files().CreateFolder(sub), os::FileError::None);
  subject->AnswerNext(sub + "\\Night.mpl");
  EXPECT_EQ(dialogs.AskFileToSave(Request("Save List As")), sub + "\\Night.mpl");
  const std::string current = subject->Files().GetCurrentFolder();
  subject->Files().SetCurrentFolder(folder);
  subject->Files().RemoveFolder(sub);
  EXPECT_EQ(current, folder);
}

TEST_F(FileDialogsContract, SaveCompletesANameFromTheInitialFolderAndTheDefaultExtension) {
  const struct {
    const char* typed;
    std::string chosen;
  } cases[] = {
      {"Night", folder + "\\Night.mpl"},
      {"Night.txt", folder + "\\Night.txt"},
      {"Night.mpl", folder + "\\Night.mpl"},
  };
  for (const auto& c : cases) {
    subject->AnswerNext(c.typed);
    EXPECT_EQ(dialogs.AskFileToSave(Request("Save List As")), c.chosen) << c.typed;
  }
}

}  // namespace
