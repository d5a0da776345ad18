// The file box in the main window: its place and parts, the folder it starts in, the parts keeping in
// step, the add commands' states, refreshing, the highlighted folder, and the folders and drives it
// cannot show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/player_fixture.h"

namespace {

using testing_support::PlayerFixture;
using Names = std::vector<std::string>;

struct FileBoxTest : PlayerFixture {
  void SetUp() override {
    for (const char* name : {"a.mid", "b.wav", "c.avi", "d.rmi", "notes.txt"})
      env.files.AddFile(std::string("C:\\Music\\") + name, "data");
    env.files.AddFolder("C:\\Music\\Older");
    env.files.AddFolder("C:\\Empty");
    env.files.AddFolder("D:\\Samples");
    env.files.AddFile("D:\\Samples\\x.wav", "RIFF");
    env.files.AddDrive('D', os::DriveType::CdRom);
    env.files.AddDrive('A', os::DriveType::Removable, false);
    env.files.CurrentFolder = "C:\\Music";
    Start();
  }
  // Add selected, add all; the popup's two, after it opened.
  std::string AddCommands() {
    env.app.Dispatch([&] { form->PopupFileBox.Popup(300, 200); });
    std::string s;
    for (bool on : {form->BtnAddFile.Enabled(), form->BtnAddAll.Enabled(), form->PopupAddFile.Enabled(),
                    form->PopupAddAll.Enabled()})
      s += on ? '+' : '-';
    return s;
  }
  void SelectFile(int index, ui::TShiftState shift = 0) {
    env.app.Dispatch([&] { form->FileListBox.UserSelect(index, shift); });
  }
  void ChooseDrive(char letter) {
    env.app.Dispatch([&] {
      for (int i = 0; i < form->DriveComboBox.Count(); ++i)
        if (form->DriveComboBox.Item(i)[0] == letter) form->DriveComboBox.UserSelect(i);
    });
  }
  void ChooseFilter(int index) { env.app.Dispatch([&] { form->FilterComboBox.UserSelect(index); }); }
  void RightClickFolder(int x, int y) {
    env.app.Dispatch([&] { form->DirectoryListBox.MouseDown(ui::TMouseButton::mbRight, ui::ssRight, x, y); });
  }
};

TEST_F(FileBoxTest, PartsSitInTheFileBoxPanelWithTheirHints) {
  struct Case {
    ui::TControl& control;
    ui::TControl* parent;
    int left, top, width, height;
    const char* hint;
  } cases[] = {
      {form->SplitterWnd1, &form->PanelFileList, 4, 4, 326, 196, "Drag the spilt cursor to adjust width"},
      {form->DirectoryListBox, &form->Pane1, 0, 0, 148, 196, "Change directory"},
      {form->FileListBox, &form->Pane2, 0, 0, 175, 196, "Double click or drag files to play list"},
      {form->Pane2, &form->SplitterWnd1, 151, 0, 175, 196, ""},
      {form->DriveComboBox, &form->PanelFileList, 4, 204, 148, 22, "Select drive"},
      {form->FilterComboBox, &form->PanelFileList, 155, 204, 175, 22, "Selet file type"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.control.Parent(), c.parent) << c.control.Name();
    EXPECT_EQ(c.control.Left(), c.left) << c.control.Name();
    EXPECT_EQ(c.control.Top(), c.top) << c.control.Name();
    EXPECT_EQ(c.control.Width(), c.width) << c.control.Name();
    EXPECT_EQ(c.control.Height(), c.height) << c.control.Name();
    EXPECT_EQ(c.control.Hint(), c.hint) << c.control.Name();
  }
  EXPECT_EQ(form->Pane1.PaneSize(), 149);
  EXPECT_EQ(form->Pane2.PaneSize(), 177);
  EXPECT_EQ(form->SplitterWnd1.Thickness(), 3);
  EXPECT_EQ(form->DirectoryListBox.ItemHeight, 17);
  EXPECT_EQ(form->FileListBox.ItemHeight, 16);
  EXPECT_TRUE(form->FileListBox.MultiSelect());
  EXPECT_EQ(form->FileListBox.PopupMenu, &form->PopupFileBox);
  for (ui::TControl* control : std::initializer_list<ui::TControl*>{
           &form->DirectoryListBox, &form->FileListBox, &form->DriveComboBox, &form->FilterComboBox})
    EXPECT_EQ(control->Color(), ui::clBtnFace) << control->Name();

  EXPECT_EQ(form->FilterComboBox.Items(), (Names{"(*.avi;*.mid;*.rmi;*.wav)", "MIDI file(*.mid;*.rmi)",
                                                 "Audio file(*.wav)", "Video for Windows(*.avi)",
                                                 "All files (*.*)"}));
  EXPECT_EQ(form->FilterComboBox.ItemIndex(), 0);
  EXPECT_EQ(form->FileListBox.Mask(), "*.avi;*.mid;*.rmi;*.wav");

  const auto& popup = form->PopupFileBox.Items().Items();
  ASSERT_EQ(popup.size(), 4u);
  EXPECT_EQ(popup[0]->Caption(), "&Refresh");
  EXPECT_EQ(popup[0]->ShortCut(), ui::Ctrl('R'));
  EXPECT_EQ(popup[1]->Caption(), "-");
  EXPECT_EQ(popup[2]->Caption(), "&Add Selected Files");
  EXPECT_EQ(popup[3]->Caption(), "Add All &Files");
  EXPECT_EQ(form->RefreshFileBox.ShortCut(), ui::Ctrl('R'));
}

TEST_F(FileBoxTest, StartsInTheProcesssCurrentFolderWithItsMediaFiles) {
  EXPECT_EQ(form->FileBoxFolder(), "C:\\Music");
  EXPECT_EQ(form->DirectoryListBox.Items(), (Names{"C:\\", "Music", "Older"}));
  EXPECT_EQ(form->FileListBox.Directory(), "C:\\Music");
  EXPECT_EQ(form->FileListBox.Items(), (Names{"a.mid", "b.wav", "c.avi", "d.rmi"}));
  EXPECT_EQ(form->DriveComboBox.Drive(), 'C');
  EXPECT_EQ(AddCommands(), "-+-+");
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(FileBoxTest, TheFolderHandedOverMovesTheWholeFileBox) {
  form->SetFileBoxFolder("d:\\samples");
  EXPECT_EQ(form->FileBoxFolder(), "D:\\Samples");
  EXPECT_EQ(form->DriveComboBox.Drive(), 'D');
  EXPECT_EQ(form->FileListBox.Items(), Names{"x.wav"});
  EXPECT_EQ(AddCommands(), "-+-+");

  form->SetFileBoxFolder("C:\\Empty\\No Longer There");
  EXPECT_EQ(form->FileBoxFolder(), "C:\\Empty") << "the nearest folder that exists";
  EXPECT_EQ(form->DriveComboBox.Drive(), 'C');
  EXPECT_EQ(AddCommands(), "----");

  form->SetFileBoxFolder("");
  EXPECT_EQ(form->FileBoxFolder(), "C:\\Empty");
  EXPECT_TRUE(Boxes().empty());

  form->SetFileBoxFolder("A:\\Songs");
  ASSERT_EQ(Boxes().size(), 1u) << "reported, and the start goes on";
  EXPECT_EQ(Boxes()[0].text, "Drive A: is not ready.");
  EXPECT_EQ(Boxes()[0].caption, "MIDI Tunora 1.01");
  EXPECT_EQ(form->FileBoxFolder(), "C:\\Empty");
  EXPECT_EQ(form->DriveComboBox.Drive(), 'C');
}

TEST_F(FileBoxTest, TheAddCommandsFollowTheFilesListedAndSelected) {
  struct Case {
    const char* name;
    std::function<void()> act;
    const char* commands;  // "<", "<<", "&Add Selected Files", "Add All &Files"
  } cases[] = {
      {"files, none selected", [] {}, "-+-+"},
      {"one selected", [&] { SelectFile(1); }, "++++"},
      {"two selected", [&] { SelectFile(3, ui::ssCtrl); }, "++++"},
      {"one unselected of two", [&] { SelectFile(3, ui::ssCtrl); }, "++++"},
      {"the last unselected", [&] { SelectFile(1, ui::ssCtrl); }, "-+-+"},
      {"a filter matching nothing", [&] { ChooseFilter(3); }, "----"},
      {"all files", [&] { ChooseFilter(4); }, "-+-+"},
      {"an empty folder", [&] { form->SetFileBoxFolder("C:\\Empty"); }, "----"},
  };
  // No video left in the folder.
  env.files.Delete("C:\\Music\\c.avi");
  Click(form->SpeedBtnRefresh);
  for (const Case& c : cases) {
    c.act();
    EXPECT_EQ(AddCommands(), c.commands) << c.name;
  }
}

TEST_F(FileBoxTest, AllFilesListsEveryFileAndTheButtonsFollowAtOnce) {
  env.files.AddFile("C:\\Empty\\readme.txt", "text");
  form->SetFileBoxFolder("C:\\Empty");
  EXPECT_EQ(AddCommands(), "----");
  ChooseFilter(4);
  EXPECT_EQ(form->FileListBox.Items(), Names{"readme.txt"});
  EXPECT_EQ(form->BtnAddAll.Enabled(), true);
  ChooseFilter(1);
  EXPECT_TRUE(form->FileListBox.Items().empty());
  EXPECT_FALSE(form->BtnAddAll.Enabled());
}

TEST_F(FileBoxTest, TheDriveBoxMovesTheFolderListAndReappliesTheSameDrive) {
  ChooseDrive('D');
  EXPECT_EQ(form->FileBoxFolder(), "D:\\");
  EXPECT_EQ(form->DirectoryListBox.Items(), (Names{"D:\\", "Samples"}));
  EXPECT_TRUE(form->FileListBox.Items().empty());
  EXPECT_EQ(AddCommands(), "----");

  // The drive shown: the folder stays, and the file list and the buttons are brought up to date.
  form->SetFileBoxFolder("D:\\Samples");
  SelectFile(0);
  env.app.Dispatch([&] { form->FileListBox.Assign({}); });
  ChooseDrive('D');
  EXPECT_EQ(form->FileBoxFolder(), "D:\\Samples");
  EXPECT_EQ(AddCommands(), "----") << "the buttons follow the file list";
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(FileBoxTest, ADriveWithoutItsMediumIsReportedAndTheFileBoxStaysWhereItWas) {
  SelectFile(0);
  ChooseDrive('A');
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Drive A: is not ready.");
  EXPECT_EQ(Boxes()[0].flags, ui::mbOK | ui::mbIconError);
  EXPECT_EQ(form->DriveComboBox.Drive(), 'C');
  EXPECT_EQ(form->FileBoxFolder(), "C:\\Music");
  EXPECT_EQ(form->FileListBox.Count(), 4);
  EXPECT_EQ(AddCommands(), "++++");
}

TEST_F(FileBoxTest, OpeningAFolderMovesTheFileListAndTheButtons) {
  env.files.AddFile("C:\\Music\\Older\\old.mid", "MThd");
  env.app.Dispatch([&] {
    form->DirectoryListBox.UserSelect(2);
    form->DirectoryListBox.DblClick();
  });
  EXPECT_EQ(form->FileBoxFolder(), "C:\\Music\\Older");
  EXPECT_EQ(form->FileListBox.Items(), Names{"old.mid"});
  EXPECT_EQ(AddCommands(), "-+-+");

  // A folder without rights: reported, the file box stays.
  env.files.AddFolder("C:\\Music\\Older\\Private");
  env.files.DenyReading("C:\\Music\\Older\\Private");
  Click(form->SpeedBtnRefresh);
  env.app.Dispatch([&] {
    form->DirectoryListBox.UserSelect(3);
    std::uint16_t key = ui::vkReturn;
    form->DirectoryListBox.KeyDown(key, 0);
  });
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Cannot read folder C:\\Music\\Older\\Private: access denied.");
  EXPECT_EQ(form->FileBoxFolder(), "C:\\Music\\Older");
  EXPECT_EQ(form->FileListBox.Items(), Names{"old.mid"});
}

TEST_F(FileBoxTest, RefreshShowsWhatChangedOutsideButNoNewDrive) {
  env.files.AddFile("C:\\Music\\e.wav", "RIFF");
  env.files.Delete("C:\\Music\\a.mid");
  env.files.AddFolder("C:\\Music\\Newer");
  env.files.AddDrive('E', os::DriveType::Fixed);
  for (ui::TMenuItem* item : {&form->RefreshFileBox, &form->PopupRefresh}) {
    SelectFile(0);
    Choose(*item);
    EXPECT_EQ(form->FileListBox.Items(), (Names{"b.wav", "c.avi", "d.rmi", "e.wav"})) << item->Name();
    EXPECT_EQ(form->DirectoryListBox.Items(), (Names{"C:\\", "Music", "Newer", "Older"})) << item->Name();
    EXPECT_EQ(AddCommands(), "-+-+") << "nothing is selected after the new reading";
  }
  EXPECT_EQ(form->DriveComboBox.Items(), (Names{"A:", "C:", "D:"}));

  // The folder shown went: the file box goes up to the nearest folder left.
  for (const char* name : {"b.wav", "c.avi", "d.rmi", "e.wav", "notes.txt"})
    env.files.Delete(std::string("C:\\Music\\") + name);
  env.files.RemoveFolder("C:\\Music\\Newer");
  env.files.RemoveFolder("C:\\Music\\Older");
  env.files.CurrentFolder = "C:\\";
  env.files.RemoveFolder("C:\\Music");
  Click(form->SpeedBtnRefresh);
  EXPECT_EQ(form->FileBoxFolder(), "C:\\");
  EXPECT_TRUE(form->FileListBox.Items().empty());
  EXPECT_EQ(AddCommands(), "----");
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(FileBoxTest, ARightClickHighlightsAFolderWithoutOpeningIt) {
  env.files.AddFolder("C:\\Music\\Zed");
  Click(form->SpeedBtnRefresh);
  controls::TDirectoryListBox& dirs = form->DirectoryListBox;
  ASSERT_EQ(dirs.Items(), (Names{"C:\\", "Music", "Older", "Zed"}));
  EXPECT_EQ(dirs.ItemIndex(), 1);
  RightClickFolder(20, 17 * 3 + 5);
  EXPECT_EQ(dirs.ItemIndex(), 3);
  EXPECT_EQ(form->FileBoxFolder(), "C:\\Music");
  EXPECT_EQ(form->FileListBox.Count(), 4);
  RightClickFolder(20, 17 * 4 + 5);  // below the last row
  EXPECT_EQ(dirs.ItemIndex(), 3);
  env.app.Dispatch([&] { dirs.MouseDown(ui::TMouseButton::mbMiddle, 0, 20, 5); });
  EXPECT_EQ(dirs.ItemIndex(), 3) << "other buttons change nothing";
  EXPECT_EQ(dirs.GetItemPath(dirs.ItemIndex()), "C:\\Music\\Zed");
}

}  // namespace
