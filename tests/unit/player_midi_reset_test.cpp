#include <gtest/gtest.h>

#include <cstdio>

#include "support/player_fixture.h"

namespace {

using controls::TStateTaskIcon;
using testing_support::PlayerFixture;
using Log = std::vector<std::string>;

// What the MIDI output sees of one whole reset: the 33 messages in order between open and close.
Log ResetSent() {
  Log log{"Open"};
  char line[32];
  for (unsigned controller : {0x78u, 0x79u}) {
    for (unsigned channel = 0; channel < 16; ++channel) {
      std::snprintf(line, sizeof line, "Message 0x%04X", controller << 8 | (0xB0u + channel));
      log.push_back(line);
    }
  }
  log.push_back("Message 0x00FF");
  log.push_back("Close");
  return log;
}

// Installed with its reset files, GM chosen, Auto on; two wave files of 10 and 20 seconds.
struct MidiResetTest : PlayerFixture {
  void SetUp() override {
    Start();
    AddMediaFile("C:\\a.wav", 10000);
    AddMediaFile("C:\\b.wav", 20000);
  }
  void Fill() {
    AddEntries({"C:\\a.wav", "C:\\b.wav"});
    TakeMediaLog();
  }
  Log TakeMidiLog() {
    Log log = env.midiOut.Log();
    env.midiOut.ClearLog();
    return log;
  }
  void Reset() { Click(form->SpdBtnReset); }
  os::DeviceMode Mode() const { return form->MIDIPlayer.Mode(); }
};

TEST_F(MidiResetTest, TheMenuItemAndTheToolButtonSendThe33MessagesInOrder) {
  const std::function<void()> triggers[] = {[&] { Choose(form->MIDIResetNow); }, [&] { Reset(); }};
  for (const auto& trigger : triggers) {
    const std::size_t cursors = env.backend.CursorHistory().size();
    trigger();
    EXPECT_EQ(TakeMidiLog(), ResetSent());
    EXPECT_FALSE(env.midiOut.IsOpen());
    // The hourglass while the command runs, the normal pointer afterwards.
    EXPECT_EQ(std::vector(env.backend.CursorHistory().begin() + cursors, env.backend.CursorHistory().end()),
              (std::vector{ui::TCursor::crHourGlass, ui::TCursor::crDefault}));
  }
  EXPECT_EQ(form->Caption(), "MIDI Tunora 1.0");
  EXPECT_TRUE(TakeMediaLog().empty());
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(MidiResetTest, WhilePlayingTheDeviceStopsClosesAndOpensTheSameEntryAtItsStart) {
  Fill();
  DoubleClickEntry(1);
  Wait(4000);
  form->ThreadedTimerTimer(&form->ThreadedTimer);
  ASSERT_EQ(form->DgSecIn.Value(), 4u);
  TakeMediaLog();

  Reset();
  EXPECT_EQ(TakeMediaLog(), (Log{"Stop", "SeekToStart", "Close", "Open C:\\b.wav", "SetTimeFormatMs"}));
  EXPECT_EQ(TakeMidiLog(), ResetSent());
  EXPECT_EQ(Mode(), os::DeviceMode::Stopped);
  EXPECT_EQ(form->MIDIPlayer.Position(), 0u);
  EXPECT_EQ(Transport(), "P--");
  EXPECT_EQ(form->TrayIcon.State(), TStateTaskIcon::tiDisabled);
  EXPECT_EQ(form->DgMinIn.Value(), 0u);
  EXPECT_EQ(form->DgSecIn.Value(), 0u);
  EXPECT_TRUE(form->TrackBar.Enabled());
  EXPECT_EQ(form->TrackBar.Position(), 0);
  EXPECT_EQ(form->TrackBar.SelEnd(), 0);
  EXPECT_EQ(form->CurrentIndex, 1);
  EXPECT_EQ(form->Caption(), "b.wav - 0:20 - MIDI Tunora");

  // Nothing starts by itself; Play starts the entry from the beginning.
  Wait(3000);
  EXPECT_EQ(form->MIDIPlayer.Position(), 0u);
  Click(form->SpdBtnPlay);
  Wait(1000);
  EXPECT_EQ(form->MIDIPlayer.Position(), 1000u);
  EXPECT_EQ(env.app.Screen().Cursor(), ui::TCursor::crDefault);
}

// The states in which nothing plays, reached as the user reaches them.
enum class Idle { NothingLoaded, Paused, Stopped, LoadedNotStarted };

struct IdleCase {
  const char* name;
  Idle state;
  const char* transport;
  std::uint32_t position;
};

void PrintTo(const IdleCase& c, std::ostream* out) { *out << c.name; }

struct MidiResetIdleTest : MidiResetTest, ::testing::WithParamInterface<IdleCase> {};

TEST_P(MidiResetIdleTest, WhileNothingPlaysTheDeviceIsLeftAsItIs) {
  const IdleCase& c = GetParam();
  if (c.state == Idle::LoadedNotStarted) form->AutoPlay.SetChecked(false);
  if (c.state != Idle::NothingLoaded) Fill();
  Wait(4000);
  if (c.state == Idle::Paused) Click(form->SpdBtnPause);
  if (c.state == Idle::Stopped) Click(form->SpdBtnStop);
  const os::DeviceMode mode = Mode();
  TakeMediaLog();

  Reset();
  EXPECT_TRUE(TakeMediaLog().empty());
  EXPECT_EQ(TakeMidiLog(), ResetSent());
  EXPECT_EQ(Mode(), mode);
  EXPECT_EQ(form->MIDIPlayer.Position(), c.position);
  EXPECT_EQ(Transport(), c.transport);
}

INSTANTIATE_TEST_SUITE_P(States, MidiResetIdleTest,
                         ::testing::Values(IdleCase{"NothingLoaded", Idle::NothingLoaded, "---", 0},
                                           IdleCase{"Paused", Idle::Paused, "PPS", 4000},
                                           IdleCase{"Stopped", Idle::Stopped, "P--", 0},
                                           IdleCase{"LoadedNotStarted", Idle::LoadedNotStarted, "P--", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MidiResetTest, TheTrackBarGoesToZeroWhenEnabledEvenIfNothingStops) {
  Fill();
  Wait(4000);
  form->ThreadedTimerTimer(&form->ThreadedTimer);
  Click(form->SpdBtnPause);
  ASSERT_EQ(form->TrackBar.Position(), 4);
  Reset();
  EXPECT_EQ(form->TrackBar.Position(), 0);
  EXPECT_EQ(form->TrackBar.SelStart(), 0);
  EXPECT_EQ(form->TrackBar.SelEnd(), 0);
  EXPECT_TRUE(form->TrackBar.Enabled());
  // The paused device keeps its place: Pause again goes on from there.
  Click(form->SpdBtnPause);
  Wait(1000);
  EXPECT_EQ(form->MIDIPlayer.Position(), 5000u);
}

TEST_F(MidiResetTest, DuringAWaitTheWaitGoesOnAndTheNextFileFollows) {
  form->WaitSeconds = 3;
  Fill();
  Wait(10001);
  ASSERT_EQ(form->Caption(), "Waiting 3 seconds");
  ASSERT_NE(form->DgSecIn.Delay(), 0u);
  TakeMediaLog();

  Reset();
  EXPECT_TRUE(TakeMediaLog().empty());
  EXPECT_EQ(TakeMidiLog(), ResetSent());
  EXPECT_NE(form->DgSecIn.Delay(), 0u);
  EXPECT_EQ(form->Caption(), "Waiting 3 seconds");
  EXPECT_EQ(Transport(), "-PS");

  Wait(3000);
  EXPECT_EQ(form->CurrentIndex, 1);
  EXPECT_EQ(Mode(), os::DeviceMode::Playing);
  EXPECT_EQ(form->Caption(), "b.wav - 0:20 - MIDI Tunora");
}

struct FailureCase {
  const char* name;
  unsigned openFailure, closeFailure;
  bool playing;
  const char* caption;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

struct MidiResetFailureTest : MidiResetTest, ::testing::WithParamInterface<FailureCase> {};

TEST_P(MidiResetFailureTest, ShowsInTheCaptionUntilTheNextEntryLoads) {
  const FailureCase& c = GetParam();
  form->AutoPlay.SetChecked(c.playing);
  Fill();
  env.midiOut.openFailure = c.openFailure;
  env.midiOut.closeFailure = c.closeFailure;
  Reset();
  EXPECT_EQ(form->Caption(), c.caption);
  Log sent = ResetSent();
  if (c.openFailure) sent = {"Open failed " + std::to_string(c.openFailure)};
  if (c.closeFailure) sent.back() = "Close failed " + std::to_string(c.closeFailure);
  EXPECT_EQ(TakeMidiLog(), sent);
  // The rest of the command runs: a playing entry is open again at its start.
  EXPECT_EQ(Mode(), os::DeviceMode::Stopped);
  EXPECT_EQ(Transport(), "P--");
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(env.app.Screen().Cursor(), ui::TCursor::crDefault);

  env.midiOut.closeFailure = 0;
  DoubleClickEntry(1);
  EXPECT_EQ(form->Caption(), "b.wav - 0:20 - MIDI Tunora");
}

INSTANTIATE_TEST_SUITE_P(
    Output, MidiResetFailureTest,
    ::testing::Values(FailureCase{"OpenFailsIdle", os::midierr::InvalidSetup, 0, false, "Fail to open MIDI device!"},
                      FailureCase{"OpenFailsPlaying", os::midierr::Allocated, 0, true, "Fail to open MIDI device!"},
                      FailureCase{"CloseFails", 0, os::midierr::StillPlaying, true, "Error Closing MIDI!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MidiResetTest, AFailedReopenIsReportedAndLeavesTheNormalPointer) {
  Fill();
  Wait(2000);
  env.media.RemoveFile("C:\\a.wav");
  Reset();
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Cannot find the specified file. Make sure the path and filename are correct.");
  EXPECT_EQ(TakeMidiLog(), ResetSent());
  EXPECT_FALSE(form->MIDIPlayer.IsOpen());
  EXPECT_EQ(env.app.Screen().Cursor(), ui::TCursor::crDefault);
}

TEST_F(MidiResetTest, EachResetTypeTogglesItsOwnItemOnly) {
  struct Step {
    ui::TMenuItem* item;
    const char* checked;  // "GM", "GS", "XG" or "" after the step
  } steps[] = {
      {&form->GS, "GS"}, {&form->XG, "XG"}, {&form->XG, ""}, {&form->GM, "GM"}, {&form->GM, ""}, {&form->GS, "GS"},
  };
  ASSERT_TRUE(form->GM.Checked());
  for (const auto& step : steps) {
    Choose(*step.item);
    std::string checked;
    for (ui::TMenuItem* item : {&form->GM, &form->GS, &form->XG})
      if (item->Checked()) checked += item->Name();
    EXPECT_EQ(checked, step.checked) << "after " << step.item->Name();
  }
  // Called from code with another sender, the handlers change nothing.
  form->GMClick(form.get());
  form->GSClick(&form->GM);
  form->XGClick(form.get());
  EXPECT_TRUE(form->GS.Checked());
  EXPECT_FALSE(form->GM.Checked() || form->XG.Checked());
  EXPECT_TRUE(TakeMidiLog().empty());
  EXPECT_TRUE(TakeMediaLog().empty());
}

TEST_F(MidiResetTest, TheChosenTypeAppliesFromTheNextMidiEntryLoaded) {
  AddMediaFile("C:\\song.mid", 5000);
  AddMediaFile("\\Reset\\Xg_reset.mid", 300);
  form->AutoPlay.SetChecked(false);
  Choose(form->XG);
  EXPECT_TRUE(TakeMediaLog().empty());
  AddEntries({"C:\\song.mid", "C:\\a.wav"});
  EXPECT_EQ(TakeMediaLog(), (Log{"Open \\Reset\\Xg_reset.mid", "Play wait", "Close", "Open C:\\song.mid",
                                 "SetTimeFormatMs"}));
  Choose(form->XG);
  DoubleClickEntry(0);
  EXPECT_EQ(TakeMediaLog(), (Log{"Close", "Open C:\\song.mid", "SetTimeFormatMs"}));
  EXPECT_TRUE(Boxes().empty());
}

}  // namespace
