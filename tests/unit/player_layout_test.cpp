#include <gtest/gtest.h>

#include "support/player_fixture.h"
#include "ui/canvas.h"

namespace {

using testing_support::PlayerFixture;

// The first run shows the window as it is designed: no stored options lay it out.
struct LayoutTest : PlayerFixture {
  void SetUp() override {
    firstRun = true;
    Start();
  }
};

TEST_F(LayoutTest, PanelsSitWhereTheWindowIsDesigned) {
  EXPECT_EQ(form->ClientWidth(), 591);
  EXPECT_EQ(form->ClientHeight(), 296);
  struct Case {
    ui::TControl& control;
    int left, top, width, height;
  } cases[] = {
      {form->PanelControl, 0, 1, 201, 31},  {form->PanelSpeed, 204, 1, 183, 31},
      {form->PanelCounter, 392, 1, 197, 31}, {form->TrackBar, 2, 32, 588, 26},
      {form->PanelSongList, 2, 59, 196, 233}, {form->PanelMid, 204, 60, 43, 231},
      {form->PanelFileList, 252, 59, 335, 233}, {form->Bevel2, 0, 0, 592, 1},
      {form->BevelBottom, 0, 32, 514, 1},    {form->DgMinIn, 128, 3, 28, 25},
      {form->DgSecIn, 166, 3, 28, 25},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.control.Left(), c.left) << c.control.Name();
    EXPECT_EQ(c.control.Top(), c.top) << c.control.Name();
    EXPECT_EQ(c.control.Width(), c.width) << c.control.Name();
    EXPECT_EQ(c.control.Height(), c.height) << c.control.Name();
    EXPECT_EQ(c.control.Owner(), form.get()) << c.control.Name();
  }
  EXPECT_EQ(form->PanelControl.PopupMenu, &form->ControlPopup);
  EXPECT_EQ(form->PanelCounter.Color(), ui::clBlack);
  EXPECT_EQ(form->PanelCounter.Hint(), "Toggle play mode here");
  EXPECT_EQ(form->SongList.Parent(), &form->PanelSongList);
}

TEST_F(LayoutTest, ControlButtonsInARowWithHintsAndGlyphs) {
  ui::TSpeedButton* row[] = {&form->SpdBtnPlay, &form->SpdBtnPause, &form->SpdBtnStop, &form->SpdBtnNext,
                             &form->SpdBtnPrev, &form->SpdBtnStep,  &form->SpdBtnBack};
  const char* hints[] = {"Play", "Pause", "Stop", "Next", "Previous", "Forward", "Reverse"};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(row[i]->Parent(), &form->PanelControl);
    EXPECT_EQ(row[i]->Left(), 2 + 28 * i);
    EXPECT_EQ(row[i]->Top(), 2);
    EXPECT_EQ(row[i]->Hint(), hints[i]);
    EXPECT_FALSE(row[i]->Glyph.empty());
    EXPECT_FALSE(row[i]->Enabled());
  }
  ui::TSpeedButton* tools[] = {&form->SpeedBtnOpen, &form->SpeedBtnSave,    &form->SpdBtnClose,
                               &form->SpdBtnShrink, &form->SpdBtnReset,     &form->SpdBtnSaveOption,
                               &form->SpeedBtnRefresh};
  const char* toolHints[] = {"Open List", "Save List", "Close List", "Hide", "Reset MIDI Now!", "Save Options",
                             "Refresh File Box"};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(tools[i]->Parent(), &form->PanelSpeed);
    EXPECT_EQ(tools[i]->Left(), 3 + 25 * i);
    EXPECT_EQ(tools[i]->Width(), 25);
    EXPECT_EQ(tools[i]->Hint(), toolHints[i]);
    EXPECT_FALSE(tools[i]->Glyph.empty());
  }
  EXPECT_FALSE(form->SpeedBtnSave.Enabled());
  EXPECT_FALSE(form->SpdBtnClose.Enabled());
  // Each glyph is a rectangle.
  for (ui::TSpeedButton* b : row)
    for (const std::string& line : b->Glyph) EXPECT_EQ(line.size(), b->Glyph[0].size()) << b->Name();
  for (ui::TSpeedButton* b : tools)
    for (const std::string& line : b->Glyph) EXPECT_EQ(line.size(), b->Glyph[0].size()) << b->Name();
}

TEST_F(LayoutTest, MenusStartAsDesigned) {
  for (ui::TMenuItem* item : {&form->FileBox, &form->PlayList, &form->TrackB, &form->Menu, &form->Counter,
                              &form->FileBox1, &form->PlayList1, &form->TrackB1, &form->Menu1, &form->Counter1,
                              &form->LoopPlay, &form->AutoPlay, &form->GM, &form->AutoLoad, &form->OpExit})
    EXPECT_TRUE(item->Checked()) << item->Name();
  for (ui::TMenuItem* item : {&form->RepeatPlay, &form->RandomPlay, &form->ShufflePlay, &form->GS, &form->XG,
                              &form->StayOnTop, &form->StayOnTop1})
    EXPECT_FALSE(item->Checked()) << item->Name();
  EXPECT_FALSE(form->Counter.Enabled());
  EXPECT_FALSE(form->Counter1.Enabled());
  for (ui::TMenuItem* item : {&form->FileSaveList, &form->FileSaveListAs, &form->FileCloseList,
                              &form->FileClearList, &form->FileSortList, &form->SaveList1, &form->SaveListAs1})
    EXPECT_FALSE(item->Enabled()) << item->Name();
  EXPECT_TRUE(form->FileOpenList.Enabled());

  EXPECT_EQ(static_cast<ui::TForm&>(*form).Menu(), &form->MainMenu);
  EXPECT_EQ(form->MainMenu.FindShortCut(ui::Ctrl('M')), &form->Menu);
  EXPECT_EQ(form->ControlPopup.FindShortCut(ui::Ctrl('M')), &form->Menu1);
  EXPECT_EQ(form->MainMenu.FindShortCut(ui::Ctrl('A')), &form->All);
  EXPECT_EQ(form->MainMenu.FindShortCut(ui::Ctrl('H')), &form->Hide);
  EXPECT_EQ(form->MainMenu.FindShortCut(ui::Ctrl('O')), &form->FileOpenList);
  EXPECT_EQ(form->ControlPopup.FindShortCut(ui::Ctrl('S')), &form->SaveList1);
  EXPECT_EQ(form->Contents.HelpContext, 101);

  // Checking one play mode of the radio group clears the others.
  form->RandomPlay.SetChecked(true);
  EXPECT_FALSE(form->LoopPlay.Checked());
  EXPECT_TRUE(form->AutoPlay.Checked());
  form->XG.SetChecked(true);
  EXPECT_FALSE(form->GM.Checked());

  std::vector<std::string> tray;
  for (ui::TMenuItem* item : form->TrayPop.Items().Items()) tray.push_back(item->Caption());
  EXPECT_EQ(tray, (std::vector<std::string>{"E&xit", "-", "&Open List", "-", "&Play", "&Stop", "P&ause", "&Next",
                                            "Pre&vious", "-", "&Restore"}));
}

TEST_F(LayoutTest, CounterAndModeLabels) {
  EXPECT_EQ(form->LblLoop.FontColor(), ui::clFuchsia);
  EXPECT_EQ(form->LblAuto.FontColor(), ui::clWhite);
  for (ui::TLabel* label : {&form->LblRepeat, &form->LblRandom, &form->LblShuffle})
    EXPECT_EQ(label->FontColor(), ui::clGray) << label->Name();
  for (controls::digitboxdb* box : {&form->DgMinIn, &form->DgSecIn}) {
    EXPECT_EQ(box->Color1(), ui::clLime);
    EXPECT_EQ(box->Digits(), 2u);
    EXPECT_EQ(box->Hint(), "Switch Counter");
    EXPECT_EQ(box->Parent(), &form->PanelCounter);
  }
  EXPECT_EQ(form->LblCounter.Caption(), ":");
  EXPECT_EQ(form->LblCounter.Hint(), "Double click to toggle counter");
}

TEST_F(LayoutTest, ModeLabelsTakeTheWidthOfTheirCaptionsWithoutOverlapping) {
  for (ui::TLabel* label : {&form->LblLoop, &form->LblRepeat, &form->LblRandom, &form->LblShuffle, &form->LblAuto,
                            &form->LblCounter}) {
    EXPECT_EQ(label->Parent(), &form->PanelCounter) << label->Name();
    EXPECT_EQ(label->Width(), label->Canvas().TextExtent(label->Caption()).cx) << label->Name();
  }
  auto right = [](const ui::TControl& c) { return c.Left() + c.Width(); };
  struct Row {
    ui::TControl& left;
    ui::TControl& right;
  } rows[] = {
      {form->LblLoop, form->LblRepeat}, {form->LblRepeat, form->LblRandom}, {form->LblRandom, form->DgMinIn},
      {form->LblShuffle, form->LblAuto}, {form->LblAuto, form->DgMinIn},    {form->DgMinIn, form->LblCounter},
      {form->LblCounter, form->DgSecIn},
  };
  for (const auto& r : rows) EXPECT_LE(right(r.left), r.right.Left()) << r.left.Name() << " " << r.right.Name();
}

TEST_F(LayoutTest, TrayIconIsSetUpInactive) {
  const controls::TTaskIcon& icon = form->TrayIcon;
  EXPECT_FALSE(icon.Active());
  EXPECT_FALSE(icon.Icon().Empty());
  EXPECT_FALSE(icon.DisabledIcon().Empty());
  EXPECT_FALSE(icon.Icon() == icon.DisabledIcon());
  EXPECT_TRUE(icon.ShowHint());
  EXPECT_EQ(icon.TaskIconID(), 0);
  EXPECT_EQ(icon.State(), controls::TStateTaskIcon::tiDisabled);
  EXPECT_EQ(icon.Interval(), 500);
  EXPECT_EQ(icon.WhereIcons, controls::TWhereTaskIcon::tiInExe);
  EXPECT_EQ(icon.PopupMenu, &form->TrayPop);
  EXPECT_EQ(env.notifyArea.ShownCount(), 0u);
}

}  // namespace
