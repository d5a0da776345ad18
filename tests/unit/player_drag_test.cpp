// Drag and drop onto the play list, as the user does it with the mouse: an entry dragged to another
// place, files dragged from the file list, files dropped from the shell, and lists scrolled by a drag
// held at their edge.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/drag.h"
#include "support/player_fixture.h"

namespace {

using testing_support::MouseDrag;
using testing_support::PlayerFixture;
using ui::TCursor;
using Names = std::vector<std::string>;

struct PlayListDragTest : PlayerFixture {
  void SetUp() override {
    for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav", "e.wav"}) {
      env.files.AddFile(std::string("C:\\Music\\") + name, "RIFF");
      AddMediaFile(std::string("C:\\Music\\") + name, 20000);
      AddMediaFile(std::string("C:\\List\\") + name, 30000);
    }
    env.files.AddFolder("C:\\Music\\Sub");
    env.files.CurrentFolder = "C:\\Music";
    Construct();
    form->GM.SetChecked(false);
    form->AutoPlay.SetChecked(false);
    Create();
  }
  // Entries C:\List\a.wav to e.wav, as many as asked; the entry `current` loaded.
  void Fill(int count, int current) {
    Names paths;
    for (int i = 0; i < count; ++i) paths.push_back(std::string("C:\\List\\") + static_cast<char>('a' + i) + ".wav");
    AddEntries(paths);
    if (current != 0) DoubleClickEntry(current);
    form->ListChanged = 0;
    TakeMediaLog();
  }
  // The middle of an entry's row, or of the row below the last entry, in the play list.
  static ui::TPoint Entry(int index) { return {40, 13 * index + 6}; }
  static ui::TPoint File(int index) { return {40, 16 * index + 8}; }
  // A press on an entry: the list selects it, then reports the press; a move along its row starts the drag.
  MouseDrag GrabEntry(int index) {
    env.app.Dispatch([&] { form->SongList.UserSelect(index); });
    MouseDrag drag(form->SongList, Entry(index));
    drag.MoveTo(form->SongList, {Entry(index).x + 60, Entry(index).y});
    return drag;
  }
  // Files selected in the file list, the first alone and the others with Ctrl; the press is on the last,
  // selected already, and a move along its row starts the drag.
  MouseDrag GrabFiles(const std::vector<int>& files) {
    bool first = true;
    for (int i : files) {
      env.app.Dispatch([&] { form->FileListBox.UserSelect(i, first ? 0 : ui::ssCtrl); });
      first = false;
    }
    const int last = files.back();
    MouseDrag drag(form->FileListBox, File(last));
    drag.MoveTo(form->FileListBox, {File(last).x + 60, File(last).y});
    return drag;
  }
  Names Entries() const { return form->SongList.Items(); }
  // The file on the device, from the caption it gave the window.
  std::string Loaded() const { return form->Caption().substr(0, 5); }
  std::string UpDown() const {
    return std::string(form->MoveFileUp.Enabled() ? "U" : "-") + (form->MoveFileDown.Enabled() ? "D" : "-");
  }
  // Remove, Kill and Move File: the commands of one selected entry besides up and down.
  std::string SingleCommands() const {
    std::string s;
    for (ui::TControl* c : std::initializer_list<ui::TControl*>{&form->BtnRemove, &form->BtnKill, &form->SpdMoveFile})
      s += c->Enabled() ? '+' : '-';
    return s;
  }
  TCursor Pointer() { return env.app.Screen().Cursor(); }
  bool SawPointer(TCursor cursor) const {
    const auto& history = env.backend.CursorHistory();
    return std::find(history.begin(), history.end(), cursor) != history.end();
  }
};

struct ReorderCase {
  const char* name;
  int from, to, current;
  const char* order;  // the entries' letters after the drop
  int currentAfter, selectedAfter;
  bool changed;
  const char* upDown;
};

const ReorderCase kReorderCases[] = {
    {"OntoItself", 2, 2, 0, "abcde", 0, 2, false, "UD"},
    {"OntoTheOneBelow", 2, 3, 0, "abcde", 0, 2, false, "UD"},
    {"DownPastTheCurrent", 0, 3, 2, "bcade", 1, 2, true, "UD"},
    {"TheCurrentDown", 1, 4, 1, "acdbe", 3, 3, true, "UD"},
    {"TheCurrentUpToTheTop", 3, 0, 3, "dabce", 0, 0, true, "-D"},
    {"UpPastTheCurrent", 4, 1, 2, "aebcd", 3, 1, true, "UD"},
    {"UpOntoTheCurrent", 3, 2, 2, "abdce", 3, 2, true, "UD"},
    {"BelowTheLastEntry", 1, 5, 0, "acdeb", 0, 4, true, "U-"},
    {"TheCurrentBelowTheLastEntry", 2, 5, 2, "abdec", 4, 4, true, "U-"},
    {"AwayFromTheCurrent", 3, 1, 0, "adbce", 0, 1, true, "UD"},
};

struct ReorderTest : PlayListDragTest, ::testing::WithParamInterface<ReorderCase> {};

TEST_P(ReorderTest, TheEntryMovesAndTheCurrentIndexKeepsNamingTheLoadedFile) {
  const ReorderCase& c = GetParam();
  Fill(5, c.current);
  form->DirectoryListBox.SetItemIndex(2);
  GrabEntry(c.from).MoveTo(form->SongList, Entry(c.to)).Release();

  std::string order;
  for (const std::string& entry : Entries()) order += entry[0];
  EXPECT_EQ(order, c.order);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(form->PathList[i], "C:\\List\\" + Entries()[i]) << i;
  EXPECT_EQ(form->CurrentIndex, c.currentAfter);
  EXPECT_EQ(Entries()[c.currentAfter], Loaded());
  EXPECT_TRUE(TakeMediaLog().empty()) << "the device is not touched";
  EXPECT_EQ(form->SongList.ItemIndex(), c.selectedAfter);
  EXPECT_EQ(form->ListChanged, c.changed ? 1 : 0);
  EXPECT_EQ(UpDown(), c.upDown);
  EXPECT_EQ(SingleCommands(), "+++");
  EXPECT_EQ(form->DirectoryListBox.ItemIndex(), -1) << "the folder list's highlight goes when the drag starts";
  EXPECT_EQ(Pointer(), TCursor::crDefault);
  EXPECT_TRUE(SawPointer(TCursor::crDrag));
  EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Drops, ReorderTest, ::testing::ValuesIn(kReorderCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayListDragTest, AnEntryDraggedOutAndBackIsDroppedWithAllItsCommands) {
  Fill(4, 0);
  MouseDrag drag = GrabEntry(1);
  drag.MoveTo(form->SongList, Entry(3));
  EXPECT_EQ(form->SongList.ItemIndex(), 3) << "the entry under the mouse is selected";
  drag.MoveTo(form->SongList, Entry(6));
  EXPECT_EQ(form->SongList.ItemIndex(), -1) << "below the last entry nothing is";
  drag.MoveTo(form->PanelMid, {20, 150});
  EXPECT_EQ(form->SongList.ItemIndex(), -1);
  EXPECT_EQ(UpDown() + SingleCommands(), "-----") << "leaving the list switches the commands off";
  EXPECT_TRUE(form->BtnRemoveAll.Enabled());
  drag.MoveTo(form->SongList, Entry(0));
  drag.Release();
  EXPECT_EQ(Entries(), (Names{"b.wav", "a.wav", "c.wav", "d.wav"}));
  EXPECT_EQ(UpDown() + SingleCommands(), "-D+++");
}

TEST_F(PlayListDragTest, AnEntryDroppedElsewhereOrCancelledChangesNothing) {
  Fill(3, 1);
  GrabEntry(0).MoveTo(form->PanelMid, {20, 150}).Release();
  GrabEntry(2).MoveTo(form->SongList, Entry(0)).Cancel();
  EXPECT_EQ(Entries(), (Names{"a.wav", "b.wav", "c.wav"}));
  EXPECT_EQ(form->CurrentIndex, 1);
  EXPECT_EQ(form->ListChanged, 0);
  EXPECT_EQ(Pointer(), TCursor::crDefault);

  // A drag begun below the last entry with nothing selected carries no entry.
  form->SongList.SetItemIndex(-1);
  MouseDrag drag(form->SongList, Entry(4));
  drag.MoveTo(form->SongList, Entry(2)).Release();
  EXPECT_EQ(Entries(), (Names{"a.wav", "b.wav", "c.wav"}));
  EXPECT_EQ(form->ListChanged, 0);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(PlayListDragTest, ARightPressSelectsTheEntryUnderThePointerForThePopup) {
  Fill(3, 0);
  env.app.Dispatch([&] { form->SongList.UserSelect(0); });
  env.app.Dispatch([&] { form->SongList.MouseDown(ui::TMouseButton::mbRight, ui::ssRight, 40, Entry(2).y); });
  EXPECT_EQ(form->SongList.ItemIndex(), 2);
  EXPECT_EQ(form->DragIndex, 0) << "the entry selected at the press";
  env.app.Dispatch([&] { form->SongList.MouseDown(ui::TMouseButton::mbRight, ui::ssRight, 40, Entry(5).y); });
  EXPECT_EQ(form->SongList.ItemIndex(), 2) << "below the last entry the selection stays";
  EXPECT_FALSE(form->SongList.Dragging()) << "only the left button drags";
}

TEST_F(PlayListDragTest, ThreeFilesOnTheFirstLineOfAnEmptyListLoadTheFirst) {
  form->AutoPlay.SetChecked(true);
  ASSERT_FALSE(form->SongList.Enabled());
  MouseDrag drag = GrabFiles({0, 2, 4});
  EXPECT_TRUE(form->SongList.Enabled()) << "enabled to take the drop";
  drag.MoveTo(form->SongList, Entry(0));
  EXPECT_EQ(Pointer(), TCursor::crMultiDrag);
  EXPECT_EQ(form->FileListBox.DragCursor, TCursor::crMultiDrag);
  EXPECT_EQ(env.backend.DragCursorHistory().back(), TCursor::crMultiDrag);
  drag.Release();

  EXPECT_EQ(Entries(), (Names{"a.wav", "c.wav", "e.wav"}));
  EXPECT_EQ(form->PathList, (Names{"C:\\Music\\a.wav", "C:\\Music\\c.wav", "C:\\Music\\e.wav"}));
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(Loaded(), "a.wav");
  EXPECT_EQ(Transport(), "-PS") << "Auto starts the first file";
  EXPECT_EQ(form->SongList.ItemIndex(), 2);
  EXPECT_TRUE(form->SpdBtnNext.Enabled());
  EXPECT_EQ(UpDown() + SingleCommands(), "U-+++");
  EXPECT_EQ(form->ListChanged, 1);
  EXPECT_EQ(Pointer(), TCursor::crDefault);
  EXPECT_FALSE(form->SongList.Updating());
  EXPECT_TRUE(SawPointer(TCursor::crHourGlass));
  EXPECT_TRUE(Boxes().empty());
}

struct FileDropCase {
  const char* name;
  int at;  // the row of the drop; 5 is below the last entry
  std::vector<int> files;
  const char* order;  // letters; upper case for the dropped files
  int currentAfter, selectedAfter;
};

const FileDropCase kFileDropCases[] = {
    {"AboveTheCurrent", 1, {1, 3}, "aBDbcd", 4, 2},
    {"OnTheCurrent", 2, {4}, "abEcd", 3, 2},
    {"BelowTheCurrent", 3, {0}, "abcAd", 2, 3},
    {"BelowTheLastEntry", 5, {0, 1}, "abcdAB", 2, 5},
};

struct FileDropTest : PlayListDragTest, ::testing::WithParamInterface<FileDropCase> {};

TEST_P(FileDropTest, FilesDroppedOnAFilledListKeepTheSameFileCurrent) {
  const FileDropCase& c = GetParam();
  Fill(4, 2);
  GrabFiles(c.files).MoveTo(form->SongList, Entry(c.at)).Release();
  std::string order;
  for (std::size_t i = 0; i < Entries().size(); ++i) {
    const bool dropped = form->PathList[i].starts_with("C:\\Music\\");
    order += static_cast<char>(dropped ? std::toupper(Entries()[i][0]) : Entries()[i][0]);
  }
  EXPECT_EQ(order, c.order);
  EXPECT_EQ(form->CurrentIndex, c.currentAfter);
  EXPECT_EQ(form->PathList[c.currentAfter], "C:\\List\\c.wav");
  EXPECT_EQ(Loaded(), "c.wav");
  EXPECT_TRUE(TakeMediaLog().empty());
  EXPECT_EQ(form->SongList.ItemIndex(), c.selectedAfter);
  EXPECT_EQ(form->FileListBox.DragCursor, c.files.size() > 1 ? TCursor::crMultiDrag : TCursor::crDrag);
  EXPECT_EQ(form->ListChanged, 1);
}

INSTANTIATE_TEST_SUITE_P(Drops, FileDropTest, ::testing::ValuesIn(kFileDropCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayListDragTest, AFileDragThatEndsElsewhereLeavesAnEmptyListDisabled) {
  GrabFiles({1}).MoveTo(form->SongList, Entry(0)).MoveTo(form->PanelMid, {20, 150}).Release();
  EXPECT_FALSE(form->SongList.Enabled());
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(Pointer(), TCursor::crDefault);
  GrabFiles({1}).MoveTo(form->SongList, Entry(0)).Cancel();
  EXPECT_FALSE(form->SongList.Enabled());
  EXPECT_EQ(form->ListChanged, 0);

  // With entries the list stays enabled, and the commands follow its selection again.
  Fill(2, 0);
  env.app.Dispatch([&] { form->SongList.UserSelect(1); });
  GrabFiles({1}).MoveTo(form->SongList, Entry(0)).MoveTo(form->DirectoryListBox, {20, 20}).Release();
  EXPECT_TRUE(form->SongList.Enabled());
  EXPECT_EQ(form->SongList.ItemIndex(), -1);
  EXPECT_EQ(UpDown() + SingleCommands(), "-----");
  EXPECT_TRUE(form->BtnRemoveAll.Enabled());
  EXPECT_EQ(Entries().size(), 2u);
  EXPECT_EQ(form->ListChanged, 0);
}

TEST_F(PlayListDragTest, AFileListWithoutAFocusedFileStartsNoDrag) {
  MouseDrag(form->FileListBox, File(0)).MoveTo(form->SongList, Entry(0)).Release();
  EXPECT_EQ(form->FileListBox.DragMode, ui::TDragMode::dmManual);
  EXPECT_FALSE(form->SongList.Enabled());
  EXPECT_TRUE(Entries().empty());
  env.app.Dispatch([&] { form->FileListBox.UserSelect(0); });
  MouseDrag drag(form->FileListBox, File(0));
  EXPECT_EQ(form->FileListBox.DragMode, ui::TDragMode::dmAutomatic);
  EXPECT_TRUE(form->FileListBox.Dragging());
  drag.Cancel();
}

TEST_F(PlayListDragTest, DropsFromOtherSourcesOrOutsideTheListAreIgnored) {
  Fill(2, 0);
  env.app.Dispatch([&] { form->FileListBox.UserSelect(0); });
  env.app.Dispatch([&] { form->SongListDragDrop(&form->SongList, &form->DirectoryListBox, 40, Entry(0).y); });
  env.app.Dispatch([&] { form->SongListDragDrop(&form->SongList, &form->FileListBox, -3, Entry(0).y); });
  env.app.Dispatch([&] { form->SongListDragDrop(&form->SongList, &form->SongList, 40, 5000); });
  EXPECT_EQ(Entries().size(), 2u);
  EXPECT_EQ(form->ListChanged, 0);
}

TEST_F(PlayListDragTest, FilesFromTheShellAreInsertedWhereDroppedWithoutFolders) {
  const Names dropped{"C:\\Music\\d.wav", "C:\\Music\\Sub", "C:\\Music\\e.wav"};
  // On the empty list, which is disabled: its panel takes the drop.
  env.app.Dispatch([&] { form->PanelSongList.DropFiles(dropped, 30, 30); });
  EXPECT_EQ(Entries(), (Names{"d.wav", "e.wav"}));
  EXPECT_EQ(form->PathList, (Names{"C:\\Music\\d.wav", "C:\\Music\\e.wav"}));
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(Loaded(), "d.wav");
  EXPECT_TRUE(form->SongList.Enabled());
  EXPECT_EQ(form->ListChanged, 1);

  // Above the current entry, which keeps its file; below the last entry, at the end.
  DoubleClickEntry(1);
  env.app.Dispatch([&] { form->SongList.DropFiles({"C:\\Music\\a.wav", "C:\\Music\\b.wav"}, 30, Entry(1).y); });
  EXPECT_EQ(Entries(), (Names{"d.wav", "a.wav", "b.wav", "e.wav"}));
  EXPECT_EQ(form->CurrentIndex, 3);
  EXPECT_EQ(Loaded(), "e.wav");
  EXPECT_EQ(form->SongList.ItemIndex(), 2);
  env.app.Dispatch([&] { form->SongList.DropFiles({"C:\\Music\\c.wav"}, 30, Entry(9).y); });
  EXPECT_EQ(Entries().back(), "c.wav");
  EXPECT_EQ(form->CurrentIndex, 3);

  form->ListChanged = 0;
  env.app.Dispatch([&] { form->SongList.DropFiles({"C:\\Music\\Sub"}, 30, Entry(0).y); });
  EXPECT_EQ(Entries().size(), 5u) << "folders alone add nothing";
  EXPECT_EQ(form->ListChanged, 0);
  EXPECT_EQ(Pointer(), TCursor::crDefault);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(PlayListDragTest, ADragHeldAtTheFolderListsEdgeScrollsItWhenThePlayListDoesNot) {
  for (int i = 0; i < 30; ++i) env.files.AddFolder("C:\\Music\\Sub\\Folder" + std::to_string(10 + i));
  form->SetFileBoxFolder("C:\\Music\\Sub");
  controls::TDirectoryListBox& dirs = form->DirectoryListBox;
  ASSERT_EQ(dirs.Count(), 33);
  Fill(20, 0);
  auto tick = [&] { env.app.Dispatch([&] { form->ThreadedTimerTimer(&form->ThreadedTimer); }); };
  // The first row whose top lies lower than an item height and 2 pixels above the bottom.
  const int lowest = (dirs.ClientHeight() - dirs.ItemHeight - 2) / dirs.ItemHeight + 1;

  dirs.SetItemIndex(lowest);
  form->SongList.SetItemIndex(5);
  tick();
  EXPECT_EQ(dirs.ItemIndex(), lowest) << "no drag, no scrolling";

  env.app.Screen().SetCursor(TCursor::crDrag);
  tick();
  EXPECT_EQ(dirs.ItemIndex(), lowest + 1) << "the play list's selection sits away from its edges";
  EXPECT_EQ(form->SongList.ItemIndex(), 5);
  dirs.SetItemIndex(lowest - 1);
  tick();
  EXPECT_EQ(dirs.ItemIndex(), lowest - 1);

  dirs.SetItemIndex(lowest);
  form->SongList.SetItemIndex(0);
  form->SongList.SetTopIndex(0);
  const int songsLowest = (form->SongList.ClientHeight() - 18) / form->SongList.ItemHeight + 1;
  form->SongList.SetItemIndex(songsLowest);  // at the play list's bottom edge
  tick();
  EXPECT_EQ(form->SongList.ItemIndex(), songsLowest + 1);
  EXPECT_EQ(dirs.ItemIndex(), lowest) << "the play list scrolled: the folder list waits";

  form->SongList.SetItemIndex(-1);
  env.app.Screen().SetCursor(TCursor::crMultiDrag);
  dirs.SetTopIndex(10);
  dirs.SetItemIndex(10);
  tick();
  EXPECT_EQ(dirs.ItemIndex(), 9) << "up from the top row";
  dirs.SetTopIndex(0);
  dirs.SetItemIndex(0);
  tick();
  EXPECT_EQ(dirs.ItemIndex(), 0);
  dirs.SetTopIndex(32 - lowest);
  dirs.SetItemIndex(32);
  tick();
  EXPECT_EQ(dirs.ItemIndex(), 32) << "never past the last row";
  dirs.SetItemIndex(-1);
  tick();
  EXPECT_EQ(dirs.ItemIndex(), -1);
  env.app.Screen().SetCursor(TCursor::crDefault);
  EXPECT_TRUE(Boxes().empty());
}

}  // namespace
