// The position counter, the track bar and seeking. Ticks of the refresh timer run as the GUI thread
// runs them (ThreadedTimerTimer with the timer as sender); the worker's own pace is slowed so that it
// adds no ticks of its own, except in the one test that lets it tick.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "base/text.h"
#include "support/player_fixture.h"
#include "ui/headless/raster_canvas.h"

namespace {

using namespace std::chrono_literals;
using controls::TStateTaskIcon;
using testing_support::PlayerFixture;
using Log = std::vector<std::string>;

// Evening.wav is 3:07 long, Short.wav 10 s, Long.wav 5 minutes; no reset file.
struct PositionTest : PlayerFixture {
  void SetUp() override {
    Construct();
    form->GM.SetChecked(false);
    form->AutoPlay.SetChecked(false);
    Create();
    AddMediaFile("C:\\Evening.wav", 187000);
    AddMediaFile("C:\\Short.wav", 10000);
    AddMediaFile("C:\\Long.wav", 300000);
  }
  // Loads the files as the list, double-clicks the first and, when asked, plays it for ms.
  void Load(const std::vector<std::string>& paths) {
    AddEntries(paths);
    DoubleClickEntry(0);
    TakeMediaLog();
  }
  void PlayFor(std::uint32_t ms) {
    Click(form->SpdBtnPlay);
    Wait(ms);
    TakeMediaLog();
  }
  void Tick() {
    env.app.Dispatch([&] { form->ThreadedTimerTimer(&form->ThreadedTimer); });
  }
  std::string Counter() const {
    return base::TwoDigits(form->DgMinIn.Value()) + ":" + base::TwoDigits(form->DgSecIn.Value());
  }
  // The colours of the minutes box, the colon and the seconds box.
  std::vector<ui::TColor> Colours() const {
    return {form->DgMinIn.Color1(), form->LblCounter.FontColor(), form->DgSecIn.Color1()};
  }
  void Press(ui::TMouseButton button = ui::TMouseButton::mbLeft) {
    env.app.Dispatch([&] { form->TrackBar.MouseDown(button, 0, 10, 10); });
  }
  void Drag(int position) {
    env.app.Dispatch([&] { form->TrackBar.UserMove(position); });
  }
  void Release(ui::TMouseButton button = ui::TMouseButton::mbLeft) {
    env.app.Dispatch([&] { form->TrackBar.MouseUp(button, 0, 10, 10); });
  }
  bool Playing() const { return form->MIDIPlayer.Mode() == os::DeviceMode::Playing; }
};

const std::vector<ui::TColor> kLime{ui::clLime, ui::clLime, ui::clLime};
const std::vector<ui::TColor> kRed{ui::clRed, ui::clRed, ui::clRed};

TEST_F(PositionTest, TheFormsTimerRefreshesFiveTimesASecondAtHigherPriority) {
  EXPECT_EQ(designTimerInterval, 200);
  EXPECT_EQ(form->ThreadedTimer.ThreadPriority(), ui::TThreadPriority::tpHigher);
  EXPECT_TRUE(form->ThreadedTimer.Active());
  EXPECT_EQ(form->TimeCount.Tag, 0);
  EXPECT_EQ(Colours(), kLime);
}

// The fixture slows the timer between Construct and Create: its worker must not have read the form's
// interval before that.
TEST_F(PositionTest, TheWorkerStartsOnlyWhenTheWindowIsCreated) {
  Construct();
  EXPECT_EQ(form->ThreadedTimer.Worker().ThreadID(), std::thread::id());
  Create();
  EXPECT_NE(form->ThreadedTimer.Worker().ThreadID(), std::thread::id());
  EXPECT_EQ(designTimerInterval, 200);
}

TEST_F(PositionTest, ElapsedAndRemainingTimeOfAPlayingFile) {
  Load({"C:\\Evening.wav"});
  PlayFor(65000);
  Tick();
  EXPECT_EQ(Counter(), "01:05");
  EXPECT_EQ(form->TrackBar.Position(), 65);
  EXPECT_EQ(form->TrackBar.SelStart(), 65);
  EXPECT_EQ(form->TrackBar.SelEnd(), 187);

  Choose(form->TimeCount);
  EXPECT_EQ(form->TimeCount.Tag, 1);
  EXPECT_EQ(Colours(), kRed);
  Tick();
  EXPECT_EQ(Counter(), "02:02");
  EXPECT_EQ(form->TrackBar.Position(), 65);

  Choose(form->TimeCount);
  EXPECT_EQ(form->TimeCount.Tag, 0);
  EXPECT_EQ(Colours(), kLime);
  Tick();
  EXPECT_EQ(Counter(), "01:05");
  EXPECT_TRUE(TakeMediaLog().empty());
}

// Five ticks a second, but the counter's digits change once a second: the ticks in between draw
// nothing. The boxes are covered in navy, so that any drawing shows.
TEST_F(PositionTest, TicksThatChangeNoDigitDrawNothing) {
  Load({"C:\\Evening.wav"});
  PlayFor(65000);
  Tick();
  auto covered = [](controls::TDigitBox& box) {
    auto& raster = static_cast<ui::RasterCanvas&>(box.Canvas());
    for (int y = 0; y < box.Height(); ++y)
      for (int x = 0; x < box.Width(); ++x)
        if (raster.Pixel(x, y) != ui::clNavy) return false;
    return true;
  };
  for (controls::TDigitBox* box : {&form->DgMinIn, &form->DgSecIn})
    box->Canvas().FillRect({0, 0, box->Width(), box->Height()}, ui::clNavy);
  for (int tick = 0; tick < 4; ++tick) {
    Wait(200);
    Tick();
  }
  EXPECT_EQ(Counter(), "01:05");
  EXPECT_TRUE(covered(form->DgMinIn));
  EXPECT_TRUE(covered(form->DgSecIn));
  Wait(200);
  Tick();
  EXPECT_EQ(Counter(), "01:06");
  EXPECT_EQ(form->TrackBar.Position(), 66);
  EXPECT_TRUE(covered(form->DgMinIn));
  EXPECT_FALSE(covered(form->DgSecIn));
}

TEST_F(PositionTest, SwitchingWhilePausedChangesTheColourAtOnceAndTheDigitsWhenPlayingAgain) {
  Load({"C:\\Evening.wav"});
  PlayFor(65000);
  Tick();
  Click(form->SpdBtnPause);
  Choose(form->TimeCount);
  EXPECT_EQ(Colours(), kRed);
  Tick();
  EXPECT_EQ(Counter(), "01:05");
  EXPECT_EQ(form->TrackBar.Position(), 65);

  Click(form->SpdBtnPause);
  Tick();
  EXPECT_EQ(Counter(), "02:02");
}

TEST_F(PositionTest, OnlyTheCountersOwnSendersToggleAndNothingChangesDuringAWait) {
  struct Case {
    const char* name;
    ui::TObject* sender;
    int tagAfter;
  };
  const Case cases[] = {
      {"Switch Counter", &form->TimeCount, 1}, {"colon", &form->LblCounter, 1}, {"minutes", &form->DgMinIn, 1},
      {"seconds", &form->DgSecIn, 1},         {"start-up", form.get(), 0},      {"Play", &form->SpdBtnPlay, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form->TimeCount.Tag = 0;
    form->TimeLabelClick(c.sender);
    EXPECT_EQ(form->TimeCount.Tag, c.tagAfter);
    EXPECT_EQ(Colours(), c.tagAfter ? kRed : kLime);
  }

  // A value other than 0 and 1 is kept and counts down in lime.
  form->TimeCount.Tag = 2;
  form->TimeLabelClick(&form->TimeCount);
  EXPECT_EQ(form->TimeCount.Tag, 2);
  EXPECT_EQ(Colours(), kLime);

  form->TimeCount.Tag = 0;
  env.app.Dispatch([&] {
    form->LblCounter.DblClick();
    form->DgMinIn.DblClick();
    form->DgSecIn.DblClick();
  });
  EXPECT_EQ(form->TimeCount.Tag, 1);

  form->DgSecIn.SetDelay(1000);
  form->TimeLabelClick(&form->TimeCount);
  EXPECT_EQ(form->TimeCount.Tag, 1);
  form->DgSecIn.SetDelay(0);
}

TEST_F(PositionTest, DraggingPreviewsTheThumbsTimeWithoutTouchingTheDevice) {
  Load({"C:\\Evening.wav"});
  PlayFor(65000);
  Tick();

  Press(ui::TMouseButton::mbRight);
  EXPECT_TRUE(form->ThreadedTimer.Enabled());
  Press();
  EXPECT_FALSE(form->ThreadedTimer.Enabled());
  Drag(150);
  EXPECT_EQ(Counter(), "02:30");
  EXPECT_EQ(form->TrackBar.SelStart(), 150);
  EXPECT_EQ(form->TrackBar.SelEnd(), 187);
  form->TimeCount.Tag = 1;
  Drag(151);
  EXPECT_EQ(Counter(), "00:36");

  EXPECT_TRUE(TakeMediaLog().empty());
  EXPECT_TRUE(Playing());
  EXPECT_EQ(form->MIDIPlayer.Position(), 65000u);
}

TEST_F(PositionTest, ReleaseWhilePlayingContinuesFromTheThumb) {
  Load({"C:\\Evening.wav"});
  PlayFor(65000);
  env.app.Dispatch([&] { form->TrayIcon.SetState(TStateTaskIcon::tiDisabled); });
  Press();
  Drag(150);
  Release(ui::TMouseButton::mbRight);
  EXPECT_TRUE(TakeMediaLog().empty());
  EXPECT_FALSE(form->ThreadedTimer.Enabled());

  Release();
  EXPECT_EQ(TakeMediaLog(), (Log{"Stop", "Seek 150000", "Play notify"}));
  EXPECT_TRUE(form->ThreadedTimer.Enabled());
  EXPECT_TRUE(Playing());
  EXPECT_EQ(form->MIDIPlayer.Position(), 150000u);
  EXPECT_EQ(form->TrayIcon.State(), TStateTaskIcon::tiEnabled);
  EXPECT_EQ(Transport(), "-PS");
  Wait(2000);
  Tick();
  EXPECT_EQ(Counter(), "02:32");
}

TEST_F(PositionTest, ReleaseWhileStoppedMovesWithoutStarting) {
  Load({"C:\\Evening.wav"});
  Press();
  Drag(150);
  Release();
  EXPECT_EQ(TakeMediaLog(), (Log{"Seek 150000"}));
  EXPECT_TRUE(form->ThreadedTimer.Enabled());
  EXPECT_FALSE(Playing());
  EXPECT_EQ(form->MIDIPlayer.Position(), 150000u);
  EXPECT_EQ(Transport(), "P--");
  EXPECT_EQ(Counter(), "02:30");

  Click(form->SpdBtnPlay);
  EXPECT_EQ(TakeMediaLog(), (Log{"Play notify"}));
  Wait(1000);
  Tick();
  EXPECT_EQ(Counter(), "02:31");
}

TEST_F(PositionTest, ClickingTheThumbWithoutMovingItOnlyReenablesTheTimer) {
  Load({"C:\\Evening.wav"});
  PlayFor(65000);
  Tick();
  Press();
  Release();
  EXPECT_TRUE(TakeMediaLog().empty());
  EXPECT_TRUE(form->ThreadedTimer.Enabled());
  EXPECT_TRUE(Playing());
}

TEST_F(PositionTest, ForwardInsideAPlayingFileSkipsAndPlaysOn) {
  Load({"C:\\Evening.wav"});
  PlayFor(10000);
  Click(form->SpdBtnStep);
  EXPECT_EQ(TakeMediaLog(), (Log{"Stop", "Seek 15000", "Play notify from 15000"}));
  EXPECT_TRUE(Playing());
  EXPECT_EQ(form->TrayIcon.State(), TStateTaskIcon::tiEnabled);
  Tick();
  EXPECT_EQ(Counter(), "00:15");
}

TEST_F(PositionTest, ForwardNearTheEndOfAPlayingFileEndsItAtOnce) {
  Load({"C:\\Evening.wav"});
  PlayFor(184000);
  Click(form->SpdBtnStep);
  EXPECT_EQ(TakeMediaLog(), (Log{"Stop", "Play notify from 187000"}));
  Wait(0);
  // The end is handled as any other end: with Auto off the entry stays loaded and deselected.
  EXPECT_FALSE(Playing());
  EXPECT_EQ(Transport(), "P--");
  EXPECT_EQ(form->SongList.ItemIndex(), -1);
  EXPECT_EQ(form->MIDIPlayer.Position(), 187000u);
}

TEST_F(PositionTest, ForwardWhileStoppedMovesAndTheNextPlayOfAnyEntryStartsThere) {
  Load({"C:\\Short.wav", "C:\\Evening.wav"});
  Click(form->SpdBtnStep);
  EXPECT_EQ(TakeMediaLog(), (Log{"Seek 5000"}));
  EXPECT_EQ(form->MIDIPlayer.PendingStart, 5000u);
  EXPECT_EQ(Counter(), "00:00");
  EXPECT_EQ(form->TrackBar.Position(), 0);

  Click(form->SpdBtnNext);
  EXPECT_EQ(form->CurrentIndex, 1);
  EXPECT_EQ(form->MIDIPlayer.PendingStart, 5000u);
  TakeMediaLog();
  Click(form->SpdBtnPlay);
  EXPECT_EQ(TakeMediaLog(), (Log{"Play notify from 5000"}));
  EXPECT_FALSE(form->MIDIPlayer.PendingStart);
}

TEST_F(PositionTest, ForwardWhileStoppedNearTheEndMovesToTheEnd) {
  Load({"C:\\Short.wav"});
  Click(form->SpdBtnStep);
  Click(form->SpdBtnStep);
  Click(form->SpdBtnStep);
  EXPECT_EQ(TakeMediaLog(), (Log{"Seek 5000", "Seek 10000", "Seek 10000"}));
  EXPECT_EQ(form->MIDIPlayer.PendingStart, 10000u);
}

TEST_F(PositionTest, ReverseWhilePlaying) {
  struct Case {
    std::uint32_t playedMs;
    Log log;
  };
  const Case cases[] = {
      {3000, {"Stop", "Seek 0", "Play notify"}},
      {5000, {"Stop", "Seek 0", "Play notify"}},
      {12000, {"Stop", "Seek 7000", "Play notify"}},
  };
  Load({"C:\\Evening.wav"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.playedMs);
    Click(form->SpdBtnStop);
    PlayFor(c.playedMs);
    Click(form->SpdBtnBack);
    EXPECT_EQ(TakeMediaLog(), c.log);
    EXPECT_TRUE(Playing());
    EXPECT_FALSE(form->MIDIPlayer.PendingStart);
  }
}

TEST_F(PositionTest, ReverseWhileStoppedInsideTheFirstSecondsKeepsThePositionAndTheNextPlayStartsAtZero) {
  Load({"C:\\Evening.wav"});
  PlayFor(3000);
  Tick();
  Click(form->SpdBtnPause);
  TakeMediaLog();
  Click(form->SpdBtnBack);
  EXPECT_TRUE(TakeMediaLog().empty());
  EXPECT_EQ(form->MIDIPlayer.PendingStart, 0u);
  EXPECT_EQ(form->MIDIPlayer.Position(), 3000u);
  EXPECT_EQ(Counter(), "00:03");
  EXPECT_EQ(form->TrackBar.Position(), 3);

  Click(form->SpdBtnPause);
  EXPECT_EQ(TakeMediaLog(), (Log{"Play notify from 0"}));
}

TEST_F(PositionTest, ReverseWhileStoppedFurtherInSeeksBack) {
  Load({"C:\\Evening.wav"});
  PlayFor(12000);
  Click(form->SpdBtnPause);
  TakeMediaLog();
  Click(form->SpdBtnBack);
  EXPECT_EQ(TakeMediaLog(), (Log{"Seek 7000"}));
  EXPECT_FALSE(form->MIDIPlayer.PendingStart);
}

TEST_F(PositionTest, SkipsUseSkipSecondsWithinOneToNinetyNine) {
  struct Case {
    int skipSeconds;
    const char* forward;
    const char* back;
  };
  const Case cases[] = {
      {99, "Seek 199000", "Seek 1000"},
      {1, "Seek 101000", "Seek 99000"},
      {150, "Seek 199000", "Seek 1000"},
      {0, "Seek 101000", "Seek 99000"},
      {-5, "Seek 101000", "Seek 99000"},
  };
  Load({"C:\\Long.wav"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.skipSeconds);
    form->SkipSeconds = c.skipSeconds;
    env.app.Dispatch([&] { form->MIDIPlayer.Seek(100000); });
    TakeMediaLog();
    Click(form->SpdBtnStep);
    EXPECT_EQ(TakeMediaLog(), (Log{c.forward}));
    env.app.Dispatch([&] { form->MIDIPlayer.Seek(100000); });
    TakeMediaLog();
    Click(form->SpdBtnBack);
    EXPECT_EQ(TakeMediaLog(), (Log{c.back}));
  }
}

TEST_F(PositionTest, ForwardAndReverseDuringAWaitStartTheNextEntryAtOnce) {
  form->AutoPlay.SetChecked(true);
  form->WaitSeconds = 5;
  AddEntries({"C:\\Short.wav", "C:\\Evening.wav"});
  for (ui::TSpeedButton* button : {&form->SpdBtnStep, &form->SpdBtnBack}) {
    SCOPED_TRACE(button->Name());
    DoubleClickEntry(0);
    Wait(10001);
    ASSERT_NE(form->DgSecIn.Delay(), 0u);
    TakeMediaLog();
    Click(*button);
    EXPECT_EQ(form->DgSecIn.Delay(), 0u);
    EXPECT_EQ(form->CurrentIndex, 1);
    EXPECT_TRUE(Playing());
    EXPECT_EQ(form->Caption(), "Evening.wav - 3:07 - MIDI Tunora");
  }
}

TEST_F(PositionTest, ADragHeldAtThePlayListsEdgeScrollsOneItemATick) {
  std::vector<std::string> paths{"C:\\Short.wav"};
  for (int i = 1; i < 30; ++i) paths.push_back("C:\\Song" + std::to_string(i) + ".wav");
  AddEntries(paths);
  controls::TScrollListBox& list = form->SongList;
  ui::TScreen& screen = env.app.Screen();
  // The first item whose top lies lower than 18 pixels above the bottom.
  const int lowest = (list.ClientHeight() - 18) / list.ItemHeight + 1;

  list.SetItemIndex(lowest);
  Tick();
  EXPECT_EQ(list.ItemIndex(), lowest);

  for (ui::TCursor cursor : {ui::TCursor::crDrag, ui::TCursor::crMultiDrag}) {
    screen.SetCursor(cursor);
    list.SetItemIndex(lowest - 1);
    Tick();
    EXPECT_EQ(list.ItemIndex(), lowest - 1);
    list.SetItemIndex(lowest);
    Tick();
    EXPECT_EQ(list.ItemIndex(), lowest + 1);
    Tick();
    EXPECT_EQ(list.ItemIndex(), lowest + 2);
  }

  // Up from the top visible item, but not past the first entry; never past the last one.
  list.SetTopIndex(10);
  list.SetItemIndex(10);
  Tick();
  EXPECT_EQ(list.ItemIndex(), 9);
  list.SetTopIndex(0);
  list.SetItemIndex(0);
  Tick();
  EXPECT_EQ(list.ItemIndex(), 0);
  list.SetTopIndex(29 - lowest);
  list.SetItemIndex(29);
  Tick();
  EXPECT_EQ(list.ItemIndex(), 29);
  list.SetItemIndex(-1);
  Tick();
  EXPECT_EQ(list.ItemIndex(), -1);
  screen.SetCursor(ui::TCursor::crDefault);
  EXPECT_TRUE(Boxes().empty());
}

struct PositionWorkerTest : PositionTest {
  PositionWorkerTest() { realTicks = true; }
};

TEST_F(PositionWorkerTest, TheWorkerTicksTheCounterForward) {
  Load({"C:\\Evening.wav"});
  PlayFor(65000);
  env.app.Dispatch([&] { form->ResetCounter(); });
  const auto end = std::chrono::steady_clock::now() + 10s;
  while (Counter() != "01:05" && std::chrono::steady_clock::now() < end) env.loop.ServeFor(10ms);
  EXPECT_EQ(Counter(), "01:05");
  EXPECT_EQ(form->TrackBar.Position(), 65);
  EXPECT_EQ(env.threadPriority.Of(form->ThreadedTimer.Worker().ThreadID()), os::ThreadPriority::Level::Higher);
}

}  // namespace
