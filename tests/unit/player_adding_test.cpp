// Adding files of the file box to the play list: the double-clicked file, Enter, the selected files and
// all files, with the first file of an empty list made current, the paths as the file box forms them and
// the list's window kept in one run of changes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/player_fixture.h"

namespace {

using testing_support::PlayerFixture;
using Names = std::vector<std::string>;

const std::string kDeep = "C:\\" + std::string(120, 'p') + "\\" + std::string(120, 'q') + "\\Deep";  // 250

struct AddingTest : PlayerFixture {
  void SetUp() override {
    Put("C:\\Music", {"a.mid", "b.wav", "c.avi", "d.rmi", "notes.txt"});
    Put("C:\\", {"r1.wav", "r2.wav"});
    Put("C:\\M\xFAsica Vieja", {"Canci\xF3n uno.wav"});
    Put(kDeep, {"x1.wav"});
    env.files.AddFolder("C:\\Empty");
    env.files.CurrentFolder = "C:\\Music";
    Construct();
    form->GM.SetChecked(false);
    Create();
  }
  void Put(const std::string& folder, std::initializer_list<const char*> names) {
    int length = 10000;
    for (const char* name : names) {
      const std::string path = folder + (folder.back() == '\\' ? "" : "\\") + name;
      env.files.AddFile(path, "data");
      AddMediaFile(path, length += 1000);
    }
  }
  void SelectFile(int index, ui::TShiftState shift = 0) {
    env.app.Dispatch([&] { form->FileListBox.UserSelect(index, shift); });
  }
  void DoubleClickFile(int index) {
    env.app.Dispatch([&] {
      form->FileListBox.UserSelect(index);
      form->FileListBox.DblClick();
    });
  }
  void Press(ui::TControl& control, std::uint16_t key) {
    env.app.Dispatch([&] { control.KeyDown(key, 0); });
  }
  Names Entries() const { return form->SongList.Items(); }
  bool Playing() const { return form->MIDIPlayer.Mode() == os::DeviceMode::Playing; }
  // The pointers the screen showed since the window came up.
  std::vector<ui::TCursor> Pointers() const {
    const auto& history = env.backend.CursorHistory();
    return {history.begin() + startPointers, history.end()};
  }
  std::size_t startPointers = 0;
};

TEST_F(AddingTest, ADoubleClickedFileJoinsTheEndAndTheFirstOfAnEmptyListBecomesCurrent) {
  startPointers = env.backend.CursorHistory().size();
  DoubleClickFile(1);
  EXPECT_EQ(Entries(), Names{"b.wav"});
  EXPECT_EQ(form->PathList, Names{"C:\\Music\\b.wav"});
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(form->Caption(), "b.wav - 0:12 - MIDI Tunora");
  EXPECT_TRUE(Playing()) << "Auto is on";
  EXPECT_TRUE(form->SongList.Enabled());
  EXPECT_TRUE(form->SongList.Focused());
  EXPECT_TRUE(form->FileSaveList.Enabled());
  EXPECT_FALSE(form->SpdBtnNext.Enabled());
  EXPECT_EQ(form->ListChanged, 1);
  EXPECT_EQ(Pointers(), (std::vector<ui::TCursor>{ui::TCursor::crHourGlass, ui::TCursor::crDefault}));

  DoubleClickFile(3);
  EXPECT_EQ(Entries(), (Names{"b.wav", "d.rmi"}));
  EXPECT_EQ(form->PathList[1], "C:\\Music\\d.rmi");
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(form->Caption().substr(0, 5), "b.wav") << "later files never change the current one";
  EXPECT_EQ(form->SongList.ItemIndex(), 1);
  EXPECT_TRUE(form->SpdBtnNext.Enabled());
  EXPECT_TRUE(form->SpdBtnPrev.Enabled());
  EXPECT_TRUE(form->FileSortList.Enabled());
  EXPECT_TRUE(form->MoveFileUp.Enabled()) << "the selection rule ran for the new last entry";
  EXPECT_FALSE(form->MoveFileDown.Enabled());
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(AddingTest, ADoubleClickAddsNothingWithoutAFocusedSelectedFile) {
  SelectFile(2);
  SelectFile(2, ui::ssCtrl);  // focused, no longer selected
  env.app.Dispatch([&] { form->FileListBox.DblClick(); });
  env.app.Dispatch([&] { form->FileListBox.Assign(form->FileListBox.Items()); });  // nothing focused
  env.app.Dispatch([&] { form->FileListBox.DblClick(); });
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(form->ListChanged, 0);
  EXPECT_FALSE(form->SongList.Enabled());
}

TEST_F(AddingTest, EnterInTheFileListAddsTheFocusedFile) {
  SelectFile(0);
  Press(form->FileListBox, ui::vkDown);
  EXPECT_TRUE(Entries().empty());
  Press(form->FileListBox, ui::vkReturn);
  EXPECT_EQ(Entries(), Names{"a.mid"});
  Press(form->SongList, ui::vkReturn);
  EXPECT_EQ(Entries(), Names{"a.mid"}) << "Enter in the play list adds nothing";
}

struct AddCase {
  const char* name;
  const char* folder;
  int filter;
  std::vector<int> selected;  // clicked in this order, the first alone, the others with Ctrl
  bool all, popup;
  Names paths;
};

const AddCase kAddCases[] = {
    {"SelectedInListOrder", "C:\\Music", 0, {3, 0}, false, false, {"C:\\Music\\a.mid", "C:\\Music\\d.rmi"}},
    {"SelectedFromThePopup", "C:\\Music", 0, {1}, false, true, {"C:\\Music\\b.wav"}},
    {"All",
     "C:\\Music",
     0,
     {2},
     true,
     false,
     {"C:\\Music\\a.mid", "C:\\Music\\b.wav", "C:\\Music\\c.avi", "C:\\Music\\d.rmi"}},
    {"AllWhateverTheirType",
     "C:\\Music",
     4,
     {},
     true,
     true,
     {"C:\\Music\\a.mid", "C:\\Music\\b.wav", "C:\\Music\\c.avi", "C:\\Music\\d.rmi", "C:\\Music\\notes.txt"}},
    {"AllOfADriveRoot", "C:\\", 0, {}, true, false, {"C:\\r1.wav", "C:\\r2.wav"}},
    {"NamesWithBlanksAndCodePageLetters", "C:\\m\xFAsica vieja", 0, {0}, false, false,
     {"C:\\M\xFAsica Vieja\\Canci\xF3n uno.wav"}},
    {"APathNearTheLengthLimit", kDeep.c_str(), 0, {}, true, false, {kDeep + "\\x1.wav"}},
};

struct AddButtonTest : AddingTest, ::testing::WithParamInterface<AddCase> {};

TEST_P(AddButtonTest, FilesJoinTheEndAsTheFileBoxListsThem) {
  const AddCase& c = GetParam();
  form->SetFileBoxFolder(c.folder);
  env.app.Dispatch([&] { form->FilterComboBox.UserSelect(c.filter); });
  for (std::size_t i = 0; i < c.selected.size(); ++i) SelectFile(c.selected[i], i == 0 ? 0 : ui::ssCtrl);
  form->AutoPlay.SetChecked(false);
  if (c.popup) {
    env.app.Dispatch([&] { form->PopupFileBox.Popup(400, 100); });
    Choose(c.all ? form->PopupAddAll : form->PopupAddFile);
  } else {
    Click(c.all ? form->BtnAddAll : form->BtnAddFile);
  }
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(form->PathList, c.paths);
  ASSERT_EQ(Entries().size(), c.paths.size());
  for (std::size_t i = 0; i < c.paths.size(); ++i)
    EXPECT_EQ(Entries()[i], c.paths[i].substr(c.paths[i].rfind('\\') + 1));
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(form->Caption().substr(0, Entries()[0].size()), Entries()[0]);
  EXPECT_FALSE(Playing());
  EXPECT_EQ(Transport(), "P--");
  EXPECT_EQ(form->SongList.ItemIndex(), static_cast<int>(c.paths.size()) - 1);
  EXPECT_TRUE(form->SongList.Focused());
  EXPECT_FALSE(form->SongList.Updating());
  EXPECT_EQ(form->SpdBtnNext.Enabled(), c.paths.size() > 1);
  EXPECT_EQ(form->ListChanged, 1);
  EXPECT_EQ(env.app.Screen().Cursor(), ui::TCursor::crDefault);
}

INSTANTIATE_TEST_SUITE_P(Situations, AddButtonTest, ::testing::ValuesIn(kAddCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AddingTest, AddingAgainDuplicatesEntriesAndKeepsTheCurrentOne) {
  Click(form->BtnAddAll);
  ASSERT_EQ(Entries().size(), 4u);
  DoubleClickEntry(2);
  TakeMediaLog();
  Click(form->BtnAddAll);
  EXPECT_EQ(Entries().size(), 8u);
  EXPECT_EQ(form->PathList[6], form->PathList[2]);
  EXPECT_EQ(form->CurrentIndex, 2);
  EXPECT_TRUE(TakeMediaLog().empty()) << "the device is not touched";
}

TEST_F(AddingTest, AnEmptyFileListSendsTheFocusToTheFolderListAndNothingSelectedAddsNothing) {
  form->SetFileBoxFolder("C:\\Empty");
  env.app.Dispatch([&] { form->BtnAddAllClick(&form->BtnAddAll); });
  EXPECT_TRUE(form->DirectoryListBox.Focused());
  env.app.Dispatch([&] { form->BtnAddFileClick(&form->PopupAddFile); });
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(form->ListChanged, 0);

  form->SetFileBoxFolder("C:\\Music");
  env.app.Dispatch([&] { form->BtnAddFileClick(&form->BtnAddFile); });
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(form->ListChanged, 0);
  EXPECT_TRUE(form->DirectoryListBox.Focused());
}

TEST_F(AddingTest, TheFirstFileStartsWithAutoAndTheScrollRangeIsAppliedOnce) {
  const std::string wide = "An evening of very long file names that do not fit the play list.wav";
  Put("C:\\Long", {wide.c_str(), "short.wav"});
  form->SetFileBoxFolder("C:\\Long");
  Click(form->BtnAddAll);
  EXPECT_TRUE(Playing());
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_EQ(form->Caption().substr(0, 10), "An evening");
  const int widest = 6 * static_cast<int>(wide.size()) + 3;  // the headless font: 6 pixels a character
  EXPECT_EQ(form->WidestEntryWidth, widest);
  EXPECT_EQ(form->SongList.HorizontalExtent(), widest);
}

TEST_F(AddingTest, AFileThatCannotBeOpenedEndsTheAddWithTheListAndPointerUsable) {
  Put("C:\\Broken", {"b.wav"});
  env.files.AddFile("C:\\Broken\\a.wav", "not a wave");  // the device cannot open it
  form->SetFileBoxFolder("C:\\Broken");
  Click(form->BtnAddAll);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Entries(), Names{"a.wav"}) << "the error ends the handler";
  EXPECT_EQ(form->PathList.size(), 1u);
  EXPECT_FALSE(form->SongList.Updating());
  EXPECT_EQ(env.app.Screen().Cursor(), ui::TCursor::crDefault);
}

}  // namespace
