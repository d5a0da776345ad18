#include <gtest/gtest.h>

#include "support/player_fixture.h"
#include "ui/headless/raster_canvas.h"

namespace {

using testing_support::PlayerFixture;

struct PlayListTest : PlayerFixture {
  void SetUp() override {
    Construct();
    form->GM.SetChecked(false);
    form->AutoPlay.SetChecked(false);
    Create();
  }
  // The seven selection-dependent commands as "UDRAFMK", '-' for a disabled one.
  std::string Commands() const {
    std::string s;
    s += form->MoveFileUp.Enabled() ? 'U' : '-';
    s += form->MoveFileDown.Enabled() ? 'D' : '-';
    s += form->BtnRemove.Enabled() ? 'R' : '-';
    s += form->BtnRemoveAll.Enabled() ? 'A' : '-';
    s += form->SpdMoveFile.Enabled() ? 'F' : '-';
    s += form->SpdMoveAllFiles.Enabled() ? 'M' : '-';
    s += form->BtnKill.Enabled() ? 'K' : '-';
    return s;
  }
  void Entries(int count) {
    form->ClearEntries();
    for (int i = 0; i < count; ++i) form->AppendEntry("C:\\" + std::to_string(i) + ".wav", std::to_string(i));
  }
};

TEST_F(PlayListTest, SelectionRuleTable) {
  struct Case {
    int count, selected;
    const char* commands;
  } cases[] = {
      {0, -1, "-------"}, {3, -1, "---A-M-"}, {1, 0, "--RAFMK"}, {1, -1, "---A-M-"},
      {3, 0, "-DRAFMK"},  {3, 2, "U-RAFMK"},  {3, 1, "UDRAFMK"}, {2, 1, "U-RAFMK"},
  };
  for (const auto& c : cases) {
    Entries(c.count);
    form->SongList.SetItemIndex(c.selected);
    form->SongListClick(form.get());
    EXPECT_EQ(Commands(), c.commands) << c.count << " " << c.selected;
  }
}

TEST_F(PlayListTest, TheUsersClickFocusesTheEnabledListOfAVisibleWindow) {
  Entries(2);
  form->SongList.SetEnabled(true);
  form->SongListClick(form.get());
  EXPECT_FALSE(form->SongList.Focused()) << "a call from the window itself";
  env.app.Dispatch([&] { form->SongList.UserSelect(1); });
  EXPECT_TRUE(form->SongList.Focused());
  EXPECT_EQ(Commands(), "U-RAFMK");

  form->PanelControl.SetFocus();
  form->SetVisible(false);
  env.app.Dispatch([&] { form->SongList.UserSelect(0); });
  EXPECT_FALSE(form->SongList.Focused()) << "hidden window";
}

TEST_F(PlayListTest, EntryOperationsKeepPathsAndTextsParallel) {
  form->AppendEntry("C:\\a.wav", "a.wav");
  form->AppendEntry("C:\\a.wav", "a.wav");
  form->InsertEntry(0, "C:\\z.mid", "z.mid");
  form->InsertEntry(3, "D:b.avi", "b.avi");
  EXPECT_EQ(form->PathList, (std::vector<std::string>{"C:\\z.mid", "C:\\a.wav", "C:\\a.wav", "D:b.avi"}));
  EXPECT_EQ(form->SongList.Items(), (std::vector<std::string>{"z.mid", "a.wav", "a.wav", "b.avi"}));
  form->ExchangeEntries(0, 3);
  form->DeleteEntry(1);
  EXPECT_EQ(form->PathList, (std::vector<std::string>{"D:b.avi", "C:\\a.wav", "C:\\z.mid"}));
  EXPECT_EQ(form->SongList.Items(), (std::vector<std::string>{"b.avi", "a.wav", "z.mid"}));
  EXPECT_EQ(form->ListChanged, 0);
  EXPECT_EQ(form->CurrentIndex, 0);

  form->PathList = {"C:\\Music\\Night Song.mid", "D:drive.wav", "bare.avi", "C:\\dir\\"};
  form->FillDisplayFromPaths(false);
  EXPECT_EQ(form->SongList.Items(), (std::vector<std::string>{"Night Song.mid", "drive.wav", "bare.avi", ""}));
  form->ClearEntries();
  EXPECT_TRUE(form->PathList.empty());
  EXPECT_EQ(form->SongList.Count(), 0);
}

TEST_F(PlayListTest, TheScrollExtentGrowsToTheWidestEntryOnly) {
  const int client = form->SongList.ClientWidth();
  const int perChar = ui::RasterCanvas::kCharWidth;
  const std::string narrow(client / perChar - 1, 'n');   // fits
  const std::string wide(client / perChar + 5, 'w');      // wider than the list
  const std::string wider(client / perChar + 10, 'W');

  form->MeasureEntry(narrow, true);
  EXPECT_EQ(form->WidestEntryWidth, 0);
  EXPECT_EQ(form->SongList.HorizontalExtent(), 0);

  form->MeasureEntry(wider, false);
  EXPECT_EQ(form->WidestEntryWidth, static_cast<int>(wider.size()) * perChar + 3);
  EXPECT_EQ(form->SongList.HorizontalExtent(), 0) << "measured, not applied";
  form->MeasureEntry(wide, true);
  EXPECT_EQ(form->SongList.HorizontalExtent(), static_cast<int>(wider.size()) * perChar + 3);
  form->MeasureEntry("", true);
  EXPECT_EQ(form->SongList.HorizontalExtent(), static_cast<int>(wider.size()) * perChar + 3);

  form->ResetHorizontalExtent(client);
  EXPECT_EQ(form->SongList.HorizontalExtent(), 0);
  EXPECT_EQ(form->WidestEntryWidth, client);
  form->MeasureEntry(wide, true);
  EXPECT_EQ(form->SongList.HorizontalExtent(), static_cast<int>(wide.size()) * perChar + 3);

  form->ResetHorizontalExtent(0);
  form->PathList = {"C:\\" + narrow, "C:\\" + wide};
  form->FillDisplayFromPaths(true);
  EXPECT_EQ(form->SongList.HorizontalExtent(), static_cast<int>(wide.size()) * perChar + 3);
}

TEST_F(PlayListTest, ListTitleTable) {
  struct Case {
    const char* listFile;
    const char* title;
  } cases[] = {
      {"*.mpl", ""},
      {"C:\\Lists\\Evening.mpl", " - Evening"},
      {"Evening.mpl", " - Evening"},
      {"C:\\Lists\\NoDot", " - NoDot"},
      {"C:\\a.b\\c.d.mpl", " - c.d"},
      {"C:\\Lists\\*.mpl", " - *"},
  };
  for (const auto& c : cases) {
    form->ListFileName = c.listFile;
    EXPECT_EQ(form->ListTitle(), c.title) << c.listFile;
  }
}

TEST_F(PlayListTest, SelectEntryByTextIsThePrefixSearch) {
  Entries(0);
  for (const char* t : {"Alpha.mid", "beta.wav", "Bravo.mid"}) form->AppendEntry(t, t);
  form->SelectEntryByText(-1, "B");
  EXPECT_EQ(form->SongList.ItemIndex(), 1);
  form->SelectEntryByText(1, "b");
  EXPECT_EQ(form->SongList.ItemIndex(), 2);
  form->SelectEntryByText(2, "x");
  EXPECT_EQ(form->SongList.ItemIndex(), 2);
}

TEST_F(PlayListTest, MarkListChangedSetsTheFlag) {
  form->MarkListChanged();
  EXPECT_EQ(form->ListChanged, 1);
  form->MarkListChanged();
  EXPECT_EQ(form->ListChanged, 1);
}

TEST_F(PlayListTest, TheFirstEntryBecomesCurrentAndLaterOnesNever) {
  AddMediaFile("C:\\a.wav", 3000);
  AddMediaFile("C:\\b.wav", 4000);
  AddEntries({"C:\\a.wav"});
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(form->SongList.ItemIndex(), 0);
  EXPECT_TRUE(form->SongList.Enabled());
  for (ui::TMenuItem* item : {&form->FileSaveListAs, &form->SaveListAs1, &form->FileSaveList, &form->SaveList1,
                              &form->FileClearList})
    EXPECT_TRUE(item->Enabled()) << item->Name();
  for (ui::TControl* c : std::initializer_list<ui::TControl*>{&form->SpeedBtnSave, &form->SpdBtnBack,
                                                              &form->SpdBtnStep})
    EXPECT_TRUE(c->Enabled()) << c->Name();
  EXPECT_EQ(Transport(), "P--");
  EXPECT_EQ(form->Caption(), "a.wav - 0:03 - MIDI Tunora");
  EXPECT_FALSE(form->SpdBtnNext.Enabled());
  EXPECT_FALSE(form->FileSortList.Enabled());

  AddEntries({"C:\\b.wav"});
  EXPECT_EQ(form->Caption(), "a.wav - 0:03 - MIDI Tunora");
  EXPECT_TRUE(form->SpdBtnNext.Enabled());
  EXPECT_TRUE(form->SpdBtnPrev.Enabled());
  EXPECT_TRUE(form->FileSortList.Enabled());
}

TEST_F(PlayListTest, WithAutoTheFirstEntryStarts) {
  AddMediaFile("C:\\a.wav", 3000);
  form->AutoPlay.SetChecked(true);
  AddEntries({"C:\\a.wav"});
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_EQ(form->TrayIcon.State(), controls::TStateTaskIcon::tiEnabled);
  EXPECT_EQ(form->MIDIPlayer.Mode(), os::DeviceMode::Playing);
}

}  // namespace
