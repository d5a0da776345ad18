#include <gtest/gtest.h>

#include "support/player_fixture.h"

namespace {

using testing_support::PlayerFixture;
using Log = std::vector<std::string>;

struct LoadEntryTest : PlayerFixture {
  void SetUp() override {
    Construct();
    form->AutoPlay.SetChecked(false);
    Create();
  }
};

TEST_F(LoadEntryTest, CaptionNamesTheEntryItsLengthAndTheList) {
  struct Case {
    std::uint32_t lengthMs;
    const char* listFile;
    const char* caption;
    int trackMax;
  } cases[] = {
      {999, "*.mpl", "Evening.mid - 0:00 - MIDI Tunora", 0},
      {61500, "*.mpl", "Evening.mid - 1:01 - MIDI Tunora", 61},
      {187000, "*.mpl", "Evening.mid - 3:07 - MIDI Tunora", 187},
      {187000, "C:\\Lists\\Favourites.mpl", "Evening.mid - 3:07 - Favourites - MIDI Tunora", 187},
      {125 * 60000, "D:\\x.y\\Long.list.mpl", "Evening.mid - 125:00 - Long.list - MIDI Tunora", 7500},
      {9000, "NoDot", "Evening.mid - 0:09 - NoDot - MIDI Tunora", 9},
  };
  for (const auto& c : cases) {
    AddMediaFile("C:\\Music\\Evening.mid", c.lengthMs);
    form->GM.SetChecked(false);
    form->ListFileName = c.listFile;
    form->ClearEntries();
    AddEntries({"C:\\Music\\Evening.mid"});
    DoubleClickEntry(0);
    EXPECT_EQ(form->Caption(), c.caption);
    EXPECT_EQ(env.app.Title(), c.caption);
    EXPECT_EQ(env.backend.applicationTitle, c.caption);
    EXPECT_EQ(form->TrayIcon.Hint(), c.caption);
    EXPECT_TRUE(form->TrackBar.Enabled());
    EXPECT_EQ(form->TrackBar.Max(), c.trackMax);
    EXPECT_EQ(form->TrackBar.SelStart(), 0);
    EXPECT_EQ(form->TrackBar.SelEnd(), c.trackMax);
  }
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(LoadEntryTest, TrayHintIsTheTitleCutTo64Characters) {
  const std::string name(70, 'n');
  AddMediaFile("C:\\" + name + ".wav", 2000);
  AddEntries({"C:\\" + name + ".wav"});
  const std::string caption = name + ".wav - 0:02 - MIDI Tunora";
  EXPECT_EQ(form->Caption(), caption);
  EXPECT_EQ(env.app.Title(), caption);
  EXPECT_EQ(form->TrayIcon.Hint(), caption.substr(0, 64));
}

TEST_F(LoadEntryTest, MidiEntriesGetTheCheckedResetFileFirst) {
  form->ProgramFolder = "C:\\Tunora";
  for (const char* reset : {"Gm_reset.mid", "Gs_reset.mid", "Xg_reset.mid"})
    AddMediaFile(std::string("C:\\Tunora\\Reset\\") + reset, 300);
  for (const char* song : {"C:\\SONG.MID", "C:\\b.rmi", "C:\\c.wav", "C:\\d.avi"}) AddMediaFile(song, 5000);
  AddEntries({"C:\\SONG.MID", "C:\\b.rmi", "C:\\c.wav", "C:\\d.avi"});
  TakeMediaLog();

  struct Case {
    ui::TMenuItem* reset;
    int entry;
    Log log;
  } cases[] = {
      {&form->GM, 0, {"Open C:\\Tunora\\Reset\\Gm_reset.mid", "Play wait", "Open C:\\SONG.MID", "SetTimeFormatMs"}},
      {&form->GS, 1, {"Open C:\\Tunora\\Reset\\Gs_reset.mid", "Play wait", "Open C:\\b.rmi", "SetTimeFormatMs"}},
      {&form->XG, 0, {"Open C:\\Tunora\\Reset\\Xg_reset.mid", "Play wait", "Open C:\\SONG.MID", "SetTimeFormatMs"}},
      {&form->GM, 2, {"Open C:\\c.wav", "SetTimeFormatMs"}},
      {&form->GM, 3, {"Open C:\\d.avi", "SetTimeFormatMs"}},
      {nullptr, 0, {"Open C:\\SONG.MID", "SetTimeFormatMs"}},
  };
  for (const auto& c : cases) {
    for (ui::TMenuItem* item : {&form->GM, &form->GS, &form->XG}) item->SetChecked(item == c.reset);
    env.app.Dispatch([&] { form->LoadEntry(c.entry); });
    Log log = TakeMediaLog();
    // The open of the reset file or of the entry closes what was open before.
    std::erase(log, "Close");
    EXPECT_EQ(log, c.log) << c.entry;
    EXPECT_EQ(form->MIDIPlayer.FileName, form->PathList[c.entry]);
  }
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(LoadEntryTest, LoadingNeitherStartsNorRewindsNorTouchesTheButtons) {
  AddMediaFile("C:\\a.wav", 5000);
  AddEntries({"C:\\a.wav"});
  EXPECT_EQ(Transport(), "P--");
  TakeMediaLog();
  form->SpdBtnStop.SetEnabled(true);
  env.app.Dispatch([&] { form->LoadEntry(0); });
  EXPECT_EQ(TakeMediaLog(), (Log{"Close", "Open C:\\a.wav", "SetTimeFormatMs"}));
  EXPECT_EQ(Transport(), "P-S");
  EXPECT_FALSE(form->MIDIPlayer.PendingStart);
}

TEST_F(LoadEntryTest, ResetCounterShowsZeroAndEndsAWait) {
  form->DgSecIn.SetDelay(1000);
  form->DgSecIn.SetTarget(5);
  form->DgMinIn.SetTarget(3);
  form->ResetCounter();
  EXPECT_EQ(form->DgSecIn.Delay(), 0u);
  EXPECT_EQ(form->DgSecIn.Value(), 0u);
  EXPECT_EQ(form->DgMinIn.Value(), 0u);
}

}  // namespace
