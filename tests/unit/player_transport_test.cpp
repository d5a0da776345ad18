#include <gtest/gtest.h>

#include "support/player_fixture.h"

namespace {

using controls::TStateTaskIcon;
using testing_support::PlayerFixture;
using Log = std::vector<std::string>;

struct TransportTest : PlayerFixture {
  void SetUp() override {
    Construct();
    form->GM.SetChecked(false);
    Create();
    AddMediaFile("C:\\a.wav", 10000);
    AddMediaFile("C:\\b.wav", 20000);
  }
  void Fill(bool autoPlay) {
    form->AutoPlay.SetChecked(autoPlay);
    AddEntries({"C:\\a.wav", "C:\\b.wav"});
    TakeMediaLog();
  }
  TStateTaskIcon Tray() const { return form->TrayIcon.State(); }
};

TEST_F(TransportTest, NothingLoadedAtStart) {
  EXPECT_EQ(Transport(), "---");
  EXPECT_EQ(Tray(), TStateTaskIcon::tiDisabled);
  EXPECT_FALSE(form->TrackBar.Enabled());
}

TEST_F(TransportTest, DoubleClickWithAutoOffLoadsAndPlayStartsAtZero) {
  Fill(false);
  DoubleClickEntry(1);
  EXPECT_EQ(TakeMediaLog(), (Log{"Close", "Open C:\\b.wav", "SetTimeFormatMs"}));
  EXPECT_EQ(form->CurrentIndex, 1);
  EXPECT_EQ(form->SongList.ItemIndex(), 1);
  EXPECT_EQ(form->Caption(), "b.wav - 0:20 - MIDI Tunora");
  EXPECT_EQ(Transport(), "P--");
  EXPECT_EQ(Tray(), TStateTaskIcon::tiDisabled);

  Click(form->SpdBtnPlay);
  EXPECT_EQ(TakeMediaLog(), (Log{"Play notify"}));
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_EQ(Tray(), TStateTaskIcon::tiEnabled);
  EXPECT_EQ(form->MIDIPlayer.Mode(), os::DeviceMode::Playing);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(TransportTest, DoubleClickWithAutoOnStartsAndCutsOffThePlayingEntry) {
  Fill(true);
  EXPECT_EQ(Transport(), "-PS");
  Wait(3000);
  DoubleClickEntry(1);
  EXPECT_EQ(TakeMediaLog(), (Log{"Close", "Open C:\\b.wav", "SetTimeFormatMs", "Play notify"}));
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_EQ(Tray(), TStateTaskIcon::tiEnabled);
  EXPECT_EQ(form->MIDIPlayer.Position(), 0u);
  // The cut-off play's notification arrives as aborted and ends nothing.
  Wait(1);
  EXPECT_EQ(form->SongList.ItemIndex(), 1);
  EXPECT_EQ(Transport(), "-PS");
}

TEST_F(TransportTest, DoubleClickWithoutSelectionDoesNothing) {
  Fill(false);
  form->SongList.SetItemIndex(-1);
  env.app.Dispatch([&] { form->SongList.DblClick(); });
  EXPECT_TRUE(TakeMediaLog().empty());
}

TEST_F(TransportTest, PauseKeepsThePositionAndPauseOrPlayContinues) {
  Fill(true);
  Wait(4000);
  Click(form->SpdBtnPause);
  EXPECT_EQ(TakeMediaLog(), (Log{"Stop"}));
  EXPECT_EQ(Transport(), "PPS");
  EXPECT_EQ(Tray(), TStateTaskIcon::tiDisabled);
  EXPECT_EQ(form->MIDIPlayer.Position(), 4000u);

  Wait(2000);
  Click(form->SpdBtnPause);
  EXPECT_EQ(TakeMediaLog(), (Log{"Play notify"}));
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_EQ(Tray(), TStateTaskIcon::tiEnabled);
  Wait(1000);
  EXPECT_EQ(form->MIDIPlayer.Position(), 5000u);

  Click(form->SpdBtnPause);
  Click(form->SpdBtnPlay);
  EXPECT_EQ(TakeMediaLog(), (Log{"Stop", "Play notify"}));
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_EQ(form->MIDIPlayer.Position(), 5000u);
}

TEST_F(TransportTest, StopRewindsAndPlayStartsFromTheBeginning) {
  Fill(true);
  Wait(4000);
  Click(form->SpdBtnStop);
  EXPECT_EQ(TakeMediaLog(), (Log{"Stop", "SeekToStart"}));
  EXPECT_EQ(Transport(), "P--");
  EXPECT_EQ(Tray(), TStateTaskIcon::tiDisabled);
  EXPECT_TRUE(form->TrackBar.Enabled());
  EXPECT_EQ(form->TrackBar.SelEnd(), 0);
  EXPECT_EQ(form->TrackBar.Position(), 0);
  EXPECT_EQ(form->MIDIPlayer.Position(), 0u);
  EXPECT_EQ(form->Caption(), "a.wav - 0:10 - MIDI Tunora");

  Click(form->SpdBtnPlay);
  Wait(1000);
  EXPECT_EQ(form->MIDIPlayer.Position(), 1000u);
}

TEST_F(TransportTest, StopWhilePausedRewindsToo) {
  Fill(true);
  Wait(4000);
  Click(form->SpdBtnPause);
  TakeMediaLog();
  Click(form->SpdBtnStop);
  EXPECT_EQ(TakeMediaLog(), (Log{"Stop", "SeekToStart"}));
  EXPECT_EQ(Transport(), "P--");
}

TEST_F(TransportTest, TrayMenuItemsRunTheTransportCommands) {
  Fill(false);
  Choose(form->PopPlay);
  EXPECT_EQ(Transport(), "-PS");
  Choose(form->PopPause);
  EXPECT_EQ(Transport(), "PPS");
  Choose(form->PopStop);
  EXPECT_EQ(Transport(), "P--");
  EXPECT_EQ(TakeMediaLog(), (Log{"Play notify", "Stop", "Stop", "SeekToStart"}));
}

TEST_F(TransportTest, PendingStartIsUsedByTheNextPlayOnly) {
  Fill(false);
  form->MIDIPlayer.PendingStart = 6000;
  Click(form->SpdBtnPlay);
  EXPECT_EQ(TakeMediaLog(), (Log{"Play notify from 6000"}));
  EXPECT_FALSE(form->MIDIPlayer.PendingStart);
  Click(form->SpdBtnPause);
  Click(form->SpdBtnPause);
  EXPECT_EQ(TakeMediaLog(), (Log{"Stop", "Play notify"}));
}

TEST_F(TransportTest, PauseDuringAWaitFreezesTheCountAndNothingElse) {
  Fill(true);
  form->DgSecIn.SetDelay(1000);
  form->DgSecIn.SetTarget(5);
  Wait(2000);
  ASSERT_EQ(form->DgSecIn.Value(), 2u);
  TakeMediaLog();
  Click(form->SpdBtnPause);
  EXPECT_EQ(form->DgSecIn.Delay(), 0u);
  EXPECT_EQ(form->DgSecIn.Target(), 2u);
  EXPECT_EQ(form->DgSecIn.Value(), 2u);
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_TRUE(TakeMediaLog().empty());
}

TEST_F(TransportTest, EndOfFileWithAutoOffLeavesTheEntryLoadedAtItsEnd) {
  Fill(false);
  Click(form->SpdBtnPlay);
  form->PlayRequested = true;
  form->QuitPending = true;
  Wait(10000);
  EXPECT_FALSE(form->PlayRequested);
  EXPECT_FALSE(form->QuitPending);
  EXPECT_EQ(form->SongList.ItemIndex(), -1);
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(Transport(), "P--");
  EXPECT_TRUE(form->TrackBar.Enabled());
  EXPECT_EQ(form->TrackBar.Position(), 0);
  EXPECT_EQ(form->TrackBar.SelEnd(), 0);
  EXPECT_EQ(form->Caption(), "a.wav - 0:10 - MIDI Tunora");
  EXPECT_EQ(form->MIDIPlayer.Position(), 10000u);

  // Standing at its end, the entry ends again at once when played.
  TakeMediaLog();
  Click(form->SpdBtnPlay);
  Wait(1);
  EXPECT_EQ(TakeMediaLog(), (Log{"Play notify"}));
  EXPECT_EQ(Transport(), "P--");
}

TEST_F(TransportTest, ACutOffPlayOnlyClearsTheStartFlags) {
  Fill(false);
  Click(form->SpdBtnPlay);
  form->PlayRequested = true;
  form->QuitPending = true;
  Click(form->SpdBtnStop);
  Wait(1);
  EXPECT_FALSE(form->PlayRequested);
  EXPECT_FALSE(form->QuitPending);
  EXPECT_EQ(form->SongList.ItemIndex(), 0);
  EXPECT_EQ(Transport(), "P--");
}

struct OpenFailureTest : TransportTest {};

TEST_F(OpenFailureTest, AnEntryThatCannotBeOpenedShowsTheErrorAndLeavesTheStateAsItWas) {
  Fill(false);
  AddEntries({"C:\\gone.wav"});
  Click(form->SpdBtnPlay);
  Wait(2000);
  const std::string caption = form->Caption();
  env.backend.ClearBoxes();

  DoubleClickEntry(2);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Cannot find the specified file. Make sure the path and filename are correct.");
  EXPECT_EQ(Boxes()[0].caption, caption);
  EXPECT_EQ(Boxes()[0].flags, ui::mbOK | ui::mbIconError);
  EXPECT_EQ(form->MIDIPlayer.FileName, "C:\\gone.wav");
  EXPECT_FALSE(form->MIDIPlayer.IsOpen());
  EXPECT_EQ(form->CurrentIndex, 2);
  EXPECT_EQ(form->SongList.ItemIndex(), 2);
  EXPECT_EQ(form->DgMinIn.Value(), 0u);
  EXPECT_EQ(form->DgSecIn.Value(), 0u);
  EXPECT_FALSE(form->TrackBar.Enabled());
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_EQ(form->Caption(), caption);

  // Play with nothing open is the device's own error.
  Click(form->SpdBtnPause);
  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(Boxes()[1].text, "No MCI device open.");

  // The player stays usable.
  DoubleClickEntry(1);
  EXPECT_EQ(form->Caption(), "b.wav - 0:20 - MIDI Tunora");
  EXPECT_EQ(Boxes().size(), 2u);
}

TEST_F(OpenFailureTest, AMissingResetFileBlocksMidiEntriesOnly) {
  AddMediaFile("C:\\song.mid", 3000);
  form->GM.SetChecked(true);
  form->AutoPlay.SetChecked(false);
  AddEntries({"C:\\a.wav", "C:\\song.mid"});
  DoubleClickEntry(1);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(form->MIDIPlayer.FileName, "\\Reset\\Gm_reset.mid");
  DoubleClickEntry(0);
  EXPECT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(form->Caption(), "a.wav - 0:10 - MIDI Tunora");
}

}  // namespace
