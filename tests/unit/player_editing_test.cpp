// The play list's editing commands: remove, sort, push up and down, Goto Current, Show File Path and
// the popup's item states, each with the rules that keep the current index on the loaded file.
#include <gtest/gtest.h>

#include "support/player_fixture.h"

namespace {

using testing_support::PlayerFixture;
using Names = std::vector<std::string>;

// Four wave files of 10 to 40 seconds; no reset file.
struct EditingTest : PlayerFixture {
  void SetUp() override {
    Construct();
    form->GM.SetChecked(false);
    Create();
    for (int i = 0; i < 4; ++i) AddMediaFile(Path(i), 10000 * (i + 1));
  }
  static std::string Path(int i) { return std::string("C:\\") + static_cast<char>('a' + i) + ".wav"; }
  void SetModes(bool loop, bool autoPlay, bool random, bool shuffle) {
    for (ui::TMenuItem* item : {&form->LoopPlay, &form->RepeatPlay, &form->RandomPlay, &form->ShufflePlay})
      item->SetChecked(false);
    form->LoopPlay.SetChecked(loop);
    form->AutoPlay.SetChecked(autoPlay);
    form->RandomPlay.SetChecked(random);
    form->ShufflePlay.SetChecked(shuffle);
  }
  void Fill(int count) {
    Names paths;
    for (int i = 0; i < count; ++i) paths.push_back(Path(i));
    AddEntries(paths);
  }
  // Makes the entry current and playing (Auto on while it loads) or loaded and stopped.
  void MakeCurrent(int index, bool playing) {
    const bool autoPlay = form->AutoPlay.Checked();
    form->AutoPlay.SetChecked(playing);
    DoubleClickEntry(index);
    form->AutoPlay.SetChecked(autoPlay);
  }
  void Select(int index) { env.app.Dispatch([&] { form->SongList.UserSelect(index); }); }
  Names Entries() const { return form->SongList.Items(); }
  bool Playing() const { return form->MIDIPlayer.Mode() == os::DeviceMode::Playing; }
  // The file on the device, from the caption it gave the window.
  std::string Loaded() const { return form->Caption().substr(0, 5); }
};

struct RemoveCase {
  const char* name;
  bool loop, autoPlay, random, shuffle;
  int current;
  bool playing;
  int removed;
  std::uint32_t randomNumber;
  Names entriesAfter;
  int currentAfter;
  const char* loadedAfter;
  bool playingAfter;
  int selectedAfter;
};

const RemoveCase kRemoveCases[] = {
    // Another entry goes: the device is not touched and the current index follows its file.
    {"AboveCurrent", true, true, false, false, 2, true, 0, 0, {"b.wav", "c.wav", "d.wav"}, 1, "c.wav", true, 0},
    {"BelowCurrent", true, true, false, false, 1, true, 2, 0, {"a.wav", "b.wav", "d.wav"}, 1, "b.wav", true, 2},
    {"LastNotCurrent", true, true, false, false, 0, false, 3, 0, {"a.wav", "b.wav", "c.wav"}, 0, "a.wav", false, 2},
    // The current entry in the middle: the one that followed it is loaded at the same index.
    {"CurrentMiddleAutoPlaying", false, true, false, false, 1, true, 1, 0, {"a.wav", "c.wav", "d.wav"}, 1,
     "c.wav", true, 1},
    {"CurrentMiddleAutoStopped", false, true, false, false, 1, false, 1, 0, {"a.wav", "c.wav", "d.wav"}, 1,
     "c.wav", false, 1},
    {"CurrentMiddleNoAutoPlaying", true, false, false, false, 1, true, 1, 0, {"a.wav", "c.wav", "d.wav"}, 1,
     "c.wav", false, 1},
    {"CurrentMiddleRandomStopped", false, false, true, false, 1, false, 1, 5, {"a.wav", "c.wav", "d.wav"}, 2,
     "d.wav", true, 2},
    {"CurrentMiddleShuffle", false, false, false, true, 2, false, 2, 3, {"a.wav", "b.wav", "d.wav"}, 0, "a.wav",
     true, 0},
    // The current entry at the end: the list goes on from its top, playing only in Loop (if it played).
    {"CurrentLastLoopPlaying", true, true, false, false, 3, true, 3, 0, {"a.wav", "b.wav", "c.wav"}, 0, "a.wav",
     true, 0},
    {"CurrentLastLoopStopped", true, true, false, false, 3, false, 3, 0, {"a.wav", "b.wav", "c.wav"}, 0, "a.wav",
     false, 0},
    {"CurrentLastAutoPlaying", false, true, false, false, 3, true, 3, 0, {"a.wav", "b.wav", "c.wav"}, 0, "a.wav",
     false, 0},
    {"CurrentLastRandom", false, false, true, false, 3, false, 3, 4, {"a.wav", "b.wav", "c.wav"}, 1, "b.wav", true,
     1},
};

struct RemoveTest : EditingTest, ::testing::WithParamInterface<RemoveCase> {};

TEST_P(RemoveTest, CurrentIndexKeepsNamingTheLoadedFile) {
  const RemoveCase& c = GetParam();
  SetModes(c.loop, c.autoPlay, c.random, c.shuffle);
  Fill(4);
  MakeCurrent(c.current, c.playing);
  form->ListChanged = 0;
  Select(c.removed);
  random.Give({c.randomNumber});
  Click(form->BtnRemove);

  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(Entries(), c.entriesAfter);
  EXPECT_EQ(form->PathList.size(), 3u);
  EXPECT_EQ(form->CurrentIndex, c.currentAfter);
  EXPECT_EQ(Loaded(), c.loadedAfter);
  EXPECT_EQ(Playing(), c.playingAfter);
  EXPECT_EQ(Transport(), c.playingAfter ? "-PS" : "P--");
  EXPECT_EQ(form->SongList.ItemIndex(), c.selectedAfter);
  EXPECT_EQ(form->ListChanged, 1);
  EXPECT_TRUE(form->SongList.Focused()) << "the button leaves the focus in the list";
}

INSTANTIATE_TEST_SUITE_P(Situations, RemoveTest, ::testing::ValuesIn(kRemoveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditingTest, RemovingTheCurrentEntryStopsTheOldFileBeforeLoadingTheNext) {
  SetModes(false, true, false, false);
  Fill(3);
  MakeCurrent(1, true);
  Wait(4000);
  TakeMediaLog();
  Select(1);
  Click(form->BtnRemove);
  const std::vector<std::string> log = TakeMediaLog();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0], "Close");
  EXPECT_EQ(log[1], "Open C:\\c.wav");
  EXPECT_EQ(form->TrackBar.Position(), 0);
  EXPECT_EQ(form->TrackBar.Max(), 30) << "the track bar spans the file loaded in its place";
  EXPECT_TRUE(form->TrackBar.Enabled());
}

TEST_F(EditingTest, RemovingDownToOneEntryStopsSteppingAndTheOnlyEntryClearsTheList) {
  Fill(2);
  MakeCurrent(0, false);
  EXPECT_TRUE(form->SpdBtnNext.Enabled());
  Select(1);
  Click(form->BtnRemove);
  EXPECT_FALSE(form->SpdBtnNext.Enabled());
  EXPECT_FALSE(form->SpdBtnPrev.Enabled());
  EXPECT_TRUE(form->FileSortList.Enabled()) << "Sort List stays on";
  EXPECT_EQ(Entries(), Names{"a.wav"});

  Select(0);
  form->ListFileName = "C:\\Lists\\Evening.mpl";
  Click(form->BtnRemove);
  EXPECT_TRUE(Entries().empty());
  EXPECT_TRUE(form->PathList.empty());
  EXPECT_FALSE(form->SongList.Enabled());
  EXPECT_EQ(Transport(), "---");
  EXPECT_EQ(form->Caption(), "Evening - MIDI Tunora");
  EXPECT_EQ(form->ListChanged, 1);
}

TEST_F(EditingTest, RemoveWithoutSelectionDoesNothing) {
  Fill(3);
  form->ListChanged = 0;
  form->SongList.SetItemIndex(-1);
  Choose(form->PopRemove);
  EXPECT_EQ(Entries().size(), 3u);
  EXPECT_EQ(form->ListChanged, 0);
}

TEST_F(EditingTest, SortingOrdersPathsByTheLocaleIgnoringCaseAndRestartsAtTheTop) {
  for (const char* path : {"C:\\Music\\banana.wav", "C:\\Music\\Apple.wav", "C:\\Music Old\\zebra.wav",
                           "C:\\Music\\_intro.wav"})
    AddMediaFile(path, 5000);
  SetModes(true, true, false, false);
  AddEntries({"C:\\Music\\banana.wav", "C:\\Music\\Apple.wav", "C:\\Music Old\\zebra.wav", "C:\\Music\\_intro.wav"});
  MakeCurrent(2, true);
  form->ListChanged = 0;
  Choose(form->FileSortList);
  EXPECT_EQ(form->PathList, (Names{"C:\\Music Old\\zebra.wav", "C:\\Music\\_intro.wav", "C:\\Music\\Apple.wav",
                                   "C:\\Music\\banana.wav"}));
  EXPECT_EQ(Entries(), (Names{"zebra.wav", "_intro.wav", "Apple.wav", "banana.wav"}));
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(form->SongList.ItemIndex(), 0);
  EXPECT_EQ(form->Caption().substr(0, 9), "zebra.wav");
  EXPECT_TRUE(Playing());
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_EQ(form->ListChanged, 1);

  form->AutoPlay.SetChecked(false);
  Choose(form->PopSortList);
  EXPECT_FALSE(Playing());
  EXPECT_EQ(Transport(), "P--");
}

TEST_F(EditingTest, SortingOneEntryStillReloadsIt) {
  Fill(1);
  form->AutoPlay.SetChecked(false);
  TakeMediaLog();
  Choose(form->PopSortList);
  const std::vector<std::string> log = TakeMediaLog();
  EXPECT_NE(std::find(log.begin(), log.end(), "Open C:\\a.wav"), log.end());
  EXPECT_EQ(form->CurrentIndex, 0);
}

struct MoveCase {
  const char* name;
  bool up;
  int selected, current;
  Names entriesAfter;
  int selectedAfter, currentAfter;
  const char* commands;  // up and down after the move
};

const MoveCase kMoveCases[] = {
    {"UpTheCurrent", true, 2, 2, {"a.wav", "c.wav", "b.wav", "d.wav"}, 1, 1, "UD"},
    {"UpTheOneBelowCurrent", true, 2, 1, {"a.wav", "c.wav", "b.wav", "d.wav"}, 1, 2, "UD"},
    {"UpToTheTop", true, 1, 3, {"b.wav", "a.wav", "c.wav", "d.wav"}, 0, 3, "-D"},
    {"UpTheFirstDoesNothing", true, 0, 1, {"a.wav", "b.wav", "c.wav", "d.wav"}, 0, 1, "-D"},
    {"DownTheCurrent", false, 1, 1, {"a.wav", "c.wav", "b.wav", "d.wav"}, 2, 2, "UD"},
    {"DownTheOneAboveCurrent", false, 1, 2, {"a.wav", "c.wav", "b.wav", "d.wav"}, 2, 1, "UD"},
    {"DownToTheEnd", false, 2, 0, {"a.wav", "b.wav", "d.wav", "c.wav"}, 3, 0, "U-"},
    {"DownTheLastDoesNothing", false, 3, 0, {"a.wav", "b.wav", "c.wav", "d.wav"}, 3, 0, "U-"},
};

struct MoveTest : EditingTest, ::testing::WithParamInterface<MoveCase> {};

TEST_P(MoveTest, TheCurrentIndexFollowsItsFile) {
  const MoveCase& c = GetParam();
  form->AutoPlay.SetChecked(false);
  Fill(4);
  MakeCurrent(c.current, false);
  form->ListChanged = 0;
  Select(c.selected);
  env.app.Dispatch([&] { (c.up ? form->MoveFileUpClick(&form->MoveFileUp) : form->MoveFileDownClick(&form->MoveFileDown)); });
  EXPECT_EQ(Entries(), c.entriesAfter);
  EXPECT_EQ(form->PathList[c.currentAfter].substr(3), Loaded());
  EXPECT_EQ(form->CurrentIndex, c.currentAfter);
  EXPECT_EQ(form->SongList.ItemIndex(), c.selectedAfter);
  const bool moved = c.entriesAfter != Names{"a.wav", "b.wav", "c.wav", "d.wav"};
  EXPECT_EQ(form->ListChanged, moved ? 1 : 0);
  std::string commands;
  commands += form->MoveFileUp.Enabled() ? 'U' : '-';
  commands += form->MoveFileDown.Enabled() ? 'D' : '-';
  EXPECT_EQ(commands, c.commands);
}

INSTANTIATE_TEST_SUITE_P(Moves, MoveTest, ::testing::ValuesIn(kMoveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditingTest, GotoCurrentSelectsTheCurrentEntryAndScrollsItIntoView) {
  form->AutoPlay.SetChecked(false);
  Names paths;
  for (int i = 0; i < 40; ++i) {
    paths.push_back("C:\\song" + std::to_string(i) + ".wav");
    AddMediaFile(paths.back(), 1000);
  }
  AddEntries(paths);
  MakeCurrent(30, false);
  form->SongList.SetTopIndex(0);
  Select(2);
  Choose(form->PopGoto);
  EXPECT_EQ(form->SongList.ItemIndex(), 30);
  EXPECT_GT(form->SongList.TopIndex(), 0);
  EXPECT_LE(form->SongList.TopIndex(), 30);
}

TEST_F(EditingTest, ShowFilePathTellsThePathOrThatTheFileIsGone) {
  env.files.AddFile("C:\\b.wav", "RIFF");
  Fill(2);
  Select(1);
  Choose(form->PopShowFilePath);
  Select(0);
  Choose(form->PopShowFilePath);
  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(Boxes()[0].text, "File path:\nC:\\b.wav");
  EXPECT_EQ(Boxes()[0].caption, "Information - File Path");
  EXPECT_EQ(Boxes()[0].flags, ui::mbIconInformation | ui::mbTopMost);
  EXPECT_EQ(Boxes()[1].text, "This file does not exist!");
  EXPECT_EQ(Boxes()[1].caption, "Error - Find File");
  EXPECT_EQ(Boxes()[1].flags, ui::mbIconError | ui::mbTopMost);
}

TEST_F(EditingTest, PopupItemsFollowTheListAndItsSelection) {
  // Goto, Path, Remove, Clear, Sort, Move, Move All, Rename, Kill
  auto items = [&] {
    std::string s;
    for (ui::TMenuItem* item : {&form->PopGoto, &form->PopShowFilePath, &form->PopRemove, &form->PopClearList,
                                &form->PopSortList, &form->MoveFileTo, &form->MoveAllFilesTo, &form->PopRename,
                                &form->PopDelete})
      s += item->Enabled() ? '+' : '-';
    return s;
  };
  env.app.Dispatch([&] { form->PopupSongList.Popup(10, 10); });
  EXPECT_EQ(items(), "---------");
  Fill(3);
  Select(1);
  env.app.Dispatch([&] { form->PopupSongList.Popup(10, 10); });
  EXPECT_EQ(items(), "+++++++++");
  form->SongList.SetItemIndex(-1);
  env.app.Dispatch([&] { form->PopupSongList.Popup(10, 10); });
  EXPECT_EQ(items(), "+--++-+--") << "Goto Current keeps its state";
  env.app.Dispatch([&] { form->FileClearListClick(form.get()); });
  env.app.Dispatch([&] { form->PopupSongList.Popup(10, 10); });
  env.app.Dispatch([&] { form->PopupSongList.Popup(10, 10); });
  EXPECT_EQ(items(), "---------");
}

}  // namespace
