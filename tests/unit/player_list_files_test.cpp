#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/lines.h"
#include "base/text.h"
#include "player/playlist/list_file_writer.h"
#include "support/player_fixture.h"

namespace {

using namespace std::string_literals;
using testing_support::PlayerFixture;
using Names = std::vector<std::string>;
using Kind = os::FakeFileDialogs::Kind;

TEST(WriteListFile, EveryPathEndsInCrLfAndAnEmptyListIsAnEmptyFile) {
  const struct {
    Names paths;
    std::string bytes;
  } cases[] = {
      {{"C:\\a.mid", "D:\\Wave\\b.wav"}, "C:\\a.mid\r\nD:\\Wave\\b.wav\r\n"},
      {{}, ""},
      {{"", " x "}, "\r\n x \r\n"},
  };
  for (const auto& c : cases) {
    os::FakeFileSystem files;
    files.AddFile("C:\\Lists\\Old.mpl", "C:\\old.mid\r\n");
    player::WriteListFile(files, "C:\\Lists\\Old.mpl", c.paths);
    std::string bytes = "<unread>";
    ASSERT_EQ(files.ReadFile("C:\\Lists\\Old.mpl", bytes), os::FileError::None);
    EXPECT_EQ(bytes, c.bytes);
  }
}

TEST(WriteListFile, AFileThatCannotBeWrittenFailsAndKeepsTheOldOne) {
  os::FakeFileSystem files;
  files.AddFile("C:\\Locked\\Old.mpl", "C:\\old.mid\r\n");
  files.DenyWriting("C:\\Locked");
  try {
    player::WriteListFile(files, "C:\\Locked\\Old.mpl", {"C:\\new.mid"});
    FAIL() << "no error";
  } catch (const ui::EFCreateError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot create file C:\\Locked\\Old.mpl");
  }
  std::string bytes;
  files.ReadFile("C:\\Locked\\Old.mpl", bytes);
  EXPECT_EQ(bytes, "C:\\old.mid\r\n");
}

// Three short wave files and a folder of lists; the file box shows C:\Box.
struct ListFilesTest : PlayerFixture {
  void SetUp() override {
    for (const char* file : {"C:\\Music\\a.wav", "C:\\Music\\b.wav", "C:\\Music\\c.wav"}) AddMediaFile(file, 5000);
    env.files.AddFolder("C:\\Lists");
    env.files.AddFolder("C:\\Box");
    env.files.SetCurrentFolder("C:\\Box");
    Start();
  }
  void WriteList(const std::string& path, const Names& entries) {
    env.files.AddFile(path, base::JoinLines(entries));
  }
  std::string FileBytes(const std::string& path) {
    std::string bytes = "<missing>";
    env.files.ReadFile(path, bytes);
    return bytes;
  }
  // Opens a list file through the Open List dialog.
  void OpenList(const std::string& path) {
    env.fileDialogs.Type(path);
    Choose(form->FileOpenList);
  }
  const os::FakeFileDialogs::Shown& LastDialog() const { return env.fileDialogs.Dialogs().back(); }
  bool Enabled(std::initializer_list<ui::TMenuItem*> items) {
    for (ui::TMenuItem* item : items)
      if (!item->Enabled()) return false;
    return true;
  }
  bool SaveCommands() {
    return Enabled({&form->FileSaveList, &form->SaveList1, &form->FileSaveListAs, &form->SaveListAs1}) &&
           form->SpeedBtnSave.Enabled();
  }
  bool CloseCommands() { return form->FileCloseList.Enabled() && form->SpdBtnClose.Enabled(); }
};

TEST_F(ListFilesTest, OpenListAsksWithItsDialogAndLoadsTheFirstEntry) {
  WriteList("C:\\Lists\\Evening.mpl", {"C:\\Music\\a.wav", "C:\\Music\\b.wav", "C:\\Music\\c.wav"});
  form->OpenDialogFolder = "C:\\Lists\\";
  TakeMediaLog();
  OpenList("C:\\Lists\\Evening.mpl");

  const auto& dialog = LastDialog();
  EXPECT_EQ(dialog.kind, Kind::Open);
  EXPECT_EQ(dialog.request.title, "Open List");
  EXPECT_EQ(dialog.request.filter, "Media Play List File (*.mpl)|*.mpl");
  EXPECT_EQ(dialog.request.defaultExtension, "mpl");
  EXPECT_EQ(dialog.request.initialFolder, "C:\\Lists\\");
  EXPECT_EQ(dialog.request.fileName, "*.mpl");

  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(form->PathList, (Names{"C:\\Music\\a.wav", "C:\\Music\\b.wav", "C:\\Music\\c.wav"}));
  EXPECT_EQ(form->SongList.Items(), (Names{"a.wav", "b.wav", "c.wav"}));
  EXPECT_EQ(form->ListFileName, "C:\\Lists\\Evening.mpl");
  EXPECT_EQ(form->LastListFileName, "C:\\Lists\\Evening.mpl");
  EXPECT_EQ(form->ListHistory, (Names{"C:\\Lists\\Evening.mpl"}));
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(form->Caption(), "a.wav - 0:05 - Evening - MIDI Tunora");
  EXPECT_EQ(TakeMediaLog(), (std::vector<std::string>{"Open C:\\Music\\a.wav", "SetTimeFormatMs", "Play notify"}));
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_TRUE(form->SpdBtnStep.Enabled());
  EXPECT_TRUE(form->SpdBtnBack.Enabled());
  EXPECT_TRUE(form->SpdBtnNext.Enabled());
  EXPECT_TRUE(form->SpdBtnPrev.Enabled());
  EXPECT_TRUE(Enabled({&form->FileSortList, &form->FileClearList}));
  EXPECT_TRUE(SaveCommands());
  EXPECT_TRUE(CloseCommands());
  EXPECT_TRUE(form->SongList.Enabled());
  EXPECT_FALSE(form->BtnAddFile.Enabled());
  EXPECT_EQ(env.files.GetCurrentFolder(), "C:\\Box") << "the dialog's folder is not left current";
  EXPECT_EQ(env.backend.CursorHistory().back(), ui::TCursor::crDefault);
}

TEST_F(ListFilesTest, OpenListStartsAtARandomEntryInTheRandomModes) {
  WriteList("C:\\Lists\\Evening.mpl", {"C:\\Music\\a.wav", "C:\\Music\\b.wav", "C:\\Music\\c.wav"});
  form->AutoPlay.SetChecked(false);
  for (ui::TMenuItem* mode : {&form->RandomPlay, &form->ShufflePlay}) {
    SCOPED_TRACE(mode->Name());
    mode->SetChecked(true);
    random.Give({7});
    OpenList("C:\\Lists\\Evening.mpl");
    EXPECT_EQ(form->CurrentIndex, 1) << "7 modulo 3";
    EXPECT_EQ(form->SongList.ItemIndex(), 1);
    EXPECT_EQ(Transport(), "P--");
    mode->SetChecked(false);
  }
}

TEST_F(ListFilesTest, OpenListRefusesAnotherExtensionAndKeepsTheList) {
  AddEntries({"C:\\Music\\a.wav"});
  for (const char* name : {"C:\\Lists\\Evening.MPL", "C:\\Lists\\Evening.txt", "C:\\Lists\\Evening.m3u"}) {
    SCOPED_TRACE(name);
    env.backend.ClearBoxes();
    env.files.AddFile(name, "C:\\Music\\b.wav\r\n");
    OpenList(name);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text,
              "You can only open a play list file (*.mpl).\nTo play mid, rmi, avi and wav files, simply double click "
              "them in the file box.");
    EXPECT_EQ(Boxes()[0].caption, "Error - Play List File Type");
    EXPECT_EQ(Boxes()[0].flags, ui::mbOK | ui::mbIconError);
    EXPECT_EQ(form->PathList, (Names{"C:\\Music\\a.wav"}));
    EXPECT_EQ(form->ListFileName, "*.mpl");
    EXPECT_EQ(form->LastListFileName, name) << "offered again by the next dialog";
  }
  Choose(form->FileOpenList);
  EXPECT_EQ(LastDialog().request.fileName, "C:\\Lists\\Evening.m3u");
}

TEST_F(ListFilesTest, CancellingTheOpenDialogChangesNothing) {
  AddEntries({"C:\\Music\\a.wav"});
  form->BtnAddFile.SetEnabled(true);
  env.fileDialogs.Cancel();
  Choose(form->FileOpenList);
  EXPECT_EQ(form->PathList, (Names{"C:\\Music\\a.wav"}));
  EXPECT_EQ(form->LastListFileName, "*.mpl");
  EXPECT_FALSE(form->BtnAddFile.Enabled()) << "the open's end disables it, cancelled or not";
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(ListFilesTest, EveryOpenCommandShowsTheDialog) {
  const std::pair<const char*, std::function<void()>> commands[] = {
      {"button", [&] { Click(form->SpeedBtnOpen); }},
      {"List menu", [&] { Choose(form->FileOpenList); }},
      {"control-panel menu", [&] { Choose(form->OpenList1); }},
      {"tray menu", [&] { Choose(form->PopOpen); }},
  };
  std::size_t shown = 0;
  for (const auto& [what, open] : commands) {
    open();
    EXPECT_EQ(env.fileDialogs.Dialogs().size(), ++shown) << what;
  }
}

// While a dialog or the changed-list prompt is up the window is not top-most, so that it shows above it.
TEST_F(ListFilesTest, DialogsLowerAStayOnTopWindowAndTheFileBoxFolderStaysCurrent) {
  Choose(form->StayOnTop);
  ASSERT_TRUE(form->TopMost());
  // Each dialog makes the folder it shows current.
  form->OpenDialogFolder = "C:\\Lists";
  form->SaveDialogFolder = "C:\\Lists";
  std::vector<bool> topMostWhileShown;
  env.fileDialogs.WhileShown = [&](const os::FakeFileDialogs::Shown&) {
    topMostWhileShown.push_back(form->TopMost());
  };
  WriteList("C:\\Lists\\Evening.mpl", {"C:\\Music\\a.wav"});
  OpenList("C:\\Lists\\Evening.mpl");
  env.fileDialogs.Type("C:\\Lists\\Night.mpl");
  Choose(form->FileSaveListAs);
  env.backend.WhileBoxShown = [&](const ui::HeadlessBackend::Box&) { topMostWhileShown.push_back(form->TopMost()); };
  form->MarkListChanged();
  env.backend.AnswerNext(ui::mrNo);
  env.fileDialogs.Cancel();
  Choose(form->FileOpenList);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].caption, "Save list now?");
  EXPECT_EQ(topMostWhileShown, (std::vector<bool>{false, false, false, false}));
  EXPECT_TRUE(form->TopMost());
  EXPECT_EQ(env.files.GetCurrentFolder(), "C:\\Box");
}

TEST_F(ListFilesTest, AListFileWithOddLinesLoadsWhatItHolds) {
  const struct {
    const char* what;
    std::string bytes;
    Names paths;
    Names shown;
  } cases[] = {
      {"NUL ends the content", "C:\\Music\\a.wav\r\nC:\\Music\\b.wav\0C:\\Music\\c.wav\r\n"s,
       {"C:\\Music\\a.wav", "C:\\Music\\b.wav"}, {"a.wav", "b.wav"}},
      {"blank lines are entries", "C:\\Music\\a.wav\n\n\rC:\\Music\\b.wav",
       {"C:\\Music\\a.wav", "", "", "C:\\Music\\b.wav"}, {"a.wav", "", "", "b.wav"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    env.files.AddFile("C:\\Lists\\Odd.mpl", c.bytes);
    OpenList("C:\\Lists\\Odd.mpl");
    EXPECT_EQ(form->PathList, c.paths);
    EXPECT_EQ(form->SongList.Items(), c.shown);
    EXPECT_EQ(form->Caption(), "a.wav - 0:05 - Odd - MIDI Tunora");
  }
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(ListFilesTest, AHundredThousandLinesLoad) {
  Names entries(100000, "C:\\Music\\b.wav");
  entries[0] = "C:\\Music\\a.wav";
  WriteList("C:\\Lists\\Huge.mpl", entries);
  OpenList("C:\\Lists\\Huge.mpl");
  EXPECT_EQ(form->PathList.size(), 100000u);
  EXPECT_EQ(form->SongList.Count(), 100000);
  EXPECT_EQ(form->Caption(), "a.wav - 0:05 - Huge - MIDI Tunora");
}

// An empty list file stays attached as after Clear List: nothing is loaded, and once entries are added
// Save List writes to it without asking.
TEST_F(ListFilesTest, AnEmptyListFileIsAttachedWithNothingLoaded) {
  AddEntries({"C:\\Music\\a.wav"});
  env.files.AddFile("C:\\Lists\\Empty.mpl", "");
  TakeMediaLog();
  OpenList("C:\\Lists\\Empty.mpl");
  EXPECT_TRUE(Boxes().empty());
  EXPECT_TRUE(form->PathList.empty());
  EXPECT_EQ(form->ListFileName, "C:\\Lists\\Empty.mpl");
  EXPECT_EQ(form->ListHistory, (Names{"C:\\Lists\\Empty.mpl"}));
  EXPECT_EQ(form->Caption(), "Empty - MIDI Tunora");
  for (const std::string& line : TakeMediaLog()) EXPECT_FALSE(line.starts_with("Open")) << line;
  EXPECT_FALSE(SaveCommands());
  EXPECT_TRUE(CloseCommands());
  EXPECT_EQ(Transport(), "---");
  EXPECT_FALSE(form->SongList.Enabled());

  AddEntries({"C:\\Music\\c.wav"});
  form->ListChanged = 1;
  Choose(form->FileSaveList);
  EXPECT_EQ(env.fileDialogs.Dialogs().size(), 1u) << "no Save dialog";
  EXPECT_EQ(FileBytes("C:\\Lists\\Empty.mpl"), "C:\\Music\\c.wav\r\n");
}

// The list has already been emptied when the read fails: the player is left as after Close List, so
// that no save can put the empty list over the file that was attached before.
TEST_F(ListFilesTest, AVanishedListFileLeavesNoFileAttached) {
  WriteList("C:\\Lists\\Evening.mpl", {"C:\\Music\\a.wav", "C:\\Music\\b.wav"});
  OpenList("C:\\Lists\\Evening.mpl");
  OpenList("C:\\Lists\\Gone.mpl");
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Cannot open file C:\\Lists\\Gone.mpl.");
  EXPECT_EQ(Boxes()[0].flags, ui::mbOK | ui::mbIconError);
  EXPECT_TRUE(form->PathList.empty());
  EXPECT_EQ(form->SongList.Count(), 0);
  EXPECT_EQ(form->ListFileName, "*.mpl");
  EXPECT_EQ(form->Caption(), "MIDI Tunora 1.0");
  EXPECT_FALSE(SaveCommands());
  EXPECT_FALSE(CloseCommands());
  EXPECT_EQ(Transport(), "---");
  EXPECT_EQ(form->ListHistory, (Names{"C:\\Lists\\Evening.mpl"})) << "the unread name is not recorded";
  EXPECT_EQ(form->RecentCaptions(), (Names{"C:\\Lists\\Evening.mpl"})) << "the list left is choosable again";
  EXPECT_EQ(env.backend.CursorHistory().back(), ui::TCursor::crDefault);

  // Entries added and saved go where the user says, never over Evening.mpl.
  AddEntries({"C:\\Music\\c.wav"});
  env.fileDialogs.Cancel();
  Choose(form->FileSaveList);
  EXPECT_EQ(LastDialog().kind, Kind::Save);
  EXPECT_EQ(FileBytes("C:\\Lists\\Evening.mpl"), "C:\\Music\\a.wav\r\nC:\\Music\\b.wav\r\n");
}

TEST_F(ListFilesTest, OpeningStopsAndClosesAPlayingDevice) {
  AddEntries({"C:\\Music\\a.wav"});
  ASSERT_EQ(form->MIDIPlayer.Mode(), os::DeviceMode::Playing);
  WriteList("C:\\Lists\\Evening.mpl", {"C:\\Music\\b.wav"});
  TakeMediaLog();
  form->AutoPlay.SetChecked(false);
  OpenList("C:\\Lists\\Evening.mpl");
  const auto log = TakeMediaLog();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0], "Stop");
  EXPECT_EQ(log[1], "Close");
}

struct PromptCase {
  const char* what;
  int answer;
  bool opened;
  int listChangedAfter;
};

struct ChangedListPromptTest : ListFilesTest, ::testing::WithParamInterface<PromptCase> {};

TEST_P(ChangedListPromptTest, GuardsTheOpenOfAnotherList) {
  const PromptCase& c = GetParam();
  WriteList("C:\\Lists\\Mine.mpl", {"C:\\Music\\a.wav"});
  WriteList("C:\\Lists\\Other.mpl", {"C:\\Music\\c.wav"});
  OpenList("C:\\Lists\\Mine.mpl");
  AddEntries({"C:\\Music\\b.wav"});
  form->MarkListChanged();
  env.backend.AnswerNext(c.answer);
  OpenList("C:\\Lists\\Other.mpl");
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "This list has been changed. Save it now?");
  EXPECT_EQ(Boxes()[0].caption, "Save list now?");
  EXPECT_EQ(Boxes()[0].flags, ui::mbYesNoCancel | ui::mbIconQuestion);
  EXPECT_EQ(FileBytes("C:\\Lists\\Mine.mpl"),
            c.answer == ui::mrYes ? "C:\\Music\\a.wav\r\nC:\\Music\\b.wav\r\n" : "C:\\Music\\a.wav\r\n");
  EXPECT_EQ(form->ListFileName, c.opened ? "C:\\Lists\\Other.mpl" : "C:\\Lists\\Mine.mpl");
  EXPECT_EQ(form->PathList.size(), c.opened ? 1u : 2u);
  EXPECT_EQ(form->ListChanged, c.listChangedAfter);
  if (!c.opened) {
    EXPECT_EQ(env.fileDialogs.Dialogs().size(), 1u) << "no Open dialog after Cancel";
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, ChangedListPromptTest,
                         ::testing::Values(PromptCase{"yes", ui::mrYes, true, 0}, PromptCase{"no", ui::mrNo, true, 0},
                                           PromptCase{"cancel", ui::mrCancel, false, 1}));

TEST_F(ListFilesTest, ThePromptSkipsAnEmptyListAndYesWithoutAFileAsksForOne) {
  form->ListChanged = 1;
  env.fileDialogs.Cancel();
  Choose(form->FileOpenList);
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(form->ListChanged, 0) << "an empty list has nothing to save";

  // Yes with no list file: the Save List dialog comes up; cancelled, the open goes on and the new
  // list still counts as changed.
  AddEntries({"C:\\Music\\a.wav"});
  form->MarkListChanged();
  WriteList("C:\\Lists\\Other.mpl", {"C:\\Music\\c.wav"});
  env.backend.AnswerNext(ui::mrYes);
  env.fileDialogs.Cancel();
  env.fileDialogs.Type("C:\\Lists\\Other.mpl");
  Choose(form->FileOpenList);
  ASSERT_EQ(env.fileDialogs.Dialogs().size(), 3u);
  EXPECT_EQ(env.fileDialogs.Dialogs()[1].kind, Kind::Save);
  EXPECT_EQ(env.fileDialogs.Dialogs()[1].request.title, "Save List");
  EXPECT_EQ(form->ListFileName, "C:\\Lists\\Other.mpl");
  EXPECT_EQ(form->ListChanged, 1);
}

TEST_F(ListFilesTest, SaveListWritesToTheAttachedFileWithoutAsking) {
  WriteList("C:\\Lists\\Evening.mpl", {"C:\\Music\\a.wav"});
  OpenList("C:\\Lists\\Evening.mpl");
  form->LastListFileName = "C:\\Lists\\Elsewhere.mpl";
  AddEntries({"C:\\Music\\b.wav"});
  form->MarkListChanged();
  const std::string caption = form->Caption();
  for (const auto& save : std::vector<std::function<void()>>{[&] { Click(form->SpeedBtnSave); },
                                                             [&] { Choose(form->FileSaveList); },
                                                             [&] { Choose(form->SaveList1); }}) {
    env.files.AddFile("C:\\Lists\\Evening.mpl", "");
    save();
    EXPECT_EQ(FileBytes("C:\\Lists\\Evening.mpl"), "C:\\Music\\a.wav\r\nC:\\Music\\b.wav\r\n");
  }
  EXPECT_EQ(env.fileDialogs.Dialogs().size(), 1u) << "only the open";
  EXPECT_EQ(form->LastListFileName, "C:\\Lists\\Evening.mpl");
  EXPECT_EQ(form->ListChanged, 0);
  EXPECT_EQ(form->Caption(), caption);
  EXPECT_EQ(form->ListHistory, (Names{"C:\\Lists\\Evening.mpl"}));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(ListFilesTest, SaveListWithoutAFileShowsTheSaveDialogTitledSaveList) {
  AddEntries({"C:\\Music\\a.wav"});
  form->SaveDialogFolder = "C:\\Lists\\";
  env.fileDialogs.Type("Night");
  Choose(form->FileSaveList);
  const auto& dialog = LastDialog();
  EXPECT_EQ(dialog.kind, Kind::Save);
  EXPECT_EQ(dialog.request.title, "Save List");
  EXPECT_EQ(dialog.request.filter, "Media Play List File ( *.mpl)|*.mpl");
  EXPECT_EQ(dialog.request.defaultExtension, "mpl");
  EXPECT_EQ(dialog.request.initialFolder, "C:\\Lists\\");
  EXPECT_EQ(dialog.request.fileName, "*.mpl");
  EXPECT_TRUE(Boxes().empty()) << "the dialog's default extension needs no reminder";
  EXPECT_EQ(FileBytes("C:\\Lists\\Night.mpl"), "C:\\Music\\a.wav\r\n");
  EXPECT_EQ(form->ListFileName, "C:\\Lists\\Night.mpl");
}

TEST_F(ListFilesTest, SaveListInShuffleModeAsksFirstFromItsOwnControlsOnly) {
  WriteList("C:\\Lists\\Mix.mpl", {"C:\\Music\\a.wav"});
  OpenList("C:\\Lists\\Mix.mpl");
  AddEntries({"C:\\Music\\b.wav"});
  form->ShufflePlay.SetChecked(true);
  for (int answer : {ui::mrNo, ui::mrYes}) {
    env.backend.ClearBoxes();
    env.files.AddFile("C:\\Lists\\Mix.mpl", "untouched");
    env.backend.AnswerNext(answer);
    Click(form->SpeedBtnSave);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text,
              "MIDI Tunora is now in shuffle mode, some files may have been removed from the play list.  Are you "
              "sure you want to save this list to file?");
    EXPECT_EQ(Boxes()[0].caption, "Warning - Save List");
    EXPECT_EQ(Boxes()[0].flags, ui::mbYesNo | ui::mbIconWarning);
    EXPECT_EQ(FileBytes("C:\\Lists\\Mix.mpl"),
              answer == ui::mrYes ? "C:\\Music\\a.wav\r\nC:\\Music\\b.wav\r\n" : "untouched");
  }
  // The changed-list prompt's save does not warn.
  env.backend.ClearBoxes();
  form->MarkListChanged();
  env.backend.AnswerNext(ui::mrYes);
  Choose(form->FileCloseList);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].caption, "Save list now?");
}

TEST_F(ListFilesTest, SaveListAsRecordsTheNameAndNamesTheListInTheCaption) {
  AddEntries({"C:\\Music\\a.wav", "C:\\Music\\b.wav"});
  DoubleClickEntry(1);
  form->MarkListChanged();
  env.fileDialogs.Type("C:\\Lists\\Night.mpl");
  Choose(form->SaveListAs1);
  EXPECT_EQ(LastDialog().request.title, "Save List As");
  EXPECT_EQ(LastDialog().request.fileName, "*.mpl");
  EXPECT_EQ(FileBytes("C:\\Lists\\Night.mpl"), "C:\\Music\\a.wav\r\nC:\\Music\\b.wav\r\n");
  EXPECT_EQ(form->ListFileName, "C:\\Lists\\Night.mpl");
  EXPECT_EQ(form->LastListFileName, "C:\\Lists\\Night.mpl");
  EXPECT_EQ(form->ListHistory, (Names{"C:\\Lists\\Night.mpl"}));
  EXPECT_EQ(form->Caption(), "b.wav - Night - MIDI Tunora");
  EXPECT_EQ(env.app.Title(), form->Caption());
  EXPECT_TRUE(CloseCommands());
  EXPECT_EQ(form->ListChanged, 0);

  // Saving again under the same name asks nothing; the dialog offers the attached name.
  env.fileDialogs.Type("C:\\Lists\\Night.mpl");
  Choose(form->FileSaveListAs);
  EXPECT_EQ(LastDialog().request.fileName, "C:\\Lists\\Night.mpl");
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(ListFilesTest, SaveListAsPutsTheMplExtensionInPlaceOfAnyOther) {
  AddEntries({"C:\\Music\\a.wav"});
  const struct {
    const char* typed;
    const char* saved;
  } cases[] = {{"C:\\Lists\\x.txt", "C:\\Lists\\x.mpl"},
               {"C:\\Lists\\y.MPL", "C:\\Lists\\y.mpl"},
               {"C:\\Lists\\z.list.doc", "C:\\Lists\\z.list.mpl"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    env.backend.ClearBoxes();
    env.fileDialogs.Type(c.typed);
    Choose(form->FileSaveListAs);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text,
              "You have typed a wrong extension for play list file.\nRemember, you don't have to type any "
              "extension.\nMIDI Tunora will always save Play List File with the 'mpl' extension.");
    EXPECT_EQ(Boxes()[0].caption, "Reminding - MIDI Tunora Play List File Extension");
    EXPECT_EQ(Boxes()[0].flags, ui::mbIconInformation | ui::mbTopMost);
    EXPECT_EQ(form->ListFileName, c.saved);
    EXPECT_EQ(FileBytes(c.saved), "C:\\Music\\a.wav\r\n");
    if (!base::SameText(c.typed, c.saved)) {
      EXPECT_FALSE(env.files.FileExists(c.typed));
    }
  }
}

TEST_F(ListFilesTest, SaveListAsAsksBeforeOverwritingAnotherFile) {
  AddEntries({"C:\\Music\\a.wav"});
  form->MarkListChanged();
  env.files.AddFile("C:\\Lists\\Old.mpl", "C:\\old.wav\r\n");
  for (int answer : {ui::mrNo, ui::mrYes}) {
    SCOPED_TRACE(answer);
    env.backend.ClearBoxes();
    form->ListFileName = "C:\\Lists\\Attached.mpl";
    env.fileDialogs.Type("C:\\Lists\\Old.mpl");
    env.backend.AnswerNext(answer);
    Choose(form->FileSaveListAs);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "Do you want to overwrite 'Old.mpl' with current play list?");
    EXPECT_EQ(Boxes()[0].caption, "Warning - Overwrite play list file");
    EXPECT_EQ(Boxes()[0].flags, ui::mbYesNo | ui::mbIconWarning | ui::mbDefButton2);
    if (answer == ui::mrNo) {
      EXPECT_EQ(FileBytes("C:\\Lists\\Old.mpl"), "C:\\old.wav\r\n");
      EXPECT_EQ(form->ListFileName, "*.mpl") << "no longer attached to any file";
      EXPECT_TRUE(form->ListHistory.empty());
      EXPECT_EQ(form->ListChanged, 1);
    } else {
      EXPECT_EQ(FileBytes("C:\\Lists\\Old.mpl"), "C:\\Music\\a.wav\r\n");
      EXPECT_EQ(form->ListFileName, "C:\\Lists\\Old.mpl");
    }
  }
}

TEST_F(ListFilesTest, AListThatCannotBeWrittenKeepsWhatWasSaved) {
  AddEntries({"C:\\Music\\a.wav"});
  form->MarkListChanged();
  env.files.AddFolder("C:\\Locked");
  env.files.DenyWriting("C:\\Locked");
  env.fileDialogs.Type("C:\\Locked\\x.mpl");
  Choose(form->FileSaveListAs);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Cannot create file C:\\Locked\\x.mpl.");
  EXPECT_EQ(Boxes()[0].flags, ui::mbOK | ui::mbIconError);
  EXPECT_EQ(form->ListChanged, 1);
  EXPECT_TRUE(form->ListHistory.empty());
  EXPECT_EQ(env.files.GetCurrentFolder(), "C:\\Box");

  // An attached file in a folder that became unwritable keeps its old content.
  WriteList("C:\\Lists\\Evening.mpl", {"C:\\Music\\c.wav"});
  env.backend.AnswerNext(ui::mrNo);
  OpenList("C:\\Lists\\Evening.mpl");
  AddEntries({"C:\\Music\\a.wav"});
  form->MarkListChanged();
  env.files.DenyWriting("C:\\Lists");
  Choose(form->FileSaveList);
  EXPECT_EQ(Boxes().back().text, "Cannot create file C:\\Lists\\Evening.mpl.");
  EXPECT_EQ(FileBytes("C:\\Lists\\Evening.mpl"), "C:\\Music\\c.wav\r\n");
  EXPECT_EQ(form->ListChanged, 1);
  EXPECT_EQ(Transport(), "-PS") << "the player plays on";
}

TEST_F(ListFilesTest, CloseListEmptiesTheListAndDetachesItsFile) {
  WriteList("C:\\Lists\\Evening.mpl", {"C:\\Music\\a.wav", "C:\\Music\\b.wav"});
  OpenList("C:\\Lists\\Evening.mpl");
  DoubleClickEntry(1);
  const std::string hint = form->TrayIcon.Hint();
  TakeMediaLog();
  Click(form->SpdBtnClose);
  EXPECT_TRUE(form->PathList.empty());
  EXPECT_EQ(form->SongList.Count(), 0);
  EXPECT_EQ(form->Caption(), "MIDI Tunora 1.0");
  EXPECT_EQ(env.app.Title(), "MIDI Tunora 1.0");
  EXPECT_EQ(form->TrayIcon.Hint(), hint);
  EXPECT_EQ(form->ListFileName, "*.mpl");
  EXPECT_EQ(form->LastListFileName, "C:\\Lists\\Evening.mpl");
  EXPECT_EQ(form->CurrentIndex, 1);
  EXPECT_EQ(TakeMediaLog(), (std::vector<std::string>{"Stop", "Close"}));
  EXPECT_FALSE(SaveCommands());
  EXPECT_FALSE(CloseCommands());
  EXPECT_FALSE(Enabled({&form->FileSortList}));
  EXPECT_FALSE(Enabled({&form->FileClearList}));
  for (ui::TControl* control : std::initializer_list<ui::TControl*>{
           &form->BtnKill, &form->SpdMoveAllFiles, &form->SpdMoveFile, &form->BtnRemoveAll, &form->BtnRemove,
           &form->MoveFileDown, &form->MoveFileUp, &form->SpdBtnNext, &form->SpdBtnPrev, &form->SpdBtnStep,
           &form->SpdBtnBack, &form->TrackBar, &form->SongList})
    EXPECT_FALSE(control->Enabled()) << control->Name();
  EXPECT_EQ(Transport(), "---");
  EXPECT_EQ(form->TrackBar.Position(), 0);
  EXPECT_EQ(form->RecentCaptions(), (Names{"C:\\Lists\\Evening.mpl"}));
}

TEST_F(ListFilesTest, CancelInThePromptKeepsTheListOpen) {
  WriteList("C:\\Lists\\Evening.mpl", {"C:\\Music\\a.wav"});
  OpenList("C:\\Lists\\Evening.mpl");
  AddEntries({"C:\\Music\\b.wav"});
  form->MarkListChanged();
  env.backend.AnswerNext(ui::mrCancel);
  Choose(form->FileCloseList);
  EXPECT_EQ(form->PathList.size(), 2u);
  EXPECT_EQ(form->ListFileName, "C:\\Lists\\Evening.mpl");
  EXPECT_EQ(Transport(), "-PS");
}

}  // namespace
