#include <gtest/gtest.h>

#include "support/player_fixture.h"

namespace {

using controls::TStateTaskIcon;
using testing_support::PlayerFixture;
using Log = std::vector<std::string>;

struct StartTest : PlayerFixture {
  void StartWith(std::vector<std::string> words, bool autoPlay) {
    Construct(std::move(words));
    form->AutoPlay.SetChecked(autoPlay);
    Create();
  }
};

TEST_F(StartTest, WithoutCommandLineNothingIsLoadedAndTheWindowShows) {
  Start();
  EXPECT_EQ(env.app.Title(), "MIDI Tunora 1.01");
  EXPECT_EQ(env.app.HelpFile, "D:\\MIDITunora\\Mtunora.hlp");
  EXPECT_EQ(form->Caption(), "MIDI Tunora 1.0");
  EXPECT_TRUE(form->Visible());
  EXPECT_FALSE(form->TrayIcon.Active());
  EXPECT_EQ(env.backend.CursorHistory(), (std::vector<ui::TCursor>{ui::TCursor::crHourGlass, ui::TCursor::crDefault}));
  EXPECT_EQ(form->DgSecIn.Delay(), 0u);
  EXPECT_EQ(form->DgMinIn.Delay(), 0u);
  EXPECT_EQ(form->SkipSeconds, 5);
  EXPECT_EQ(form->WaitSeconds, 0);
  EXPECT_EQ(form->ListFileName, "*.mpl");
  EXPECT_EQ(form->LastListFileName, "*.mpl");
  EXPECT_FALSE(form->SongList.Enabled());
  EXPECT_EQ(Transport(), "---");
  EXPECT_TRUE(env.media.Log().empty());
}

TEST_F(StartTest, AMediaFileBecomesAOneEntryListAndPlaysWithAuto) {
  AddMediaFile("C:\\My Music\\Night Song.MID", 187000);
  StartWith({"C:\\My", "Music\\Night", "Song.MID"}, true);
  EXPECT_EQ(TakeMediaLog(), (Log{"Open C:\\My Music\\Night Song.MID", "SetTimeFormatMs", "Play notify"}))
      << "no reset file";
  EXPECT_EQ(form->PathList, (std::vector<std::string>{"C:\\My Music\\Night Song.MID"}));
  EXPECT_EQ(form->SongList.Items(), (std::vector<std::string>{"Night Song.MID"}));
  EXPECT_EQ(form->SongList.ItemIndex(), 0);
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(form->ListFileName, "*.mpl");
  EXPECT_EQ(form->Caption(), "Night Song.MID - 3:07 - MIDI Tunora");
  EXPECT_EQ(env.app.Title(), form->Caption());
  EXPECT_EQ(form->TrayIcon.Hint(), form->Caption());
  EXPECT_EQ(form->TrayIcon.State(), TStateTaskIcon::tiEnabled);
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_TRUE(form->SongList.Enabled());
  EXPECT_TRUE(form->TrackBar.Enabled());
  EXPECT_EQ(form->TrackBar.Max(), 187);
  EXPECT_EQ(form->TrackBar.SelEnd(), 187);
  EXPECT_EQ(form->TrackBar.Position(), 0);
  for (ui::TMenuItem* item : {&form->FileSaveListAs, &form->SaveListAs1, &form->FileClearList, &form->FileSaveList,
                              &form->SaveList1})
    EXPECT_TRUE(item->Enabled()) << item->Name();
  for (ui::TControl* c : std::initializer_list<ui::TControl*>{&form->BtnKill, &form->SpdMoveAllFiles,
                                                              &form->SpdMoveFile, &form->BtnRemoveAll,
                                                              &form->BtnRemove, &form->SpeedBtnSave,
                                                              &form->SpdBtnBack, &form->SpdBtnStep})
    EXPECT_TRUE(c->Enabled()) << c->Name();
  EXPECT_FALSE(form->MoveFileUp.Enabled());
  EXPECT_FALSE(form->MoveFileDown.Enabled());
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(StartTest, WithAutoOffAFileLoadsOnlyAndPlayWaits) {
  AddMediaFile("C:\\a.wav", 5000);
  StartWith({"C:\\a.wav"}, false);
  EXPECT_EQ(TakeMediaLog(), (Log{"Open C:\\a.wav", "SetTimeFormatMs"}));
  EXPECT_EQ(Transport(), "P--");
  EXPECT_EQ(form->TrayIcon.State(), TStateTaskIcon::tiDisabled);
}

TEST_F(StartTest, WithAutoOffPlaySwitchPlaysWhilePlayStaysEnabled) {
  AddMediaFile("C:\\a.wav", 5000);
  StartWith({"/PLAY", "C:\\a.wav"}, false);
  EXPECT_EQ(TakeMediaLog(), (Log{"Open C:\\a.wav", "SetTimeFormatMs", "Play notify"}));
  EXPECT_EQ(Transport(), "P--");
  EXPECT_EQ(form->TrayIcon.State(), TStateTaskIcon::tiEnabled);
  EXPECT_TRUE(form->PlayRequested);
  Wait(5000);
  EXPECT_FALSE(form->PlayRequested) << "the device's first notification clears it";
}

TEST_F(StartTest, SwitchesOnlyBehaveLikeNoCommandLine) {
  StartWith({"/play", "/close", "/other"}, false);
  EXPECT_TRUE(env.media.Log().empty());
  EXPECT_EQ(form->Caption(), "MIDI Tunora 1.0");
  EXPECT_EQ(form->LastListFileName, "*.mpl");
  EXPECT_TRUE(form->QuitPending);
}

struct BadName {
  std::vector<std::string> words;
  bool box;
};

struct BadFileNameTest : StartTest, ::testing::WithParamInterface<BadName> {};

TEST_P(BadFileNameTest, IsIgnoredOrReportedAndThePlayerStaysUsable) {
  AddMediaFile("C:\\ok.wav", 2000);
  StartWith(GetParam().words, true);
  if (GetParam().box) {
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].caption, "MIDI Tunora 1.01");
    EXPECT_EQ(Boxes()[0].flags, ui::mbOK | ui::mbIconError);
    EXPECT_EQ(form->PathList.size(), 1u) << "the file stays in the list";
  } else {
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(form->PathList.empty());
  }
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(env.backend.CursorHistory().back(), ui::TCursor::crDefault);

  form->ClearEntries();
  form->FileSaveList.SetEnabled(false);
  AddEntries({"C:\\ok.wav"});
  EXPECT_EQ(form->Caption(), "ok.wav - 0:02 - MIDI Tunora");
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_EQ(Boxes().size(), GetParam().box ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Names, BadFileNameTest,
    ::testing::Values(BadName{{"C:\\missing.mid"}, true}, BadName{{"C:\\noextension"}, false},
                      BadName{{"C:\\a.txt"}, false}, BadName{{"C:\\a.wav", "C:\\b.wav"}, true},
                      BadName{{"   "}, false}, BadName{{"C:\\quote\"in.wav"}, true},
                      BadName{{"C:\\\xC4\xE9\xFF.wav"}, true},
                      BadName{{"C:\\" + std::string(5000, 'x') + ".avi"}, true},
                      BadName{{"C:\\dir.wav\\"}, false}, BadName{{".mid"}, true}));

}  // namespace
