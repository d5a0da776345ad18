// The controls of dialogs without windows: buttons, check and radio boxes, edit boxes with their
// up-down controls, images and word-wrapped labels behave as their users see them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/headless_app.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/headless/raster_canvas.h"
#include "ui/image.h"
#include "ui/stdctrls.h"

namespace {

using Events = std::vector<std::string>;

struct DialogControlsTest : ::testing::Test {
  testing_support::HeadlessApp env;
  ui::TForm form{nullptr, "Dialog"};
  Events events;

  template <typename Control>
  void Place(Control& control) {
    control.SetParent(&form);
  }
  ui::TNotifyEvent Record(std::string what) {
    return [this, what](ui::TObject*) { events.push_back(what); };
  }
};

TEST_F(DialogControlsTest, AButtonWithAModalResultGivesItToItsFormBeforeItsHandlerRuns) {
  ui::TButton ok(&form, "OKBtn"), apply(&form, "ApplyBtn");
  Place(ok);
  Place(apply);
  ok.ModalResult = ui::mrOk;
  int resultSeen = -1;
  ok.OnClick = [&](ui::TObject*) { resultSeen = form.ModalResult(); };
  ok.Click();
  EXPECT_EQ(resultSeen, ui::mrOk);
  EXPECT_EQ(form.ModalResult(), ui::mrOk);

  // A handler may keep the form open; a button without a result leaves the form's alone.
  form.SetModalResult(ui::mrNone);
  ok.OnClick = [&](ui::TObject*) { form.SetModalResult(ui::mrNone); };
  ok.Click();
  EXPECT_EQ(form.ModalResult(), ui::mrNone);
  apply.Click();
  EXPECT_EQ(form.ModalResult(), ui::mrNone);

  ui::TButton loose(nullptr, "Loose");
  loose.ModalResult = ui::mrCancel;
  loose.Click();  // on no form: nothing to close
}

TEST_F(DialogControlsTest, TheControlsTheUserTypesIntoOrPressesAreTabStops) {
  ui::TButton button(&form);
  ui::TCheckBox check(&form);
  ui::TRadioButton radio(&form);
  ui::TEdit edit(&form);
  ui::TGroupBox group(&form);
  ui::TUpDown upDown(&form);
  EXPECT_TRUE(button.TabStop() && check.TabStop() && radio.TabStop() && edit.TabStop());
  EXPECT_FALSE(group.TabStop() || upDown.TabStop());
}

TEST_F(DialogControlsTest, ACheckBoxTogglesOnTheUsersClickOnly) {
  ui::TCheckBox box(&form, "CheckBoxAvi");
  Place(box);
  bool checkedInHandler = false;
  box.OnClick = [&](ui::TObject*) { checkedInHandler = box.Checked(); };
  box.SetChecked(true);
  EXPECT_FALSE(checkedInHandler) << "the program's change fires nothing";
  box.Click();
  EXPECT_FALSE(box.Checked());
  box.Click();
  EXPECT_TRUE(box.Checked());
  EXPECT_TRUE(checkedInHandler) << "the handler sees the new state";
}

TEST_F(DialogControlsTest, RadioButtonsOfOneParentAreOneGroup) {
  ui::TGroupBox left(&form), right(&form);
  Place(left);
  Place(right);
  ui::TRadioButton a(&form), b(&form), c(&form), other(&form);
  for (ui::TRadioButton* radio : {&a, &b, &c}) radio->SetParent(&left);
  other.SetParent(&right);
  other.SetChecked(true);
  a.SetChecked(true);
  b.OnClick = Record("b");
  b.Click();
  EXPECT_FALSE(a.Checked());
  EXPECT_TRUE(b.Checked());
  EXPECT_FALSE(c.Checked());
  EXPECT_TRUE(other.Checked()) << "another parent, another group";
  b.Click();
  EXPECT_EQ(events, Events{"b"}) << "a click on the checked button changes nothing";
  c.SetChecked(true);
  EXPECT_FALSE(b.Checked());
  EXPECT_EQ(events, Events{"b"}) << "the program's change fires nothing";
}

TEST_F(DialogControlsTest, TheFocusMovesWithExitBeforeEnter) {
  ui::TEdit first(&form, "First"), second(&form, "Second");
  Place(first);
  Place(second);
  first.OnEnter = Record("enter first");
  first.OnExit = Record("exit first");
  second.OnEnter = Record("enter second");
  second.OnExit = Record("exit second");
  first.SetFocus();
  second.SetFocus();
  second.FocusReceived();  // the window system confirms what the program did
  second.FocusLost();      // the user activated another program
  first.FocusLost();       // not focused: nothing
  EXPECT_EQ(events, (Events{"enter first", "exit first", "enter second", "exit second"}));
  EXPECT_EQ(env.app.Screen().ActiveControl(), nullptr);
}

struct EditTest : DialogControlsTest {
  ui::TEdit edit{&form, "EditNF"};
  void SetUp() override {
    Place(edit);
    edit.OnChange = [this](ui::TObject*) { events.push_back("change " + edit.Text()); };
  }
};

TEST_F(EditTest, EveryChangeOfTheTextFiresOnChangeAndTheProgramsPutsTheCaretAtTheStart) {
  edit.SetText("C:\\Music\\");
  edit.SetText("C:\\Music\\");
  EXPECT_EQ(events, Events{"change C:\\Music\\"});
  EXPECT_EQ(edit.SelStart(), 0);
  EXPECT_EQ(edit.SelLength(), 0);

  edit.SetSelStart(3);
  edit.SetSelLength(50);
  EXPECT_EQ(edit.SelLength(), 6) << "kept within the text";
  EXPECT_EQ(edit.SelText(), "Music\\");
  edit.SetSelStart(99);
  EXPECT_EQ(edit.SelStart(), 9);
  EXPECT_EQ(edit.SelLength(), 0);
}

TEST_F(EditTest, TypedCharactersPassTheKeyPressHandlerAndReplaceTheSelection) {
  edit.SetText("Song.mid");
  edit.OnKeyPress = [this](ui::TObject*, char& key) {
    events.push_back(std::string("key ") + key);
    if (key == '*') key = 0;  // consumed
    if (key == 'a') key = 'A';
  };
  edit.SetSelStart(0);
  edit.SetSelLength(4);
  events.clear();
  edit.UserType("T*a");
  EXPECT_EQ(edit.Text(), "TA.mid");
  EXPECT_EQ(edit.SelStart(), 2);
  EXPECT_EQ(events, (Events{"key T", "change T.mid", "key *", "key a", "change TA.mid"}));

  events.clear();
  edit.UserType("\b\b\b\r");
  EXPECT_EQ(edit.Text(), ".mid") << "backspaces remove what is before the caret; Enter is no text";
  EXPECT_EQ(edit.SelStart(), 0);
  edit.UserType("\b");
  EXPECT_EQ(edit.Text(), ".mid") << "nothing before the caret";

  edit.SetReadOnly(true);
  events.clear();
  edit.UserType("x");
  EXPECT_EQ(edit.Text(), ".mid");
  EXPECT_EQ(events, Events{"key x"}) << "a read-only box hears the key and takes nothing";
}

TEST_F(EditTest, TheTextIsSelectedOnEntryUnlessAutoSelectIsOff) {
  ui::TButton other(&form);
  Place(other);
  edit.SetText("C:\\Music\\");
  edit.SetFocus();
  EXPECT_EQ(edit.SelLength(), 9);
  other.SetFocus();
  edit.AutoSelect = false;
  edit.SetSelStart(static_cast<int>(edit.Text().size()));
  edit.SetFocus();
  EXPECT_EQ(edit.SelStart(), 9) << "the caret stays at the end";
  EXPECT_EQ(edit.SelLength(), 0);
}

TEST_F(EditTest, TheWindowsEditsReachTheControl) {
  edit.SetText("abc");
  events.clear();
  edit.TextEdited("abxc", 3, 0);
  EXPECT_EQ(edit.Text(), "abxc");
  EXPECT_EQ(edit.SelStart(), 3);
  edit.TextEdited("abxc", 1, 2);
  edit.SelectionMoved(0, 4);
  EXPECT_EQ(edit.SelText(), "abxc");
  EXPECT_EQ(events, Events{"change abxc"});
}

struct UpDownTest : DialogControlsTest {
  ui::TEdit edit{&form, "EditSkip"};
  ui::TUpDown upDown{&form, "UpDownSkip"};
  void SetUp() override {
    Place(edit);
    Place(upDown);
    edit.SetBounds(46, 15, 21, 21);
    upDown.SetMin(1);
    upDown.SetMax(99);
    upDown.SetPosition(5);
    upDown.Wrap = true;
    upDown.SetAssociate(&edit);
  }
};

TEST_F(UpDownTest, ItSitsBesideItsEditWhoseTextFollowsThePosition) {
  EXPECT_EQ(upDown.Left(), 67);
  EXPECT_EQ(upDown.Top(), 15);
  EXPECT_EQ(upDown.Height(), 21);
  EXPECT_EQ(edit.Text(), "5");
  upDown.SetPosition(150);
  EXPECT_EQ(upDown.Position(), 99);
  EXPECT_EQ(edit.Text(), "99");
}

TEST_F(UpDownTest, ReadingThePositionTakesAWholeNumberWithinRangeFromTheEdit) {
  const struct {
    const char* text;
    int position;
  } cases[] = {{"7", 7}, {" 12", 12}, {"+13", 13}, {"150", 13}, {"0", 13}, {"abc", 13},
               {"", 13}, {"9x", 13},  {"1.5", 13}, {"99", 99}, {"-1", 99}};
  for (const auto& c : cases) {
    edit.SetText(c.text);
    EXPECT_EQ(upDown.Position(), c.position) << '"' << c.text << '"';
  }
}

TEST_F(UpDownTest, StepsWrapAroundTheRangeOrStopAtItsEnds) {
  upDown.OnClick = Record("click");
  const struct {
    const char* text;
    ui::TUDBtnType button;
    bool wrap;
    const char* after;
  } cases[] = {
      {"98", ui::TUDBtnType::btNext, true, "99"}, {"99", ui::TUDBtnType::btNext, true, "1"},
      {"1", ui::TUDBtnType::btPrev, true, "99"},  {"99", ui::TUDBtnType::btNext, false, "99"},
      {"1", ui::TUDBtnType::btPrev, false, "1"},  {"150", ui::TUDBtnType::btNext, true, "2"},
  };
  upDown.SetPosition(1);
  for (const auto& c : cases) {
    edit.SetText(c.text);
    upDown.Wrap = c.wrap;
    upDown.UserClick(c.button);
    EXPECT_EQ(edit.Text(), c.after) << c.text << (c.wrap ? " wrapping" : "");
  }
  EXPECT_EQ(events.size(), std::size(cases));
}

TEST_F(UpDownTest, TheUpAndDownKeysInTheEditStepAndAChangingHandlerMayRefuse) {
  std::uint16_t key = ui::vkUp;
  edit.KeyDown(key, 0);
  EXPECT_EQ(key, 0) << "consumed";
  EXPECT_EQ(edit.Text(), "6");
  key = ui::vkDown;
  edit.KeyDown(key, 0);
  EXPECT_EQ(edit.Text(), "5");

  upDown.OnChanging = [](ui::TObject*, bool& allow) { allow = false; };
  upDown.OnClick = Record("click");
  upDown.UserClick(ui::TUDBtnType::btNext);
  EXPECT_EQ(edit.Text(), "5");
  EXPECT_TRUE(events.empty());

  upDown.SetAssociate(nullptr);
  key = ui::vkUp;
  edit.KeyDown(key, 0);
  EXPECT_EQ(key, ui::vkUp) << "detached: the key stays the edit's";
}

TEST_F(DialogControlsTest, AnImageShowsItsIconOrThePictureTheProgramDrawsAndTakesItsSize) {
  ui::TImage image(&form, "ImageFR");
  Place(image);
  image.SetBounds(8, 8, 50, 40);
  image.SetAutoSize(true);
  EXPECT_EQ(image.Width(), 0) << "no picture yet";
  image.SetIcon(ui::TIcon::FromApplication());
  EXPECT_EQ(image.Width(), ui::kIconSize);
  EXPECT_EQ(image.Height(), ui::kIconSize);
  auto& canvas = dynamic_cast<ui::RasterCanvas&>(image.Canvas());
  ASSERT_EQ(canvas.Icons().size(), 1u);
  EXPECT_EQ(env.backend.IconSource(canvas.Icons()[0].icon), "resource:MAINICON");
  EXPECT_EQ(canvas.Icons()[0].size, ui::kIconSize);

  canvas.ClearLog();
  image.SetPicture({188, 77}, [](ui::TCanvas& c) { c.FillRect({0, 0, 188, 77}, ui::clRed); });
  EXPECT_EQ(image.Width(), 188);
  EXPECT_EQ(image.Height(), 77);
  EXPECT_EQ(canvas.Pixel(100, 50), ui::clRed);
  EXPECT_TRUE(canvas.Icons().empty()) << "the picture replaced the icon";
  image.SetAutoSize(false);
  image.SetBounds(8, 8, 20, 20);
  EXPECT_EQ(image.Width(), 20);
}

TEST_F(DialogControlsTest, AWordWrappedLabelKeepsItsWidthAndTakesTheHeightOfItsLines) {
  constexpr int kChar = ui::RasterCanvas::kCharWidth, kLine = ui::RasterCanvas::kLineHeight;
  ui::TLabel label(&form, "Label1");
  Place(label);
  label.SetWordWrap(true);
  const struct {
    const char* caption;
    int width, lines;
  } cases[] = {
      {"one two  three", 14 * kChar, 1},  // fits exactly
      {"one two  three", 13 * kChar, 2},  // "three" moves down
      {"one two  three", 9 * kChar, 2},   // "one two" with its blanks
      {"one two  three", 2 * kChar, 3},   // words wider than the line keep a line each
      {"", 10 * kChar, 1},
  };
  for (const auto& c : cases) {
    label.SetCaption(c.caption);
    label.SetBounds(4, 4, c.width, 0);
    EXPECT_EQ(label.Width(), c.width) << c.caption << " in " << c.width;
    EXPECT_EQ(label.Height(), c.lines * kLine) << c.caption << " in " << c.width;
  }
}

}  // namespace
