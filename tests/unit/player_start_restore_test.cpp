#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/lines.h"
#include "player/shell/player_keys.h"
#include "support/player_fixture.h"
#include "support/player_options.h"

namespace {

using testing_support::PlayerFixture;
using testing_support::StoredOptions;
using Names = std::vector<std::string>;
using Log = std::vector<std::string>;

constexpr const char* kEvening = "C:\\Lists\\Evening.mpl";

// Installed in C:\Tunora, with a list of three wave files; Auto Load off unless a test says otherwise.
struct StartRestoreTest : PlayerFixture {
  void SetUp() override {
    env.registry.CreateKey(player::kFolderKey);
    env.registry.WriteString(player::kFolderKey, "", "C:\\Tunora");
    env.files.AddFolder("C:\\Tunora");
    for (const char* file : {"C:\\Music\\a.wav", "C:\\Music\\b.wav", "C:\\Music\\c.wav"}) AddMediaFile(file, 5000);
    WriteList(kEvening, {"C:\\Music\\a.wav", "C:\\Music\\b.wav", "C:\\Music\\c.wav"});
    options.Set("AutoLoad", 0u);
  }
  void WriteList(const std::string& path, const Names& entries) { env.files.AddFile(path, base::JoinLines(entries)); }
  void StartWith(std::vector<std::string> words = {}) {
    options.Store(env.registry);
    Start(std::move(words));
  }
  std::string FileBytes(const std::string& path) {
    std::string bytes = "<missing>";
    env.files.ReadFile(path, bytes);
    return bytes;
  }
  std::uint32_t StoredInteger(const std::string& name) {
    std::uint32_t value = 0xDEADBEEF;
    env.registry.ReadInteger(player::kOptionsKey, name, value);
    return value;
  }

  StoredOptions options;
};

TEST_F(StartRestoreTest, TheHideOptionStartsThePlayerInTheTrayOnly) {
  options.Set("Hide", 1u);
  StartWith();
  EXPECT_FALSE(env.app.ShowMainForm);
  EXPECT_FALSE(env.backend.applicationWindowShown) << "no task-bar button";
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(form->WindowHidden);
  EXPECT_TRUE(form->TrayIcon.Active());
  EXPECT_TRUE(Boxes().empty());
}

// The entry tests the value only for presence; its reading at start-up reports a wrong type, and the
// player must still be reachable.
TEST_F(StartRestoreTest, AHideOptionOfAnotherTypeLeavesTheWindowShown) {
  options.Set("Hide", std::string("1"));
  StartWith();
  EXPECT_TRUE(env.app.ShowMainForm);
  EXPECT_TRUE(form->Visible());
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Invalid data type for 'Hide'.");
}

TEST_F(StartRestoreTest, StayOnTopIsAppliedOnceTheWindowExists) {
  options.Set("StayOnTop", 1u);
  StartWith();
  EXPECT_TRUE(form->TopMost());
  EXPECT_TRUE(form->StayOnTop1.Checked());
}

TEST_F(StartRestoreTest, TheFirstRunShowsTheRegistrationAndIgnoresTheCommandLine) {
  firstRun = true;
  env.files.AddFile("C:\\Tunora\\History.ini", "C:\\Lists\\Old.mpl\r\n");
  Construct({"C:\\Music\\a.wav"});
  bool shownBeforeTheWindow = false;
  env.modal.When("FRegDlg", [&](ui::TForm&) { shownBeforeTheWindow = !form->Visible(); });
  Create();
  EXPECT_TRUE(shownBeforeTheWindow);
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(form->PathList.empty()) << "the command line waits for a later start";
  EXPECT_TRUE(form->ListHistory.empty());
  EXPECT_TRUE(form->RecentCaptions().empty());
  EXPECT_EQ(form->SkipSeconds, 5);
  EXPECT_EQ(form->WaitSeconds, 0);
  EXPECT_FALSE(env.registry.KeyExists(player::kOptionsKey));
  EXPECT_EQ(env.backend.CursorHistory().back(), ui::TCursor::crDefault);
}

TEST_F(StartRestoreTest, AListFileOnTheCommandLineOpensAtItsFirstEntry) {
  env.files.AddFile("C:\\Tunora\\History.ini", "C:\\Lists\\Old.mpl\r\n");
  StartWith({"C:\\Lists\\Evening.MPL"});
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(form->PathList, (Names{"C:\\Music\\a.wav", "C:\\Music\\b.wav", "C:\\Music\\c.wav"}));
  EXPECT_EQ(form->SongList.Items(), (Names{"a.wav", "b.wav", "c.wav"}));
  EXPECT_EQ(form->ListFileName, "C:\\Lists\\Evening.MPL");
  EXPECT_EQ(form->LastListFileName, "C:\\Lists\\Evening.MPL");
  EXPECT_EQ(form->ListHistory, (Names{"C:\\Lists\\Evening.MPL", "C:\\Lists\\Old.mpl"}));
  EXPECT_EQ(form->RecentCaptions(), (Names{"C:\\Lists\\Old.mpl"})) << "the attached list is not offered";
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(form->Caption(), "a.wav - 0:05 - Evening - MIDI Tunora");
  EXPECT_EQ(Transport(), "-PS");
  for (ui::TControl* c : std::initializer_list<ui::TControl*>{&form->SpdBtnNext, &form->SpdBtnPrev, &form->SpdBtnStep,
                                                              &form->SpdBtnBack, &form->SpdBtnClose,
                                                              &form->SpeedBtnSave, &form->MoveFileDown})
    EXPECT_TRUE(c->Enabled()) << c->Name();
  EXPECT_FALSE(form->MoveFileUp.Enabled());
  for (ui::TMenuItem* item : {&form->FileCloseList, &form->FileSaveList, &form->SaveList1, &form->FileSaveListAs,
                              &form->SaveListAs1, &form->FileClearList, &form->FileSortList})
    EXPECT_TRUE(item->Enabled()) << item->Name();
}

struct StartEntry {
  const char* what;
  std::uint32_t lastOne;
  bool sameList;  // the command line names the stored automatic-load list
  bool random;
  int index;
};

std::ostream& operator<<(std::ostream& out, const StartEntry& e) { return out << e.what; }

struct ListStartEntryTest : StartRestoreTest, ::testing::WithParamInterface<StartEntry> {};

TEST_P(ListStartEntryTest, ResumesTheStoredListAtItsLastEntryOnly) {
  const StartEntry& e = GetParam();
  WriteList("C:\\Lists\\Other.mpl", {"C:\\Music\\a.wav", "C:\\Music\\b.wav", "C:\\Music\\c.wav"});
  options.Set("AutoLoadList", std::string(kEvening)).Set("LastOne", e.lastOne).Set("AutoPlay", 0u);
  if (e.random) options.Set("LoopPlay", 0u).Set("RandomPlay", 1u);
  random.Give({5});
  StartWith({e.sameList ? kEvening : "C:\\Lists\\Other.mpl", "/play"});
  EXPECT_EQ(form->CurrentIndex, e.index);
  EXPECT_EQ(form->SongList.ItemIndex(), e.index);
  EXPECT_EQ(Transport(), "P--") << "/play has no effect on a list";
  EXPECT_EQ(form->MoveFileUp.Enabled(), e.index > 0);
  EXPECT_EQ(form->MoveFileDown.Enabled(), e.index < 2);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, ListStartEntryTest,
    ::testing::Values(StartEntry{"the stored list resumes", 1, true, false, 1},
                      StartEntry{"another list starts at 0", 1, false, false, 0},
                      StartEntry{"the last entry", 2, true, false, 2},
                      StartEntry{"LastOne equal to the count", 3, true, false, 0},
                      StartEntry{"LastOne beyond the count", 40, true, false, 0},
                      StartEntry{"LastOne negative", 0xFFFFFFFF, true, false, 0},
                      StartEntry{"Random picks 5 modulo 3", 1, true, true, 2},
                      StartEntry{"Random with another list", 0, false, true, 2}));

TEST_F(StartRestoreTest, AutoLoadReloadsTheStoredListAndTakesItOutOfTheMenu) {
  env.files.AddFile("C:\\Tunora\\History.ini", std::string(kEvening) + "\r\nC:\\Lists\\Old.mpl\r\n");
  options.Set("AutoLoad", 1u).Set("AutoLoadList", std::string(kEvening)).Set("LastOne", 2u);
  StartWith();
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(form->ListFileName, kEvening);
  EXPECT_EQ(form->PathList.size(), 3u);
  EXPECT_EQ(form->CurrentIndex, 2);
  EXPECT_EQ(form->Caption(), "c.wav - 0:05 - Evening - MIDI Tunora");
  EXPECT_EQ(form->RecentCaptions(), (Names{"C:\\Lists\\Old.mpl"}));
  EXPECT_EQ(form->ListHistory, (Names{kEvening, "C:\\Lists\\Old.mpl"})) << "the history is unchanged";
  EXPECT_EQ(Transport(), "-PS");
}

struct AutoLoadCase {
  const char* what;
  std::vector<std::pair<std::string, std::uint32_t>> changes;
  bool storedList;
  std::vector<std::string> words;
  int loaded;  // entries, -1 for no load at all
  int index;
};

std::ostream& operator<<(std::ostream& out, const AutoLoadCase& c) { return out << c.what; }

struct AutoLoadTest : StartRestoreTest, ::testing::WithParamInterface<AutoLoadCase> {};

TEST_P(AutoLoadTest, StartsAtRandomInTheRandomModesAndNeedsItsOptions) {
  const AutoLoadCase& c = GetParam();
  options.Set("AutoLoad", 1u).Set("LastOne", 2u);
  if (c.storedList) options.Set("AutoLoadList", std::string(kEvening));
  for (const auto& [name, value] : c.changes) options.Set(name, value);
  random.Give({4});
  StartWith(c.words);
  EXPECT_TRUE(Boxes().empty());
  if (c.loaded < 0) {
    EXPECT_TRUE(form->PathList.empty());
    EXPECT_EQ(form->ListFileName, "*.mpl");
    EXPECT_EQ(form->Caption(), "MIDI Tunora 1.0");
  } else {
    EXPECT_EQ(static_cast<int>(form->PathList.size()), c.loaded);
    EXPECT_EQ(form->CurrentIndex, c.index);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Stored, AutoLoadTest,
    ::testing::Values(AutoLoadCase{"Shuffle", {{"ShufflePlay", 1}}, true, {}, 3, 1},
                      AutoLoadCase{"Random", {{"LoopPlay", 0}, {"RandomPlay", 1}}, true, {}, 3, 1},
                      AutoLoadCase{"switches only", {}, true, {"/play", "/close"}, 3, 2},
                      AutoLoadCase{"a file argument that is no media or list file", {}, true, {"C:\\notes.txt"}, 3,
                                   2},
                      AutoLoadCase{"Auto Load off", {{"AutoLoad", 0}}, true, {}, -1, 0},
                      AutoLoadCase{"no list stored", {}, false, {}, -1, 0}));

// The list has been emptied and its commands enabled when the read fails: the player is left as after
// Close List, the command line's name already at the head of the history.
struct UnreadableStartTest : StartRestoreTest, ::testing::WithParamInterface<bool> {};

TEST_P(UnreadableStartTest, LeavesAUsablePlayerWithNoListAttached) {
  const bool autoLoad = GetParam();
  options.Set("AutoLoad", autoLoad).Set("AutoLoadList", std::string("C:\\Lists\\Gone.mpl"));
  StartWith(autoLoad ? std::vector<std::string>{} : std::vector<std::string>{"C:\\Lists\\Gone.mpl"});
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Cannot open file C:\\Lists\\Gone.mpl.");
  EXPECT_EQ(form->ListHistory.front(), "C:\\Lists\\Gone.mpl");
  EXPECT_EQ(form->ListFileName, "*.mpl");
  EXPECT_EQ(form->RecentCaptions(), (Names{"C:\\Lists\\Gone.mpl"})) << "choosable again once it is back";
  EXPECT_FALSE(form->FileSaveList.Enabled());
  EXPECT_FALSE(form->FileCloseList.Enabled());
  EXPECT_EQ(form->Caption(), "MIDI Tunora 1.0");
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(env.backend.CursorHistory().back(), ui::TCursor::crDefault);
}

// Named on the command line, or loaded automatically.
INSTANTIATE_TEST_SUITE_P(List, UnreadableStartTest, ::testing::Bool());

TEST_F(StartRestoreTest, AnEmptyListFileAtStartLoadsNothing) {
  env.files.AddFile("C:\\Lists\\Empty.mpl", "");
  StartWith({"C:\\Lists\\Empty.mpl"});
  EXPECT_TRUE(Boxes().empty());
  EXPECT_TRUE(env.media.Log().empty());
  EXPECT_EQ(form->ListFileName, "C:\\Lists\\Empty.mpl");
  EXPECT_EQ(form->Caption(), "Empty - MIDI Tunora");
  EXPECT_EQ(Transport(), "---");
  EXPECT_FALSE(form->FileSaveList.Enabled());
  EXPECT_TRUE(form->FileCloseList.Enabled());
}

TEST_F(StartRestoreTest, CloseWithAOneEntryListEndsAtTheFirstNotificationWithoutStoring) {
  WriteList("C:\\Lists\\One.mpl", {"C:\\Music\\a.wav"});
  StartWith({"/close", "C:\\Lists\\One.mpl"});
  env.registry.ClearLog();
  Wait(5000);
  EXPECT_TRUE(env.app.Terminated());
  EXPECT_TRUE(env.registry.Log().empty());
  EXPECT_FALSE(env.files.FileExists("C:\\Tunora\\History.ini"));
}

TEST_F(StartRestoreTest, CloseIsDroppedWithALongerList) {
  StartWith({"/close", kEvening});
  Wait(5000);
  EXPECT_FALSE(env.app.Terminated());
  EXPECT_FALSE(form->QuitPending);
  EXPECT_EQ(form->CurrentIndex, 1) << "the list goes on";
}

TEST_F(StartRestoreTest, ExitStoresTheOptionsAndTheHistoryAndEndsTheProgram) {
  StartWith({kEvening});
  TakeMediaLog();
  env.registry.ClearLog();
  Choose(form->FileExit);
  EXPECT_TRUE(Boxes().empty());
  EXPECT_TRUE(form->QuitPending);
  EXPECT_TRUE(form->PathList.empty());
  EXPECT_EQ(TakeMediaLog(), (Log{"Stop", "Close"}));
  EXPECT_EQ(env.registry.Log().size(), 27u) << "every option";
  EXPECT_EQ(FileBytes("C:\\Tunora\\History.ini"), std::string(kEvening) + "\r\n");
  EXPECT_TRUE(env.app.Terminated());
  EXPECT_FALSE(form->ThreadedTimer.Enabled());
  EXPECT_FALSE(form->MIDIPlayer.IsOpen());
}

TEST_F(StartRestoreTest, TheExitCommandsOfThePopupMenusRunTheExit) {
  StartWith();
  AddEntries({"C:\\Music\\a.wav"});
  form->MarkListChanged();
  for (ui::TMenuItem* item : {&form->Exit1, &form->PopExit}) {
    env.backend.ClearBoxes();
    env.backend.AnswerNext(ui::mrCancel);
    Choose(*item);
    EXPECT_EQ(Boxes().size(), 1u) << item->Name() << ": the exit's prompt";
  }
}

TEST_F(StartRestoreTest, WithoutSaveOnExitOnlyOpExitIsWritten) {
  options.Set("OpExit", 0u).Set("SKIP", 9u);
  StartWith();
  form->SkipSeconds = 30;
  Choose(form->OpExit);
  Choose(form->OpExit);
  env.registry.ClearLog();
  Choose(form->FileExit);
  EXPECT_EQ(env.registry.Log(), (Log{"write OpExit"}));
  EXPECT_EQ(StoredInteger("OpExit"), 0u);
  EXPECT_EQ(StoredInteger("SKIP"), 9u);
}

TEST_F(StartRestoreTest, WithoutSaveOnExitAndWithoutOptionsNothingIsWritten) {
  firstRun = true;
  Start();
  form->OpExit.SetChecked(false);
  env.registry.ClearLog();
  Choose(form->FileExit);
  EXPECT_TRUE(env.registry.Log().empty());
  EXPECT_FALSE(env.registry.KeyExists(player::kOptionsKey));
}

TEST_F(StartRestoreTest, CancelInTheExitPromptKeepsEverythingRunning) {
  StartWith({"/close", kEvening});
  form->MarkListChanged();
  TakeMediaLog();
  env.registry.ClearLog();
  env.backend.AnswerNext(ui::mrCancel);
  Choose(form->FileExit);
  EXPECT_FALSE(form->QuitPending) << "a pending /close is dropped too";
  EXPECT_EQ(form->PathList.size(), 3u);
  EXPECT_TRUE(TakeMediaLog().empty());
  EXPECT_TRUE(env.registry.Log().empty());
  EXPECT_FALSE(env.app.Terminated());
  EXPECT_EQ(Transport(), "-PS");
}

TEST_F(StartRestoreTest, ClosingTheWindowRunsTheExitAndCancelKeepsItOpen) {
  StartWith({kEvening});
  form->MarkListChanged();
  env.backend.AnswerNext(ui::mrCancel);
  env.app.Dispatch([&] { form->Close(); });
  EXPECT_FALSE(env.app.Terminated());
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(form->ThreadedTimer.Enabled());

  env.backend.AnswerNext(ui::mrNo);
  env.app.Dispatch([&] { form->Close(); });
  EXPECT_TRUE(env.app.Terminated());
  EXPECT_FALSE(form->ThreadedTimer.Enabled());
  EXPECT_FALSE(form->MIDIPlayer.IsOpen());
  EXPECT_EQ(FileBytes("C:\\Tunora\\History.ini"), std::string(kEvening) + "\r\n");
}

// The play list is gone by the time the options are stored: a failure is reported and the program
// ends all the same, the history still stored.
TEST_F(StartRestoreTest, AStoreThatFailsAtExitIsReportedAndTheProgramEnds) {
  StartWith({kEvening});
  env.registry.RefuseWritesOf("Menu");
  Choose(form->FileExit);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Failed to set data for 'Menu'.");
  EXPECT_EQ(FileBytes("C:\\Tunora\\History.ini"), std::string(kEvening) + "\r\n");
  EXPECT_TRUE(env.app.Terminated());
}

TEST_F(StartRestoreTest, AHistoryThatCannotBeWrittenAtExitIsReportedAndTheProgramEnds) {
  env.files.AddFile("C:\\Tunora\\History.ini", "C:\\Lists\\Old.mpl\r\n");
  StartWith({kEvening});
  env.files.DenyWriting("C:\\Tunora");
  Choose(form->FileExit);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Cannot create file C:\\Tunora\\History.ini.");
  EXPECT_EQ(FileBytes("C:\\Tunora\\History.ini"), "C:\\Lists\\Old.mpl\r\n");
  EXPECT_EQ(StoredInteger("LastOne"), 0u) << "the options were stored";
  EXPECT_TRUE(env.app.Terminated());
}

TEST_F(StartRestoreTest, AnEmptyHistoryLeavesHistoryIniAlone) {
  env.files.AddFile("C:\\Tunora\\History.ini", "");
  StartWith();
  ASSERT_TRUE(form->ListHistory.empty());
  env.files.SetAttributes("C:\\Tunora\\History.ini", os::FileAttributes::ReadOnly);
  Choose(form->FileExit);
  EXPECT_TRUE(Boxes().empty()) << "nothing is written, so nothing fails";
}

// Without a program folder the history is read from the drive's root but never written there.
TEST_F(StartRestoreTest, WithoutProgramFolderHistoryIniIsNotWritten) {
  env.registry.DeleteKey(player::kFolderKey);
  env.files.AddFile("C:\\History.ini", "C:\\Lists\\Kept.mpl\r\n");
  StartWith();
  EXPECT_EQ(form->ProgramFolder, "");
  env.fileDialogs.Type(kEvening);
  Choose(form->FileOpenList);
  Choose(form->FileExit);
  EXPECT_EQ(FileBytes("C:\\History.ini"), "C:\\Lists\\Kept.mpl\r\n");
}

}  // namespace
