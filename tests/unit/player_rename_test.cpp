// Renaming an entry's file in the rename box: the box over the entry, Enter and Esc, the disk and the
// lists after each outcome with its message, the caption of the loaded entry, a named list saved, and
// the request flag that keeps an Alt + click rename open across the clicks on the list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/drag.h"
#include "support/player_fixture.h"

namespace {

using testing_support::MouseDrag;
using testing_support::PlayerFixture;
using Names = std::vector<std::string>;

// C:\Music holds a.wav to d.wav (10 to 40 seconds), all four in the play list, a.wav loaded.
struct RenameTest : PlayerFixture {
  void SetUp() override {
    for (int i = 0; i < 4; ++i) {
      env.files.AddFile(Path(i), "RIFF");
      AddMediaFile(Path(i), 10000 * (i + 1));
    }
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

  // A left press on an entry, as the window system gives it: the list takes the focus, selects the
  // entry (its click) and reports the press.
  void PressEntry(int index, ui::TShiftState shift = 0) {
    env.app.Dispatch([&] {
      form->SongList.SetFocus();
      form->SongList.UserSelect(index);
    });
    MouseDrag(form->SongList, Entry(index), shift).Release();
  }
  void OpenRenameBox(int index) {
    env.app.Dispatch([&] { form->SongList.UserSelect(index); });
    Choose(form->PopRename);
  }
  void Key(std::uint16_t key) {
    env.app.Dispatch([&] { form->EditFile.KeyDown(key, 0); });
  }
  // Replaces the box's text as the user does, then Enter.
  void Rename(int index, const std::string& name) {
    OpenRenameBox(index);
    env.app.Dispatch([&] {
      form->EditFile.SelectAll();
      form->EditFile.UserType(name.empty() ? "\b" : name);
    });
    Key(ui::vkReturn);
  }
  Names Entries() const { return form->SongList.Items(); }
  Names FilesOnDisk() {
    std::vector<os::FolderEntry> files;
    env.files.ListFiles("C:\\Music", "*.*", files);
    Names names;
    for (const auto& file : files) names.push_back(file.name);
    return names;
  }
  bool BoxShows() const { return form->EditFile.Visible(); }
};

TEST_F(RenameTest, TheBoxOpensOverTheSelectedEntryWithItsName) {
  form->SongList.SetTopIndex(1);
  OpenRenameBox(2);
  const ui::TEdit& box = form->EditFile;
  EXPECT_TRUE(BoxShows());
  EXPECT_EQ(box.Parent(), &form->PanelSongList);
  EXPECT_EQ(box.Text(), "c.wav");
  EXPECT_TRUE(box.Focused());
  EXPECT_EQ(box.Left(), form->SongList.Left() + 2);
  EXPECT_EQ(box.Top(), 13 + 5) << "the entry's top in the scrolled list, and 5";
  EXPECT_EQ(box.Width(), form->SongList.ClientWidth());
  EXPECT_EQ(box.Height(), 14);
  EXPECT_EQ(box.Hint(), "Type the new name (including extension)");
  EXPECT_EQ(box.Color(), ui::clBtnFace);
  EXPECT_TRUE(box.OEMConvert);
  EXPECT_FALSE(box.Ctl3D()) << "a flat border";

  // The first key grows the box upwards; the next ones leave it.
  env.app.Dispatch([&] { form->EditFile.UserType("x"); });
  EXPECT_EQ(box.Top(), 13 + 3);
  EXPECT_EQ(box.Height(), 18);
  env.app.Dispatch([&] { form->EditFile.UserType("y"); });
  EXPECT_EQ(box.Top(), 13 + 3);
  EXPECT_EQ(box.Height(), 18);
  EXPECT_EQ(box.Text(), "xy") << "the name was selected as the box took the focus";

  Key(ui::vkEscape);
  EXPECT_FALSE(BoxShows());
  EXPECT_TRUE(form->SongList.Focused());
  EXPECT_EQ(Entries()[2], "c.wav");
}

TEST_F(RenameTest, WithoutASelectedEntryNothingOpens) {
  env.app.Dispatch([&] { form->SongList.SetItemIndex(-1); });
  Choose(form->PopRename);
  EXPECT_FALSE(BoxShows());
}

TEST_F(RenameTest, TheSameNameClosesTheBoxAndALetterCaseChangeRenames) {
  const std::string pathBefore = form->PathList[1];
  Rename(1, "b.wav");
  EXPECT_FALSE(BoxShows());
  EXPECT_TRUE(form->SongList.Focused());
  EXPECT_EQ(form->PathList[1], pathBefore);
  EXPECT_EQ(FilesOnDisk(), (Names{"a.wav", "b.wav", "c.wav", "d.wav"}));

  Rename(1, "B.WAV");
  EXPECT_TRUE(Boxes().empty());
  EXPECT_FALSE(BoxShows());
  EXPECT_EQ(FilesOnDisk(), (Names{"a.wav", "B.WAV", "c.wav", "d.wav"}));
  EXPECT_EQ(form->PathList[1], "C:\\Music\\B.WAV");
  EXPECT_EQ(Entries(), (Names{"a.wav", "B.WAV", "c.wav", "d.wav"}));
  EXPECT_EQ(form->SongList.ItemIndex(), 1);
  EXPECT_EQ(form->FileListBox.Items(), FilesOnDisk()) << "the file box is read again";
}

TEST_F(RenameTest, RenamingTheLoadedEntryRenamesTheCaptionToo) {
  const std::string caption = form->Caption();
  Rename(2, "Third.wav");
  EXPECT_EQ(form->Caption(), caption) << "another entry's name leaves the caption";
  EXPECT_EQ(Entries()[2], "Third.wav");

  Rename(0, "First.wav");
  EXPECT_EQ(form->Caption(), "First.wav - 0:10 - MIDI Tunora");
  EXPECT_EQ(env.app.Title(), form->Caption());
  EXPECT_EQ(form->TrayIcon.Hint(), form->Caption());
  EXPECT_EQ(FilesOnDisk(), (Names{"b.wav", "d.wav", "First.wav", "Third.wav"}));
}

TEST_F(RenameTest, EveryEntryOfTheFileFollowsIt) {
  AddEntries({Path(1)});
  Rename(1, "Second.wav");
  EXPECT_EQ(Entries(), (Names{"a.wav", "Second.wav", "c.wav", "d.wav", "Second.wav"}));
  EXPECT_EQ(form->PathList[4], "C:\\Music\\Second.wav");
}

TEST_F(RenameTest, ANamedListIsSavedAfterARenameAndAnUnnamedOneIsNot) {
  Rename(1, "x.wav");
  EXPECT_FALSE(env.files.FileExists("C:\\Music\\Songs.mpl"));

  env.files.AddFile("C:\\Music\\Songs.mpl", "");
  form->ListFileName = "C:\\Music\\Songs.mpl";
  form->ListChanged = 1;
  Rename(2, "y.wav");
  std::string saved;
  env.files.ReadFile("C:\\Music\\Songs.mpl", saved);
  EXPECT_EQ(saved, "C:\\Music\\a.wav\r\nC:\\Music\\x.wav\r\nC:\\Music\\y.wav\r\nC:\\Music\\d.wav\r\n");
  EXPECT_EQ(form->ListChanged, 0);
}

struct FailureCase {
  const char* name;
  void (*prepare)(os::FakeFileSystem& files);
  const char* typed;
  const char* text;
};

const FailureCase kFailures[] = {
    {"FileGone", [](os::FakeFileSystem& f) { f.Delete("C:\\Music\\b.wav"); }, "x.wav",
     "The file is not there. What have you done to it?!\nHave you deleted, moved or renamed the file and its path?"},
    {"ReadOnly", [](os::FakeFileSystem& f) { f.SetAttributes("C:\\Music\\b.wav", os::FileAttributes::ReadOnly); },
     "x.wav", "Permission denied! You cannot write to this file."},
    {"NameTaken", [](os::FakeFileSystem&) {}, "C.WAV", "Permission denied! Same name file already exists."},
    {"InUse", [](os::FakeFileSystem& f) { f.SetInUse("C:\\Music\\b.wav", true); }, "x.wav",
     "How did you reach here?"},
    {"FolderLocked", [](os::FakeFileSystem& f) { f.DenyWriting("C:\\Music"); }, "x.wav", "How did you reach here?"},
    {"Empty", [](os::FakeFileSystem&) {}, "",
     "The new name is empty!\nType the new name of the file, including its extension."},
    {"OnlyDots", [](os::FakeFileSystem&) {}, " ..",
     "The new name is empty!\nType the new name of the file, including its extension."},
    {"ForbiddenCharacter", [](os::FakeFileSystem&) {}, "a?b.wav",
     "A file name cannot contain any of these characters:\n\\ / : * ? \" < > |"},
    {"Backslash", [](os::FakeFileSystem&) {}, "..\\b.wav",
     "A file name cannot contain any of these characters:\n\\ / : * ? \" < > |"},
    {"TooLong", [](os::FakeFileSystem&) {}, nullptr,
     "The new name is too long!\nThe full path of a file can hold 259 characters at most."},
};

struct RenameFailureTest : RenameTest, ::testing::WithParamInterface<FailureCase> {};

TEST_P(RenameFailureTest, IsReportedAndChangesNothing) {
  const FailureCase& c = GetParam();
  c.prepare(env.files);
  const Names before = Entries();
  const std::string caption = form->Caption();
  // "C:\Music\" and the name: 259 characters are allowed, one more is not.
  Rename(1, c.typed ? c.typed : std::string(251, 'n'));
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, c.text);
  EXPECT_EQ(Boxes()[0].caption, "Error - Rename file");
  EXPECT_EQ(Boxes()[0].flags, ui::mbIconError);
  EXPECT_FALSE(BoxShows());
  EXPECT_EQ(Entries(), before);
  EXPECT_EQ(form->PathList[1], Path(1));
  EXPECT_EQ(form->Caption(), caption);
  EXPECT_FALSE(env.files.FileExists("C:\\Music\\x.wav"));
}

INSTANTIATE_TEST_SUITE_P(Failures, RenameFailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RenameTest, TheLongestNameAllowedIsRenamed) {
  const std::string name(250, 'n');
  Rename(1, name);
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(form->PathList[1], "C:\\Music\\" + name);
}

TEST_F(RenameTest, TrailingDotsAndBlanksGoAsTheSystemDropsThem) {
  Rename(1, "x.wav. .");
  EXPECT_EQ(form->PathList[1], "C:\\Music\\x.wav");
  EXPECT_EQ(Entries()[1], "x.wav");
}

TEST_F(RenameTest, AnAltClickRenameStaysOpenAcrossTheNextClick) {
  PressEntry(2, ui::ssAlt);
  EXPECT_TRUE(BoxShows());
  EXPECT_EQ(form->EditFile.Text(), "c.wav");
  EXPECT_TRUE(form->EditFile.Focused());
  EXPECT_EQ(form->EditFile.Tag, 1);

  // The press takes the focus from the box, which hides it; the requested rename brings it back.
  PressEntry(3);
  EXPECT_TRUE(BoxShows());
  EXPECT_TRUE(form->EditFile.Focused());
  EXPECT_EQ(form->EditFile.Tag, 0) << "a press without Alt ends the request";
  // Now the box goes with the focus, and the click acts on the list.
  PressEntry(3);
  EXPECT_FALSE(BoxShows());
  EXPECT_TRUE(form->SongList.Focused());
  EXPECT_EQ(form->SongList.ItemIndex(), 3);
  EXPECT_FALSE(form->MoveFileDown.Enabled()) << "the selection rule ran for the last entry";

  // Esc ends a request too.
  PressEntry(1, ui::ssAlt);
  Key(ui::vkEscape);
  EXPECT_EQ(form->EditFile.Tag, 0);
  PressEntry(0);
  EXPECT_FALSE(BoxShows());
  EXPECT_EQ(form->SongList.ItemIndex(), 0);

  // A successful rename ends it; a failed one keeps it, so the next click shows the box again.
  PressEntry(1, ui::ssAlt);
  env.app.Dispatch([&] { form->EditFile.UserType("x.wav"); });
  Key(ui::vkReturn);
  EXPECT_EQ(form->EditFile.Tag, 0);
  EXPECT_EQ(Entries()[1], "x.wav");
  PressEntry(2, ui::ssAlt);
  env.app.Dispatch([&] { form->EditFile.UserType("d.wav"); });
  Key(ui::vkReturn);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_FALSE(BoxShows());
  EXPECT_EQ(form->EditFile.Tag, 1);
  PressEntry(0);
  EXPECT_TRUE(BoxShows());
}

TEST_F(RenameTest, TheBoxHidesWithoutRenamingWheneverTheListMayChangeUnderIt) {
  struct Case {
    const char* name;
    std::function<void()> act;
  } cases[] = {
      {"loses the focus", [&] { env.app.Dispatch([&] { form->TrackBar.SetFocus(); }); }},
      {"application deactivated", [&] { env.app.Dispatch([&] { env.app.Activate(false); }); }},
      {"list scrolled down", [&] { env.app.Dispatch([&] { form->SongList.Scrolled(true, 1, 0); }); }},
      {"list scrolled sideways", [&] { env.app.Dispatch([&] { form->SongList.Scrolled(false, 1, 0); }); }},
      {"popup opened", [&] { env.app.Dispatch([&] { form->PopupSongList.Popup(50, 50); }); }},
      {"end of the file", [&] { env.app.Dispatch([&] { form->MIDIPlayerNotify(&form->MIDIPlayer); }); }},
      {"sort", [&] { Choose(form->FileSortList); }},
      {"save as cancelled", [&] { Choose(form->FileSaveListAs); }},
  };
  for (const Case& c : cases) {
    OpenRenameBox(1);
    env.app.Dispatch([&] { form->EditFile.UserType("x.wav"); });
    ASSERT_TRUE(BoxShows()) << c.name;
    c.act();
    EXPECT_FALSE(BoxShows()) << c.name;
    EXPECT_TRUE(env.files.FileExists(Path(1))) << c.name;
  }
  OpenRenameBox(1);
  Choose(form->FileClearList);
  EXPECT_FALSE(BoxShows()) << "clear";
}

// A rename begun while the player waits between files would act on whatever entry the end of the wait
// selects: the box goes when the wait ends.
TEST_F(RenameTest, TheBoxClosesWhenTheWaitBetweenFilesEnds) {
  form->AutoPlay.SetChecked(true);
  form->WaitSeconds = 2;
  DoubleClickEntry(0);
  Wait(10000 + 100);
  ASSERT_NE(form->DgSecIn.Delay(), 0u) << "waiting";
  OpenRenameBox(2);
  env.app.Dispatch([&] { form->EditFile.UserType("x.wav"); });
  Wait(2000 + 100);
  EXPECT_EQ(form->CurrentIndex, 1);
  EXPECT_FALSE(BoxShows());
  Key(ui::vkReturn);
  EXPECT_EQ(Entries(), (Names{"a.wav", "b.wav", "c.wav", "d.wav"}));
  EXPECT_EQ(FilesOnDisk(), (Names{"a.wav", "b.wav", "c.wav", "d.wav"}));
}

}  // namespace
