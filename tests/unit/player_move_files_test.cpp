// Moving files and making and removing folders: the folder dialog in its three modes, the moves of
// one file and of all files with their questions and messages, an entry dragged onto a folder, and
// Delete Folder. The entries keep their names and places while their paths follow the files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/drag.h"
#include "support/player_fixture.h"

namespace {

using testing_support::MouseDrag;
using testing_support::PlayerFixture;
using Names = std::vector<std::string>;

// C:\Music holds a.wav to d.wav and the empty folder Sub; the file box shows C:\Music, whose folder
// list reads C:\, Music, Sub. All four files are in the play list, a.wav loaded.
struct MoveFilesTest : PlayerFixture {
  void SetUp() override {
    for (int i = 0; i < 4; ++i) {
      env.files.AddFile(Path(i), "RIFF");
      AddMediaFile(Path(i), 10000 * (i + 1));
    }
    env.files.AddFolder("C:\\Music\\Sub");
    env.files.CurrentFolder = "C:\\Music";
    Construct();
    form->GM.SetChecked(false);
    form->AutoPlay.SetChecked(false);
    Create();
    AddEntries({Path(0), Path(1), Path(2), Path(3)});
    form->ListChanged = 0;
  }
  static std::string Path(int i) { return std::string("C:\\Music\\") + static_cast<char>('a' + i) + ".wav"; }
  static ui::TPoint Entry(int index) { return {40, 13 * index + 6}; }
  static ui::TPoint Row(int row) { return {30, 17 * row + 8}; }

  void Select(int index) { env.app.Dispatch([&] { form->SongList.UserSelect(index); }); }
  // The user types the text into the folder dialog and presses OK (or Cancel).
  void InFolderDialog(const std::string& typed, const char* button = "BitOKNF") {
    env.modal.When("FormNF", [=](ui::TForm& dialog) {
      testing_support::TypeInto(dialog, "EditNF", typed);
      testing_support::Press(dialog, button);
    });
  }
  void MoveSelected(int index, const std::string& typed) {
    Select(index);
    InFolderDialog(typed);
    Click(form->SpdMoveFile);
  }
  void MoveAll(const std::string& typed) {
    InFolderDialog(typed);
    Choose(form->MoveAllFilesTo);
  }
  Names FilesIn(const std::string& folder) {
    std::vector<os::FolderEntry> files;
    env.files.ListFiles(folder, "*.*", files);
    Names names;
    for (const auto& file : files) names.push_back(file.name);
    return names;
  }
  std::string HighlightedFolder() const {
    const int row = form->DirectoryListBox.ItemIndex();
    return row < 0 ? "" : form->DirectoryListBox.Item(row);
  }
  void RightClickFolder(int row) {
    env.app.Dispatch([&] {
      form->DirectoryListBox.MouseDown(ui::TMouseButton::mbRight, ui::ssRight, Row(row).x, Row(row).y);
    });
  }
  std::string SavedList() {
    std::string bytes;
    env.files.ReadFile("C:\\Lists\\Songs.mpl", bytes);
    return bytes;
  }
  void NameTheList() {
    env.files.AddFile("C:\\Lists\\Songs.mpl", "");
    form->ListFileName = "C:\\Lists\\Songs.mpl";
  }
};

TEST_F(MoveFilesTest, EachCommandOpensTheFolderDialogInItsMode) {
  struct Case {
    std::function<void()> open;
    const char* caption;
    const char* prompt;
  } cases[] = {
      {[&] { Choose(form->PopNewFolder); }, "Create New Folder", "Enter the name of the new folder:"},
      {[&] { Choose(form->MoveFileTo); }, "Move File", "Move 'c.wav' to this path:"},
      {[&] { Click(form->SpdMoveFile); }, "Move File", "Move 'c.wav' to this path:"},
      {[&] { Choose(form->MoveAllFilesTo); }, "Move All Files", "Move all files in the play list to this path:"},
      {[&] { Click(form->SpdMoveAllFiles); }, "Move All Files", "Move all files in the play list to this path:"},
  };
  Select(2);
  for (const Case& c : cases) {
    struct Seen {
      std::string caption, prompt, text;
      int selStart = -1, selLength = -1, width = 0, height = 0;
      bool topMost = false, dialogFrame = false, centred = false;
    } seen;
    env.modal.When("FormNF", [&](ui::TForm& dialog) {
      auto& edit = testing_support::Find<ui::TEdit>(dialog, "EditNF");
      seen = {dialog.Caption(), testing_support::Find<ui::TLabel>(dialog, "LabelNF").Caption(), edit.Text(),
              edit.SelStart(), edit.SelLength(), dialog.ClientWidth(), dialog.ClientHeight(), dialog.TopMost(),
              dialog.BorderStyle == ui::TFormBorderStyle::bsDialog && dialog.BorderIcons == 0,
              dialog.Position == ui::TPosition::poScreenCenter};
      testing_support::Press(dialog, "BitCancelNF");
    });
    c.open();
    EXPECT_EQ(seen.caption, c.caption);
    EXPECT_EQ(seen.prompt, c.prompt);
    EXPECT_EQ(seen.text, "C:\\Music\\") << "the file box's folder, ready for a name";
    EXPECT_EQ(seen.selStart, 9) << c.caption << ": the caret at the end";
    EXPECT_EQ(seen.selLength, 0) << c.caption;
    EXPECT_EQ(seen.width, 359);
    EXPECT_EQ(seen.height, 88);
    EXPECT_TRUE(seen.topMost && seen.dialogFrame && seen.centred) << c.caption;
  }
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(FilesIn("C:\\Music").size(), 4u);
}

TEST_F(MoveFilesTest, MoveFileMovesTheFileAndTheEntryFollowsIt) {
  NameTheList();
  MoveSelected(1, "C:\\Music\\Sub\\");
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(FilesIn("C:\\Music\\Sub"), Names{"b.wav"});
  EXPECT_EQ(form->PathList[1], "C:\\Music\\Sub\\b.wav");
  EXPECT_EQ(form->SongList.Items(), (Names{"a.wav", "b.wav", "c.wav", "d.wav"}));
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(form->FileListBox.Items(), (Names{"a.wav", "c.wav", "d.wav"})) << "the file list is read again";
  EXPECT_EQ(SavedList(), "C:\\Music\\a.wav\r\nC:\\Music\\Sub\\b.wav\r\nC:\\Music\\c.wav\r\nC:\\Music\\d.wav\r\n");
  EXPECT_EQ(form->ListChanged, 0);
}

TEST_F(MoveFilesTest, MoveFileIntoItsOwnFolderOnlySaysSo) {
  MoveSelected(1, "C:\\Music\\");
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "The file is already in that folder.");
  EXPECT_EQ(Boxes()[0].caption, "Move File");
  EXPECT_EQ(Boxes()[0].flags, ui::mbIconInformation | ui::mbTopMost);
  EXPECT_EQ(form->PathList[1], Path(1));
}

TEST_F(MoveFilesTest, AMissingFolderIsMadeOnlyWhenTheUserAgrees) {
  env.backend.AnswerNext(ui::mrCancel);
  MoveSelected(1, "C:\\Music\\New");
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "The directory \"C:\\Music\\New\" doesn't exist. Creat it Now?");
  EXPECT_EQ(Boxes()[0].caption, "Create New Folder?");
  EXPECT_EQ(Boxes()[0].flags, ui::mbOKCancel | ui::mbIconWarning | ui::mbTopMost);
  EXPECT_FALSE(env.files.FolderExists("C:\\Music\\New"));
  EXPECT_EQ(form->PathList[1], Path(1));

  env.backend.AnswerNext(ui::mrOk);
  MoveSelected(1, "C:\\Music\\New");
  EXPECT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(FilesIn("C:\\Music\\New"), Names{"b.wav"});
  EXPECT_EQ(form->PathList[1], "C:\\Music\\New\\b.wav");
  EXPECT_EQ(HighlightedFolder(), "New") << "the new folder's row is highlighted";
}

TEST_F(MoveFilesTest, AFolderThatCannotBeMadeEndsTheMove) {
  env.files.AddFile("C:\\Music\\Sub\\Taken", "");
  for (const char* typed : {"C:\\No\\Such", "C:\\Music\\Sub\\Taken", "Q:\\Songs"}) {
    env.backend.ClearBoxes();
    env.backend.AnswerNext(ui::mrOk);
    MoveSelected(1, typed);
    ASSERT_EQ(Boxes().size(), 2u) << typed;
    EXPECT_EQ(Boxes()[1].text, std::string("Cannot create new folder \"") + typed + "\" !");
    EXPECT_EQ(Boxes()[1].caption, "Error - Create New Folder");
    EXPECT_EQ(Boxes()[1].flags, ui::mbIconError | ui::mbTopMost);
    EXPECT_EQ(form->PathList[1], Path(1));
    EXPECT_TRUE(env.files.FileExists(Path(1)));
  }
}

TEST_F(MoveFilesTest, AFailedMoveIsReportedAndTheEntryKeepsItsPath) {
  env.files.SetInUse(Path(2), true);
  MoveSelected(2, "C:\\Music\\Sub");
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Cannot move file 'C:\\Music\\c.wav'.\nMake sure this file is not playing or opened.");
  EXPECT_EQ(Boxes()[0].caption, "Error - Move File");
  EXPECT_EQ(Boxes()[0].flags, ui::mbIconError | ui::mbTopMost);
  EXPECT_EQ(form->PathList[2], Path(2));
}

TEST_F(MoveFilesTest, MoveAllGoesOnPastAFailureInTheMiddle) {
  NameTheList();
  AddEntries({Path(1)});  // the same file twice
  env.files.SetInUse(Path(2), true);
  MoveAll("C:\\Music\\Sub");
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Cannot move file \"C:\\Music\\c.wav\".\nFile opened or playing now?");
  EXPECT_EQ(Boxes()[0].caption, "Error - Move File");
  EXPECT_EQ(Boxes()[0].flags, ui::mbIconError | ui::mbTopMost);
  EXPECT_EQ(FilesIn("C:\\Music\\Sub"), (Names{"a.wav", "b.wav", "d.wav"}));
  EXPECT_EQ(form->PathList,
            (Names{"C:\\Music\\Sub\\a.wav", "C:\\Music\\Sub\\b.wav", Path(2), "C:\\Music\\Sub\\d.wav",
                   "C:\\Music\\Sub\\b.wav"}));
  EXPECT_EQ(form->SongList.Items(), (Names{"a.wav", "b.wav", "c.wav", "d.wav", "b.wav"}));
  EXPECT_EQ(form->FileListBox.Items(), Names{"c.wav"});
  EXPECT_EQ(SavedList(), "C:\\Music\\Sub\\a.wav\r\nC:\\Music\\Sub\\b.wav\r\nC:\\Music\\c.wav\r\n"
                         "C:\\Music\\Sub\\d.wav\r\nC:\\Music\\Sub\\b.wav\r\n");
}

TEST_F(MoveFilesTest, MoveAllIntoTheFilesOwnFolderChangesNothing) {
  MoveAll("C:\\Music");
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(form->PathList, (Names{Path(0), Path(1), Path(2), Path(3)}));
}

TEST_F(MoveFilesTest, ARelativePathIsTakenFromTheCurrentFolderAndTheEntriesKeepFullPaths) {
  MoveSelected(3, "Sub");
  EXPECT_EQ(form->PathList[3], "C:\\Music\\Sub\\d.wav");
}

TEST_F(MoveFilesTest, AnEmptyPathIsRefusedWithAMessage) {
  MoveSelected(1, "\b");
  InFolderDialog("  ");
  Choose(form->PopNewFolder);
  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(Boxes()[0].text, "Type the path of a folder first.");
  EXPECT_EQ(Boxes()[0].caption, "Error - Move File");
  EXPECT_EQ(Boxes()[1].caption, "Error - Create New Folder");
  EXPECT_EQ(form->PathList[1], Path(1));
}

TEST_F(MoveFilesTest, CreateNewFolderMakesOneLevelAndHighlightsIt) {
  InFolderDialog("C:\\Music\\Older Songs\\");
  Choose(form->PopNewFolder);
  EXPECT_TRUE(Boxes().empty());
  EXPECT_TRUE(env.files.FolderExists("C:\\Music\\Older Songs"));
  EXPECT_EQ(form->DirectoryListBox.Items(), (Names{"C:\\", "Music", "Older Songs", "Sub"}));
  EXPECT_EQ(HighlightedFolder(), "Older Songs");
  EXPECT_EQ(form->FileBoxFolder(), "C:\\Music");

  for (const char* typed : {"C:\\Music\\Sub", "C:\\Gone\\New"}) {
    env.backend.ClearBoxes();
    InFolderDialog(typed);
    Choose(form->PopNewFolder);
    ASSERT_EQ(Boxes().size(), 1u) << typed;
    EXPECT_EQ(Boxes()[0].text, std::string("Cannot create new folder '") + typed + "'!");
    EXPECT_EQ(Boxes()[0].caption, "Error - Create New Folder");
    EXPECT_EQ(Boxes()[0].flags, ui::mbIconError);
  }
  EXPECT_FALSE(env.files.FolderExists("C:\\Gone"));
}

TEST_F(MoveFilesTest, CancelDoesNothing) {
  InFolderDialog("C:\\Music\\Sub", "BitCancelNF");
  Choose(form->MoveAllFilesTo);
  EXPECT_TRUE(FilesIn("C:\\Music\\Sub").empty());
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(MoveFilesTest, DeleteFolderRemovesOnlyAnEmptyFolder) {
  env.files.AddFile("C:\\Music\\Sub\\Full\\x.wav", "");
  env.files.AddFolder("C:\\Music\\Sub\\Empty");
  form->SetFileBoxFolder("C:\\Music\\Sub");
  ASSERT_EQ(form->DirectoryListBox.Items(), (Names{"C:\\", "Music", "Sub", "Empty", "Full"}));

  RightClickFolder(4);
  Choose(form->PopDeleteFolder);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Folder C:\\Music\\Sub\\Full is not empty!\nRemove all the files in this folder and try "
                             "again.");
  EXPECT_EQ(Boxes()[0].caption, "Error - Delete Folder");
  EXPECT_EQ(Boxes()[0].flags, ui::mbIconError);
  EXPECT_TRUE(env.files.FolderExists("C:\\Music\\Sub\\Full"));
  EXPECT_EQ(HighlightedFolder(), "Full") << "the folder list as it was";

  RightClickFolder(3);
  Choose(form->PopDeleteFolder);
  EXPECT_EQ(Boxes().size(), 1u);
  EXPECT_FALSE(env.files.FolderExists("C:\\Music\\Sub\\Empty"));
  EXPECT_EQ(form->DirectoryListBox.Items(), (Names{"C:\\", "Music", "Sub", "Full"}));

  // Without a highlighted row there is nothing to remove.
  env.app.Dispatch([&] { form->DirectoryListBox.SetItemIndex(-1); });
  Choose(form->PopDeleteFolder);
  EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(MoveFilesTest, TheFolderPopupHoldsItsTwoCommands) {
  EXPECT_EQ(form->DirectoryListBox.PopupMenu, &form->PopupDir);
  const auto& items = form->PopupDir.Items().Items();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0]->Caption(), "Create Ne&w Folder");
  EXPECT_EQ(items[1]->Caption(), "&Delete Folder");
}

struct DragToFolderTest : MoveFilesTest {
  // A press on an entry and a move along its row: the drag of the entry starts.
  MouseDrag GrabEntry(int index) {
    env.app.Dispatch([&] { form->SongList.UserSelect(index); });
    MouseDrag drag(form->SongList, Entry(index));
    drag.MoveTo(form->SongList, {Entry(index).x + 60, Entry(index).y});
    return drag;
  }
};

TEST_F(DragToFolderTest, AnEntryDroppedOnAFolderMovesItsFileThere) {
  NameTheList();
  MouseDrag drag = GrabEntry(2);
  EXPECT_EQ(form->DirectoryListBox.ItemIndex(), -1);
  drag.MoveTo(form->DirectoryListBox, Row(0));
  EXPECT_EQ(HighlightedFolder(), "C:\\") << "the row under the pointer is the target";
  drag.MoveTo(form->DirectoryListBox, Row(2));
  EXPECT_EQ(HighlightedFolder(), "Sub");
  drag.Release();

  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(FilesIn("C:\\Music\\Sub"), Names{"c.wav"});
  EXPECT_EQ(form->PathList[2], "C:\\Music\\Sub\\c.wav");
  EXPECT_EQ(form->SongList.Items(), (Names{"a.wav", "b.wav", "c.wav", "d.wav"}));
  EXPECT_EQ(form->FileListBox.Items(), (Names{"a.wav", "b.wav", "d.wav"}));
  EXPECT_EQ(SavedList(), "C:\\Music\\a.wav\r\nC:\\Music\\b.wav\r\nC:\\Music\\Sub\\c.wav\r\nC:\\Music\\d.wav\r\n");

  // Back up to the drive's root, a folder the file box does not show.
  GrabEntry(2).MoveTo(form->DirectoryListBox, Row(0)).Release();
  EXPECT_EQ(form->PathList[2], "C:\\c.wav");
}

TEST_F(DragToFolderTest, ADropBelowTheRowsMovesNothing) {
  GrabEntry(1).MoveTo(form->DirectoryListBox, Row(2)).MoveTo(form->DirectoryListBox, Row(6)).Release();
  EXPECT_EQ(form->DirectoryListBox.ItemIndex(), -1);
  EXPECT_EQ(form->PathList[1], Path(1));
  EXPECT_EQ(FilesIn("C:\\Music").size(), 4u);
}

TEST_F(DragToFolderTest, FilesOfTheFileListCannotBeDroppedThere) {
  env.app.Dispatch([&] { form->FileListBox.UserSelect(0); });
  MouseDrag drag(form->FileListBox, {40, 8});
  drag.MoveTo(form->FileListBox, {100, 8}).MoveTo(form->DirectoryListBox, Row(2));
  EXPECT_FALSE(env.app.Drag().Accepted());
  EXPECT_EQ(form->FileListBox.DragCursor, ui::TCursor::crNoDrop);
  drag.Release();
  EXPECT_EQ(FilesIn("C:\\Music").size(), 4u);
  EXPECT_TRUE(FilesIn("C:\\Music\\Sub").empty());
}

TEST_F(DragToFolderTest, AFailedMoveIsReportedAndChangesNothing) {
  env.files.AddFile("C:\\Music\\Sub\\b.wav", "other");
  GrabEntry(1).MoveTo(form->DirectoryListBox, Row(2)).Release();
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Cannot move file 'b.wav'\nMake sure it is not playing or opened at the moment.");
  EXPECT_EQ(Boxes()[0].caption, "Error - Move File");
  EXPECT_EQ(Boxes()[0].flags, ui::mbIconError | ui::mbTopMost);
  EXPECT_EQ(form->PathList[1], Path(1));
}

}  // namespace
