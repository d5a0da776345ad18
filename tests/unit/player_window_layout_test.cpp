#include <gtest/gtest.h>

#include <functional>

#include "player/shell/player_keys.h"
#include "support/player_fixture.h"
#include "support/player_options.h"

namespace {

using testing_support::PlayerFixture;
using testing_support::StoredOptions;

struct WindowLayoutTest : PlayerFixture {
  // Starts with these parts stored as on or off.
  void StartWithParts(bool fileBox, bool playList, bool trackBar, bool counter, bool menu) {
    StoredOptions()
        .Set("FileBox", fileBox)
        .Set("PlayList", playList)
        .Set("TrackBar", trackBar)
        .Set("Counter", counter)
        .Set("Menu", menu)
        .Store(env.registry);
    Start();
  }
  bool MenuBarShown() const {
    const bool list = form->ListMenu.Visible();
    for (const ui::TMenuItem* menu : {&form->DisplayMenu, &form->OptionsMenu, &form->HelpMenu})
      EXPECT_EQ(menu->Visible(), list) << menu->Name();
    return list;
  }
  // The five parts' marks as "FPTMC" with '-' for a part that is off, checking that the twins agree.
  std::string Marks() const {
    const struct {
      const ui::TMenuItem& item;
      const ui::TMenuItem& twin;
      char letter;
    } parts[] = {{form->FileBox, form->FileBox1, 'F'},
                 {form->PlayList, form->PlayList1, 'P'},
                 {form->TrackB, form->TrackB1, 'T'},
                 {form->Menu, form->Menu1, 'M'},
                 {form->Counter, form->Counter1, 'C'}};
    std::string marks;
    for (const auto& part : parts) {
      EXPECT_EQ(part.item.Checked(), part.twin.Checked()) << part.item.Name();
      marks += part.item.Checked() ? part.letter : '-';
    }
    return marks;
  }
  // The rules that hold after every handler of the layout.
  void ExpectLayoutRules() const {
    if (form->FileBox.Checked()) {
      EXPECT_TRUE(form->PlayList.Checked());
      EXPECT_TRUE(form->Counter.Checked());
      EXPECT_FALSE(form->Counter.Enabled());
      EXPECT_FALSE(form->Counter1.Enabled());
    } else {
      EXPECT_TRUE(form->Counter.Enabled());
      EXPECT_TRUE(form->Counter1.Enabled());
    }
    if (!form->PlayList.Checked()) {
      EXPECT_FALSE(form->FileBox.Checked());
    }
    EXPECT_EQ(form->TrackBar.Visible(), form->TrackB.Checked());
    EXPECT_EQ(form->PanelCounter.Visible(), form->Counter.Checked());
  }
};

struct Row {
  bool fileBox, playList, trackBar, counter;
  int width, height;
};

std::ostream& operator<<(std::ostream& out, const Row& r) {
  return out << (r.fileBox ? 'F' : '-') << (r.playList ? 'P' : '-') << (r.trackBar ? 'T' : '-')
             << (r.counter ? 'C' : '-');
}

struct ClientSizeTest : WindowLayoutTest, ::testing::WithParamInterface<std::tuple<Row, bool>> {};

// Every row of the client sizes, with and without the menu bar: after a start with those parts stored,
// and after the user switches to them from the full layout.
TEST_P(ClientSizeTest, FollowsThePartsShown) {
  const auto& [row, menu] = GetParam();
  // Without the menu bar a window without play list ends 4 pixels higher.
  const int height = row.height - (!menu && !row.playList ? 4 : 0);
  StartWithParts(row.fileBox, row.playList, row.trackBar, row.counter, menu);
  EXPECT_EQ(form->ClientWidth(), row.width) << "after a start";
  EXPECT_EQ(form->ClientHeight(), height) << "after a start";
  EXPECT_EQ(MenuBarShown(), menu);
  std::string marks = "FPTMC";
  if (!row.fileBox) marks[0] = '-';
  if (!row.playList) marks[1] = '-';
  if (!row.trackBar) marks[2] = '-';
  if (!menu) marks[3] = '-';
  if (!row.counter) marks[4] = '-';
  EXPECT_EQ(Marks(), marks) << "both menus' marks as stored";
  ExpectLayoutRules();
  if (row.fileBox) {
    EXPECT_EQ(form->PanelCounter.Left(), 391);
    EXPECT_EQ(form->PanelCounter.Top(), 1);
    EXPECT_EQ(form->PanelCounter.Width(), 196);
    EXPECT_EQ(form->TrackBar.Width(), 585);
  } else {
    EXPECT_EQ(form->TrackBar.Width(), 198);
  }

  Choose(form->All);
  EXPECT_EQ(Marks(), "FPTMC");
  EXPECT_EQ(form->ClientWidth(), 591);
  EXPECT_EQ(form->ClientHeight(), 295);
  if (!row.trackBar) Choose(form->TrackB);
  if (!row.fileBox) Choose(form->FileBox1);
  if (!row.counter) Choose(form->Counter);
  if (!row.playList) Choose(form->PlayList1);
  if (!menu) Choose(form->Menu);
  EXPECT_EQ(form->ClientWidth(), row.width) << "after the user's switches";
  EXPECT_EQ(form->ClientHeight(), height) << "after the user's switches";
  EXPECT_EQ(MenuBarShown(), menu);
  ExpectLayoutRules();
}

INSTANTIATE_TEST_SUITE_P(Parts, ClientSizeTest,
                         ::testing::Combine(::testing::Values(Row{true, true, true, true, 591, 295},
                                                              Row{true, true, false, true, 591, 274},
                                                              Row{false, true, true, true, 202, 332},
                                                              Row{false, true, true, false, 202, 297},
                                                              Row{false, true, false, true, 202, 307},
                                                              Row{false, true, false, false, 202, 272},
                                                              Row{false, false, true, true, 202, 93},
                                                              Row{false, false, true, false, 202, 58},
                                                              Row{false, false, false, true, 202, 68},
                                                              Row{false, false, false, false, 202, 33}),
                                            ::testing::Bool()));

TEST_F(WindowLayoutTest, EachSwitchTogglesFromEitherMenuAndKeepsTheTwinsEqual) {
  StartWithParts(false, true, true, true, true);
  struct Step {
    ui::TMenuItem& item;
    const char* marks;
  } steps[] = {
      {form->TrackB1, "-P-MC"}, {form->TrackB, "-PTMC"},   {form->Counter1, "-PTM-"},
      {form->Counter, "-PTMC"}, {form->Menu1, "-PT-C"},    {form->Menu, "-PTMC"},
      {form->PlayList, "--TMC"}, {form->PlayList1, "-PTMC"}, {form->FileBox1, "FPTMC"},
      {form->FileBox, "-PTMC"},
  };
  for (const auto& step : steps) {
    Choose(step.item);
    EXPECT_EQ(Marks(), step.marks) << step.item.Name();
    ExpectLayoutRules();
  }
}

TEST_F(WindowLayoutTest, PartsFollowEachOther) {
  StartWithParts(true, true, true, true, true);
  // Hiding the play list with the file box shown takes the file box too: the smallest window with a counter.
  Choose(form->PlayList);
  EXPECT_EQ(Marks(), "--TMC");
  EXPECT_EQ(form->ClientWidth(), 202);
  EXPECT_EQ(form->ClientHeight(), 93);
  EXPECT_EQ(form->PanelCounter.Left(), 4);
  EXPECT_EQ(form->PanelCounter.Width(), 194);
  // The file box brings the play list and the counter back, with the counter's item disabled.
  Choose(form->Counter);
  EXPECT_EQ(Marks(), "--TM-");
  Choose(form->FileBox);
  EXPECT_EQ(Marks(), "FPTMC");
  EXPECT_FALSE(form->Counter.Enabled());
  EXPECT_TRUE(form->PanelCounter.Visible());
  // Called from code, a switch applies its mark without toggling it.
  env.app.Dispatch([&] { form->FileBoxClick(form.get()); });
  EXPECT_EQ(Marks(), "FPTMC");
  EXPECT_EQ(form->ClientWidth(), 591);
}

TEST_F(WindowLayoutTest, ControlButtonsAloneWithoutTheMenuBar) {
  StartWithParts(false, false, false, false, false);
  EXPECT_EQ(form->ClientHeight(), 29);
  // The control panel's popup menu still brings the menu bar back.
  EXPECT_EQ(form->ControlPopup.FindShortCut(ui::Ctrl('M')), &form->Menu1);
  Choose(form->Menu1);
  EXPECT_TRUE(MenuBarShown());
  EXPECT_EQ(form->ClientHeight(), 33);
}

TEST_F(WindowLayoutTest, TheWindowMovesBackOnScreenWhenItGrows) {
  StartWithParts(false, true, true, true, true);
  const ui::TSize screen = env.backend.screenSize;
  struct Case {
    const char* what;
    ui::TMenuItem* item;  // toggled from the state the case sets up
    bool startWithPlayList, startWithMenu;
    int left, top, width, height;
    int newLeft, newTop;
  } cases[] = {
      {"file box on near the right and the bottom", &form->FileBox, true, true, 900, 600, 597, 340,
       screen.cx - 597, screen.cy - 340 - screen.cy / 20},
      {"file box on where it fits", &form->FileBox, true, true, 10, 20, 597, 340, 10, 20},
      {"play list on near the bottom", &form->PlayList, false, true, 900, 600, 208, 380, 900,
       screen.cy - 380 - screen.cy / 20},
      {"menu bar on near the bottom", &form->Menu, true, false, 900, 700, 208, 100, 900,
       screen.cy - 100 - screen.cy / 20},
      {"menu bar off near the bottom", &form->Menu, true, true, 900, 700, 208, 100, 900, 700},
      {"track bar off, which places the play list again", &form->TrackB, true, true, 900, 700, 208, 100, 900,
       screen.cy - 100 - screen.cy / 20},
      {"counter off without play list", &form->Counter, false, true, 900, 700, 208, 100, 900, 700},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Choose(form->All);
    Choose(form->FileBox);
    if (!c.startWithPlayList) Choose(form->PlayList);
    if (!c.startWithMenu) Choose(form->Menu);
    // The window's outer size as the window system gives it for the layout the command makes.
    form->SetBounds(c.left, c.top, c.width, c.height);
    Choose(*c.item);
    EXPECT_EQ(form->Left(), c.newLeft);
    EXPECT_EQ(form->Top(), c.newTop);
  }
}

struct Position {
  const char* what;
  bool fileBox;
  int left, top, width, height;
  int newLeft, newTop;
};

std::ostream& operator<<(std::ostream& out, const Position& p) { return out << p.what; }

struct StoredPositionTest : WindowLayoutTest, ::testing::WithParamInterface<Position> {};

// "Top" and "Left" stored for a monitor since removed must not leave the window where nobody sees it.
TEST_P(StoredPositionTest, BringsAWindowWhollyOutsideBackOnScreen) {
  const Position& p = GetParam();
  Construct();
  form->SetBounds(0, 0, p.width, p.height);
  StoredOptions()
      .Set("Top", static_cast<std::uint32_t>(p.top))
      .Set("Left", static_cast<std::uint32_t>(p.left))
      .Set("FileBox", p.fileBox)
      .Store(env.registry);
  Create();
  EXPECT_EQ(form->Left(), p.newLeft);
  EXPECT_EQ(form->Top(), p.newTop);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, StoredPositionTest,
    ::testing::Values(Position{"on screen", false, 100, 100, 208, 380, 100, 100},
                      Position{"partly past the right edge", false, 900, 100, 208, 380, 900, 100},
                      Position{"wholly right of the screen", false, 3000, 100, 208, 380, 1024 - 208, 100},
                      Position{"wholly left of the screen", false, -1500, 100, 208, 380, 0, 100},
                      Position{"wholly below the screen", false, 100, 2000, 208, 380, 100, 768 - 380 - 38},
                      Position{"wholly above the screen", false, 100, -600, 208, 380, 100, 0},
                      Position{"above and left", false, -2000, -2000, 208, 380, 0, 0},
                      Position{"just touching the left edge from outside", false, -208, 100, 208, 380, 0, 100},
                      Position{"full layout wholly right", true, 2000, 100, 597, 340, 1024 - 597, 100}));

TEST_F(WindowLayoutTest, MaximizeShowsEverythingAndTheWindow) {
  StartWithParts(false, false, false, false, false);
  Choose(form->Hide);
  ASSERT_TRUE(form->WindowHidden);
  env.app.Dispatch([&] { form->OnMaximize(); });
  EXPECT_EQ(Marks(), "FPTMC");
  EXPECT_TRUE(MenuBarShown());
  EXPECT_EQ(form->ClientWidth(), 591);
  EXPECT_EQ(form->ClientHeight(), 295);
  EXPECT_FALSE(form->WindowHidden);
  EXPECT_FALSE(form->TrayIcon.Active());
  EXPECT_TRUE(env.backend.applicationWindowShown);
  EXPECT_TRUE(form->Visible());
}

TEST_F(WindowLayoutTest, HideSendsThePlayerToTheTrayFromEachOfItsCommands) {
  StartWithParts(true, true, true, true, true);
  const std::pair<const char*, std::function<void()>> commands[] = {
      {"Hide button", [&] { Click(form->SpdBtnShrink); }},
      {"Hide", [&] { Choose(form->Hide); }},
      {"Hide in the popup menu", [&] { Choose(form->Hide1); }},
  };
  for (const auto& [what, hide] : commands) {
    SCOPED_TRACE(what);
    hide();
    EXPECT_TRUE(form->WindowHidden);
    EXPECT_TRUE(form->TrayIcon.Active());
    EXPECT_FALSE(env.backend.applicationWindowShown);
    EXPECT_FALSE(form->Visible());
    Choose(form->All1);
    EXPECT_FALSE(form->WindowHidden);
    EXPECT_FALSE(form->TrayIcon.Active());
    EXPECT_TRUE(env.backend.applicationWindowShown);
    EXPECT_TRUE(form->Visible());
  }
}

TEST_F(WindowLayoutTest, StayOnTopTogglesFromItsItemsAndIsAppliedFromCode) {
  StartWithParts(true, true, true, true, true);
  Choose(form->StayOnTop1);
  EXPECT_TRUE(form->StayOnTop.Checked());
  EXPECT_TRUE(form->StayOnTop1.Checked());
  EXPECT_TRUE(form->TopMost());
  env.app.Dispatch([&] { form->StayOnTopClick(form.get()); });
  EXPECT_TRUE(form->TopMost()) << "applied, not toggled";
  Choose(form->StayOnTop);
  EXPECT_FALSE(form->StayOnTop1.Checked());
  EXPECT_FALSE(form->TopMost());
}

}  // namespace
