#include <gtest/gtest.h>

#include <functional>

#include "support/player_fixture.h"

namespace {

using testing_support::PlayerFixture;
using Names = std::vector<std::string>;

constexpr const char* kListFile = "C:\\Lists\\Mix.mpl";

// Three wave files of 10, 20 and 30 seconds; no reset file, Auto on.
struct SequencingTest : PlayerFixture {
  void SetUp() override {
    Construct();
    form->GM.SetChecked(false);
    Create();
    AddMediaFile("C:\\a.wav", 10000);
    AddMediaFile("C:\\b.wav", 20000);
    AddMediaFile("C:\\c.wav", 30000);
  }
  void SetModes(bool loop, bool repeat, bool random, bool shuffle) {
    for (ui::TMenuItem* item : {&form->LoopPlay, &form->RepeatPlay, &form->RandomPlay, &form->ShufflePlay})
      item->SetChecked(false);
    if (loop) form->LoopPlay.SetChecked(true);
    if (repeat) form->RepeatPlay.SetChecked(true);
    if (random) form->RandomPlay.SetChecked(true);
    if (shuffle) form->ShufflePlay.SetChecked(true);
  }
  void Fill(int count) {
    const Names all{"C:\\a.wav", "C:\\b.wav", "C:\\c.wav"};
    AddEntries(Names(all.begin(), all.begin() + count));
  }
  void AttachListFile() {
    form->ListFileName = kListFile;
    form->LastListFileName = kListFile;
  }
  // Plays the entry from its start (Auto on) until its end has been reported.
  void PlayToEnd(int index) {
    DoubleClickEntry(index);
    Wait(form->MIDIPlayer.Length() + 1);
  }
  Names Entries() const { return form->SongList.Items(); }
  bool Playing() const { return form->MIDIPlayer.Mode() == os::DeviceMode::Playing; }
};

struct EndCase {
  const char* name;
  bool loop, repeat, random, shuffle;
  int count;
  int ended;
  bool listFile;
  std::uint32_t randomNumber;
  Names entriesAfter;
  int currentAfter;
  bool startedAfter;
};

const EndCase kEndCases[] = {
    {"NoModeNotLast", false, false, false, false, 3, 0, false, 0, {"a.wav", "b.wav", "c.wav"}, 1, true},
    {"NoModeLast", false, false, false, false, 3, 2, false, 0, {"a.wav", "b.wav", "c.wav"}, 0, false},
    {"NoModeOneEntry", false, false, false, false, 1, 0, false, 0, {"a.wav"}, 0, false},
    {"LoopNotLast", true, false, false, false, 3, 0, false, 0, {"a.wav", "b.wav", "c.wav"}, 1, true},
    {"LoopLast", true, false, false, false, 3, 2, false, 0, {"a.wav", "b.wav", "c.wav"}, 0, true},
    {"LoopOneEntry", true, false, false, false, 1, 0, false, 0, {"a.wav"}, 0, true},
    {"RepeatNotLast", false, true, false, false, 3, 1, false, 0, {"a.wav", "b.wav", "c.wav"}, 1, true},
    {"RepeatLast", false, true, false, false, 3, 2, false, 0, {"a.wav", "b.wav", "c.wav"}, 2, true},
    {"RepeatOneEntry", false, true, false, false, 1, 0, false, 0, {"a.wav"}, 0, true},
    {"RandomNotLast", false, false, true, false, 3, 0, false, 5, {"a.wav", "b.wav", "c.wav"}, 2, true},
    {"RandomLastSameAgain", false, false, true, false, 3, 2, false, 8, {"a.wav", "b.wav", "c.wav"}, 2, true},
    {"RandomOneEntry", false, false, true, false, 1, 0, false, 7, {"a.wav"}, 0, true},
    {"ShuffleNotLast", false, false, false, true, 3, 0, false, 1, {"b.wav", "c.wav"}, 1, true},
    {"ShuffleLast", false, false, false, true, 3, 2, false, 2, {"a.wav", "b.wav"}, 0, true},
    {"ShuffleOneEntryRereadsTheFile", false, false, false, true, 1, 0, true, 4, {"a.wav", "b.wav", "c.wav"}, 1,
     false},
    {"ShuffleOneEntryWithoutFileClears", false, false, false, true, 1, 0, false, 0, {}, 0, false},
    {"LoopShuffleNotLast", true, false, false, true, 3, 1, false, 0, {"a.wav", "c.wav"}, 0, true},
    {"LoopShuffleLast", true, false, false, true, 3, 2, false, 1, {"a.wav", "b.wav"}, 1, true},
    {"LoopShuffleOneEntryWithoutFileClears", true, false, false, true, 1, 0, false, 0, {}, 0, false},
    {"LoopShuffleOneEntryRereadStarts", true, false, false, true, 1, 0, true, 5, {"a.wav", "b.wav", "c.wav"}, 2,
     true},
};

struct EndOfFileTest : SequencingTest, ::testing::WithParamInterface<EndCase> {};

TEST_P(EndOfFileTest, NextEntryByPlayMode) {
  const EndCase& c = GetParam();
  SetModes(c.loop, c.repeat, c.random, c.shuffle);
  if (c.listFile) {
    AttachListFile();
    env.files.AddFile(kListFile, "C:\\a.wav\r\nC:\\b.wav\r\nC:\\c.wav\r\n");
  }
  Fill(c.count);
  form->ListChanged = 1;
  random.Give({c.randomNumber});
  PlayToEnd(c.ended);

  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(Entries(), c.entriesAfter);
  EXPECT_EQ(form->PathList.size(), c.entriesAfter.size());
  EXPECT_EQ(Playing(), c.startedAfter);
  if (c.entriesAfter.empty()) {
    EXPECT_EQ(Transport(), "---");
    EXPECT_EQ(form->Caption(), "MIDI Tunora 1.0");
    EXPECT_FALSE(form->SongList.Enabled());
    EXPECT_EQ(form->ListChanged, 0);
    return;
  }
  EXPECT_EQ(form->CurrentIndex, c.currentAfter);
  EXPECT_EQ(form->SongList.ItemIndex(), c.currentAfter);
  EXPECT_EQ(form->Caption().substr(0, 5), c.entriesAfter[c.currentAfter]);
  EXPECT_EQ(Transport(), c.startedAfter ? "-PS" : "P--");
  // The end of a file leaves the tray icon as the play left it.
  EXPECT_EQ(form->TrayIcon.State(), controls::TStateTaskIcon::tiEnabled);
  EXPECT_EQ(form->ListChanged, 1);
}

INSTANTIATE_TEST_SUITE_P(Modes, EndOfFileTest, ::testing::ValuesIn(kEndCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SequencingTest, RereadListEnablesSteppingAndKeepsTheFileAttached) {
  SetModes(false, false, false, true);
  AttachListFile();
  env.files.AddFile(kListFile, "C:\\a.wav\r\nC:\\b.wav\r\n");
  Fill(1);
  EXPECT_FALSE(form->SpdBtnNext.Enabled());
  PlayToEnd(0);
  EXPECT_EQ(Entries(), (Names{"a.wav", "b.wav"}));
  EXPECT_TRUE(form->SpdBtnNext.Enabled());
  EXPECT_TRUE(form->SpdBtnPrev.Enabled());
  EXPECT_EQ(form->ListFileName, kListFile);
  EXPECT_EQ(form->Caption(), "a.wav - 0:10 - Mix - MIDI Tunora");
}

TEST_F(SequencingTest, ShuffleDisablesSteppingWhenOneEntryRemains) {
  SetModes(false, false, false, true);
  Fill(2);
  EXPECT_TRUE(form->SpdBtnNext.Enabled());
  PlayToEnd(0);
  EXPECT_EQ(Entries(), (Names{"b.wav"}));
  EXPECT_FALSE(form->SpdBtnNext.Enabled());
  EXPECT_FALSE(form->SpdBtnPrev.Enabled());
  EXPECT_TRUE(Playing());
}

TEST_F(SequencingTest, VanishedListFileOnRereadShowsTheErrorAndLeavesAnEmptyUsableList) {
  SetModes(false, false, false, true);
  AttachListFile();
  Fill(1);
  PlayToEnd(0);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, std::string("Cannot open file ") + kListFile + ".");
  EXPECT_TRUE(Entries().empty());
  EXPECT_TRUE(form->PathList.empty());
  EXPECT_EQ(Transport(), "---");
  EXPECT_EQ(form->Caption(), "Mix - MIDI Tunora");

  AddEntries({"C:\\b.wav"});
  EXPECT_EQ(Entries(), (Names{"b.wav"}));
  EXPECT_EQ(form->Caption(), "b.wav - 0:20 - Mix - MIDI Tunora");
  EXPECT_TRUE(Playing());
}

TEST_F(SequencingTest, NextEntryThatCannotBeOpenedIsReportedAndNoFurtherEntryIsTried) {
  Fill(3);
  env.media.RemoveFile("C:\\b.wav");
  Wait(10001);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(form->CurrentIndex, 1);
  EXPECT_EQ(form->SongList.ItemIndex(), 1);
  EXPECT_FALSE(form->MIDIPlayer.IsOpen());
  Wait(60000);
  EXPECT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(form->CurrentIndex, 1);
}

TEST_F(SequencingTest, AutoOffLeavesTheEndedEntryLoadedAndDeselected) {
  form->AutoPlay.SetChecked(false);
  Fill(3);
  DoubleClickEntry(1);
  Click(form->SpdBtnPlay);
  TakeMediaLog();
  Wait(20001);
  EXPECT_EQ(TakeMediaLog(), Names{});
  EXPECT_EQ(form->SongList.ItemIndex(), -1);
  EXPECT_EQ(form->CurrentIndex, 1);
  EXPECT_EQ(Transport(), "P--");
  EXPECT_TRUE(form->TrackBar.Enabled());
  EXPECT_EQ(form->TrackBar.Position(), 0);
  EXPECT_EQ(form->Caption(), "b.wav - 0:20 - MIDI Tunora");
}

TEST_F(SequencingTest, NonSuccessfulNotificationOnlyClearsTheStartUpFlags) {
  Fill(3);
  Wait(3000);
  form->PlayRequested = true;
  form->QuitPending = true;
  DoubleClickEntry(2);  // cuts off the play of entry 0
  Wait(1);
  EXPECT_FALSE(form->PlayRequested);
  EXPECT_FALSE(form->QuitPending);
  EXPECT_FALSE(env.loop.QuitRequested());
  EXPECT_EQ(form->SongList.ItemIndex(), 2);
  EXPECT_EQ(form->CurrentIndex, 2);
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_TRUE(form->TrackBar.Enabled());
  EXPECT_TRUE(Playing());
}

// "/close" with a one-entry list ends the program at the device's first notification, whatever it
// reports; nothing else runs.
TEST_F(SequencingTest, CloseSwitchQuitsOnAOneEntryListOnAnyNotification) {
  for (const bool cutOff : {false, true}) {
    SCOPED_TRACE(cutOff ? "cut off" : "ended");
    Construct();
    form->GM.SetChecked(false);
    Create();
    Fill(1);
    form->QuitPending = true;
    if (cutOff) {
      Wait(2000);
      Click(form->SpdBtnStop);
      Wait(1);
    } else {
      Wait(10001);
    }
    EXPECT_TRUE(env.loop.QuitRequested());
    EXPECT_TRUE(form->QuitPending);
    EXPECT_EQ(form->SongList.ItemIndex(), 0);
  }
}

TEST_F(SequencingTest, CloseSwitchIsForgottenWithSeveralEntries) {
  Fill(2);
  form->QuitPending = true;
  Wait(10001);
  EXPECT_FALSE(env.loop.QuitRequested());
  EXPECT_FALSE(form->QuitPending);
  EXPECT_EQ(form->CurrentIndex, 1);
}

// --- The wait between files -------------------------------------------------------------------------

struct WaitTest : SequencingTest {
  void Begin(int waitSeconds, int counterTag = 0) {
    form->WaitSeconds = waitSeconds;
    form->TimeCount.Tag = counterTag;
    Fill(3);
    Wait(10001);
  }
  bool Waiting() const { return form->DgSecIn.Delay() != 0; }
  // The counter-switch command, as the user gives it from the menu.
  void SwitchCounter() { Choose(form->TimeCount); }
};

TEST_F(WaitTest, CaptionNamesTheSecondsAndTheTitleKeepsTheEndedEntry) {
  struct {
    int seconds;
    const char* caption;
  } cases[] = {{1, "Waiting 1 second"}, {5, "Waiting 5 seconds"}, {99, "Waiting 99 seconds"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    Construct();
    form->GM.SetChecked(false);
    Create();
    Begin(c.seconds);
    EXPECT_TRUE(Waiting());
    EXPECT_EQ(form->Caption(), c.caption);
    EXPECT_EQ(env.app.Title(), "a.wav - 0:10 - MIDI Tunora");
    EXPECT_EQ(Transport(), "-PS");
    EXPECT_EQ(form->TrayIcon.State(), controls::TStateTaskIcon::tiEnabled);
    EXPECT_FALSE(form->TrackBar.Enabled());
    EXPECT_EQ(form->SongList.ItemIndex(), -1);
  }
}

TEST_F(WaitTest, CountsByTheCounterDirectionAndTheNextEntryLoadsWithTheStepThatShowsTheTarget) {
  struct {
    int tag;
    std::vector<std::uint32_t> shown;
  } cases[] = {{0, {0, 1, 2, 3, 4}}, {1, {5, 4, 3, 2, 1}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tag);
    Construct();
    form->GM.SetChecked(false);
    Create();
    Begin(5, c.tag);
    for (std::uint32_t value : c.shown) {
      EXPECT_EQ(form->DgSecIn.Value(), value);
      EXPECT_EQ(form->DgMinIn.Value(), 0u);
      EXPECT_EQ(form->Caption(), "Waiting 5 seconds");
      EXPECT_EQ(form->CurrentIndex, 0);
      Wait(1000);
    }
    EXPECT_FALSE(Waiting());
    EXPECT_EQ(form->DgSecIn.Value(), 0u);
    EXPECT_EQ(form->CurrentIndex, 1);
    EXPECT_EQ(form->Caption(), "b.wav - 0:20 - MIDI Tunora");
    EXPECT_TRUE(Playing());
    EXPECT_TRUE(form->TimeCount.Enabled());
  }
}

TEST_F(WaitTest, OutOfRangeWaitSecondsAreHeldToTheCounter) {
  struct {
    int waitSeconds;
    bool waits;
    const char* caption;
  } cases[] = {{-1, false, "b.wav - 0:20 - MIDI Tunora"},
               {-65535, false, "b.wav - 0:20 - MIDI Tunora"},
               {150, true, "Waiting 99 seconds"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.waitSeconds);
    Construct();
    form->GM.SetChecked(false);
    Create();
    Begin(c.waitSeconds);
    EXPECT_EQ(Waiting(), c.waits);
    EXPECT_EQ(form->Caption(), c.caption);
    if (c.waits) {
      Wait(98000);
      EXPECT_EQ(form->CurrentIndex, 0);
      Wait(1000);
    }
    EXPECT_EQ(form->CurrentIndex, 1);
    EXPECT_TRUE(Playing());
  }
}

TEST_F(WaitTest, StopEndsTheWaitWithoutANextEntry) {
  Begin(5);
  Wait(2000);
  TakeMediaLog();
  Click(form->SpdBtnStop);
  EXPECT_FALSE(Waiting());
  EXPECT_EQ(TakeMediaLog(), (Names{"Stop", "SeekToStart"}));
  EXPECT_EQ(form->Caption(), "a.wav - 0:10 - MIDI Tunora");
  EXPECT_EQ(form->DgSecIn.Value(), 0u);
  EXPECT_EQ(form->DgMinIn.Value(), 0u);
  EXPECT_EQ(Transport(), "P--");
  EXPECT_EQ(form->MIDIPlayer.Position(), 0u);
  Wait(10000);
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_FALSE(Playing());
}

TEST_F(WaitTest, PauseFreezesTheCountAndNothingFollows) {
  Begin(5);
  Wait(2000);
  Click(form->SpdBtnPause);
  Wait(10000);
  EXPECT_FALSE(Waiting());
  EXPECT_EQ(form->DgSecIn.Value(), 2u);
  EXPECT_EQ(form->Caption(), "Waiting 5 seconds");
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(Transport(), "-PS");
}

TEST_F(WaitTest, NextEndsTheWaitSilentlyAndStartsTheNextEntry) {
  Begin(5);
  Wait(2000);
  Click(form->SpdBtnNext);
  EXPECT_FALSE(Waiting());
  EXPECT_EQ(form->CurrentIndex, 1);
  EXPECT_EQ(form->Caption(), "b.wav - 0:20 - MIDI Tunora");
  EXPECT_TRUE(Playing());
  Wait(4000);
  EXPECT_EQ(form->CurrentIndex, 1);
}

// After a wait that did not run out, the counter switch does nothing until a later wait runs out.
TEST_F(WaitTest, CounterSwitchKeepsItsNoEffectHandlerUntilAWaitRunsOut) {
  struct {
    const char* name;
    std::function<void()> end;
  } cases[] = {
      {"Stop", [this] { Click(form->SpdBtnStop); }},
      {"Pause", [this] { Click(form->SpdBtnPause); }},
      {"Next", [this] { Click(form->SpdBtnNext); }},
      {"Previous", [this] { Click(form->SpdBtnPrev); }},
      {"DoubleClick", [this] { DoubleClickEntry(2); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Construct();
    form->GM.SetChecked(false);
    Create();
    Begin(1);
    SwitchCounter();
    EXPECT_EQ(form->TimeCount.Tag, 0);
    c.end();
    ASSERT_FALSE(Waiting());
    SwitchCounter();
    EXPECT_EQ(form->TimeCount.Tag, 0);
    for (ui::TControl* control : std::initializer_list<ui::TControl*>{&form->LblCounter, &form->DgMinIn,
                                                                       &form->DgSecIn}) {
      env.app.Dispatch([&] { control->DblClick(); });
      EXPECT_EQ(form->TimeCount.Tag, 0) << control->Name();
    }
  }
}

TEST_F(WaitTest, CounterSwitchComesBackWhenTheWaitRunsOut) {
  Begin(1);
  Wait(1000);
  ASSERT_EQ(form->CurrentIndex, 1);
  SwitchCounter();
  EXPECT_EQ(form->TimeCount.Tag, 1);
  env.app.Dispatch([&] { form->LblCounter.DblClick(); });
  EXPECT_EQ(form->TimeCount.Tag, 0);
}

// --- Next and Previous ------------------------------------------------------------------------------

TEST_F(SequencingTest, NextAndPreviousWrapAtTheEnds) {
  form->AutoPlay.SetChecked(false);
  Fill(3);
  struct {
    bool next;
    int current;
  } steps[] = {{true, 1}, {true, 2}, {true, 0}, {false, 2}, {false, 1}, {false, 0}, {false, 2}};
  for (const auto& s : steps) {
    Click(s.next ? form->SpdBtnNext : form->SpdBtnPrev);
    EXPECT_EQ(form->CurrentIndex, s.current);
    EXPECT_EQ(form->SongList.ItemIndex(), s.current);
    EXPECT_EQ(Transport(), "P--");
    EXPECT_FALSE(Playing());
    EXPECT_FALSE(form->TrackBar.Enabled() && form->TrackBar.Position() != 0);
  }
  EXPECT_EQ(form->Caption(), "c.wav - 0:30 - MIDI Tunora");
}

TEST_F(SequencingTest, RandomJumpsForNextAndPrevious) {
  form->RandomPlay.SetChecked(true);
  Fill(3);
  random.Give({7, 2, 0});
  Click(form->SpdBtnNext);
  EXPECT_EQ(form->CurrentIndex, 1);
  Click(form->SpdBtnPrev);
  EXPECT_EQ(form->CurrentIndex, 2);
  Click(form->SpdBtnPrev);
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(form->SongList.ItemIndex(), 0);
  EXPECT_EQ(Entries().size(), 3u);
  EXPECT_TRUE(Playing());
}

TEST_F(SequencingTest, ShuffleNextRemovesTheCurrentEntry) {
  form->ShufflePlay.SetChecked(true);
  Fill(3);
  random.Give({1, 0});
  Click(form->SpdBtnNext);
  EXPECT_EQ(Entries(), (Names{"b.wav", "c.wav"}));
  EXPECT_EQ(form->CurrentIndex, 1);
  EXPECT_EQ(form->Caption(), "c.wav - 0:30 - MIDI Tunora");
  Click(form->SpdBtnPrev);
  EXPECT_EQ(Entries(), (Names{"b.wav"}));
  EXPECT_FALSE(form->SpdBtnNext.Enabled());
  EXPECT_FALSE(form->SpdBtnPrev.Enabled());
  EXPECT_TRUE(Playing());
}

// Shuffle's Next and Previous on the one entry left use up the list just as the end of that entry does:
// the list file fills it again (its random entry started with Loop on) or the list is cleared.
TEST_F(SequencingTest, ShuffleStepOnTheLastEntryLeftEndsTheListAsItsEndDoes) {
  enum class Way { End, Next, Previous };
  auto run = [this](bool loop, bool listFile, Way way) {
    const std::size_t boxesBefore = Boxes().size();
    Construct();
    form->GM.SetChecked(false);
    Create();
    SetModes(loop, false, false, true);
    if (listFile) {
      AttachListFile();
      env.files.AddFile(kListFile, "C:\\a.wav\r\nC:\\b.wav\r\nC:\\c.wav\r\n");
    }
    Fill(1);
    form->ListChanged = 1;
    random.Give({4});
    Wait(3000);
    if (way == Way::End) Wait(7001);
    if (way == Way::Next) Choose(form->PopNext);
    if (way == Way::Previous) Choose(form->PopPrev);
    std::string state;
    for (const std::string& entry : Entries()) state += entry + ",";
    auto flag = [&](const char* name, bool on) { state += std::string(" ") + name + (on ? "+" : "-"); };
    state += " selected " + std::to_string(form->SongList.ItemIndex()) + " current " +
             std::to_string(form->CurrentIndex) + " transport " + Transport() + " caption '" + form->Caption() +
             "' title '" + env.app.Title() + "' changed " + std::to_string(form->ListChanged);
    flag("playing", Playing());
    flag("list", form->SongList.Enabled());
    flag("trackbar", form->TrackBar.Enabled());
    flag("next", form->SpdBtnNext.Enabled());
    flag("previous", form->SpdBtnPrev.Enabled());
    flag("clear", form->FileClearList.Enabled());
    flag("tray", form->TrayIcon.State() == controls::TStateTaskIcon::tiEnabled);
    for (std::size_t n = boxesBefore; n < Boxes().size(); ++n) state += " box '" + Boxes()[n].text + "'";
    return state;
  };
  for (const bool listFile : {false, true}) {
    for (const bool loop : {false, true}) {
      SCOPED_TRACE(std::string(listFile ? "list file" : "no list file") + (loop ? ", Loop" : ""));
      const std::string ended = run(loop, listFile, Way::End);
      EXPECT_EQ(ended.find(" box "), std::string::npos) << ended;
      EXPECT_EQ(run(loop, listFile, Way::Next), ended);
      EXPECT_EQ(run(loop, listFile, Way::Previous), ended);
    }
  }
}

TEST_F(SequencingTest, NextWhilePausedLoadsWithoutStartingAndWhilePlayingStarts) {
  Fill(3);
  Wait(2000);
  Click(form->SpdBtnNext);
  EXPECT_EQ(form->CurrentIndex, 1);
  EXPECT_TRUE(Playing());
  EXPECT_EQ(form->MIDIPlayer.Position(), 0u);

  Click(form->SpdBtnPause);
  Click(form->SpdBtnNext);
  EXPECT_EQ(form->CurrentIndex, 2);
  EXPECT_FALSE(Playing());
  EXPECT_EQ(Transport(), "PPS");
  Click(form->SpdBtnPlay);
  EXPECT_TRUE(Playing());
}

TEST_F(SequencingTest, TrayMenuStepsLikeTheButtons) {
  form->AutoPlay.SetChecked(false);
  Fill(3);
  Choose(form->PopNext);
  EXPECT_EQ(form->CurrentIndex, 1);
  Choose(form->PopPrev);
  Choose(form->PopPrev);
  EXPECT_EQ(form->CurrentIndex, 2);
}

}  // namespace
