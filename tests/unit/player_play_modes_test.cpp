#include <gtest/gtest.h>

#include "support/player_fixture.h"

namespace {

using testing_support::PlayerFixture;

struct PlayModesTest : PlayerFixture {
  void SetUp() override { Start(); }

  // The check marks as "LRDSA", a '-' for each mode that is off.
  std::string Modes() const {
    std::string modes;
    modes += form->LoopPlay.Checked() ? 'L' : '-';
    modes += form->RepeatPlay.Checked() ? 'R' : '-';
    modes += form->RandomPlay.Checked() ? 'D' : '-';
    modes += form->ShufflePlay.Checked() ? 'S' : '-';
    modes += form->AutoPlay.Checked() ? 'A' : '-';
    return modes;
  }
  // The label colours, each label's own colour while its mode is on and gray while it is off.
  void ExpectLabelsShow(const std::string& modes) const {
    const struct {
      const ui::TLabel& label;
      ui::TColor on;
    } labels[] = {{form->LblLoop, 0xFF00FF},
                  {form->LblRepeat, 0x00FF00},
                  {form->LblRandom, 0x00FFFF},
                  {form->LblShuffle, 0x0000FF},
                  {form->LblAuto, 0xFFFFFF}};
    for (std::size_t i = 0; i < 5; ++i)
      EXPECT_EQ(labels[i].label.FontColor(), modes[i] != '-' ? labels[i].on : 0x808080u) << "label " << i;
  }
  void DoubleClick(ui::TControl& control) {
    env.app.Dispatch([&] { control.DblClick(); });
  }
};

TEST_F(PlayModesTest, LoopAndAutoAreOnAtStart) {
  EXPECT_EQ(Modes(), "L---A");
  ExpectLabelsShow("L---A");
  EXPECT_EQ(form->SpdBtnNext.Hint(), "Next");
  EXPECT_EQ(form->SpdBtnPrev.Hint(), "Previous");
}

// Each row acts on the state the rows before it left.
TEST_F(PlayModesTest, MenuItemsAndLabelsKeepTheModeRules) {
  enum class Act { Choose, Click, DoubleClick };
  struct Row {
    const char* what;
    Act act;
    ui::TComponent* target;
    const char* modes;
    const char* nextHint;
    const char* prevHint;
  } rows[] = {
      {"Random from the menu clears Loop", Act::Choose, &form->RandomPlay, "--D-A", "Random Jump", "Random Jump"},
      {"Shuffle label clears Random", Act::Click, &form->LblShuffle, "---SA", "Shuffle", "Shuffle"},
      {"Repeat label clears Shuffle", Act::DoubleClick, &form->LblRepeat, "-R--A", "Next", "Previous"},
      {"Loop from the menu clears Repeat", Act::Choose, &form->LoopPlay, "L---A", "Next", "Previous"},
      {"Shuffle with Loop", Act::Choose, &form->ShufflePlay, "L--SA", "Shuffle", "Shuffle"},
      {"Random label clears Loop and Shuffle", Act::DoubleClick, &form->LblRandom, "--D-A", "Random Jump",
       "Random Jump"},
      {"Loop clears Random and the hints follow", Act::Choose, &form->LoopPlay, "L---A", "Next", "Previous"},
      {"Auto label off", Act::DoubleClick, &form->LblAuto, "L----", "Next", "Previous"},
      {"Auto from the menu on", Act::Choose, &form->AutoPlay, "L---A", "Next", "Previous"},
      {"Loop label off: all three radio modes may be off", Act::DoubleClick, &form->LblLoop, "----A", "Next",
       "Previous"},
      {"Shuffle from the menu on", Act::Choose, &form->ShufflePlay, "---SA", "Shuffle", "Shuffle"},
      {"Shuffle label takes no double-click", Act::DoubleClick, &form->LblShuffle, "---SA", "Shuffle", "Shuffle"},
      {"Shuffle label off", Act::Click, &form->LblShuffle, "----A", "Next", "Previous"},
      {"Loop label takes no single click", Act::Click, &form->LblLoop, "----A", "Next", "Previous"},
      {"Repeat from the menu on", Act::Choose, &form->RepeatPlay, "-R--A", "Next", "Previous"},
      {"Repeat from the menu off", Act::Choose, &form->RepeatPlay, "----A", "Next", "Previous"},
      {"Random from the menu on", Act::Choose, &form->RandomPlay, "--D-A", "Random Jump", "Random Jump"},
      {"Random from the menu off", Act::Choose, &form->RandomPlay, "----A", "Next", "Previous"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    switch (row.act) {
      case Act::Choose: Choose(*static_cast<ui::TMenuItem*>(row.target)); break;
      case Act::Click: Click(*static_cast<ui::TControl*>(row.target)); break;
      case Act::DoubleClick: DoubleClick(*static_cast<ui::TControl*>(row.target)); break;
    }
    EXPECT_EQ(Modes(), row.modes);
    ExpectLabelsShow(row.modes);
    EXPECT_EQ(form->SpdBtnNext.Hint(), row.nextHint);
    EXPECT_EQ(form->SpdBtnPrev.Hint(), row.prevHint);
  }
}

// With another sender, as the start-up code calls them, the handlers only show the stored state,
// applying the exclusions of the mode that is on.
TEST_F(PlayModesTest, OtherSendersShowTheStateWithoutToggling) {
  form->LoopPlay.SetChecked(false);
  form->RandomPlay.SetChecked(true);
  form->ShufflePlay.SetChecked(true);
  form->AutoPlay.SetChecked(false);
  env.app.Dispatch([&] {
    for (auto handler : {&player::TFormPlayer::LoopPlayClick, &player::TFormPlayer::RepeatPlayClick,
                         &player::TFormPlayer::RandomPlayClick, &player::TFormPlayer::ShufflePlayClick,
                         &player::TFormPlayer::AutoPlayClick})
      (form.get()->*handler)(form.get());
  });
  EXPECT_EQ(Modes(), "--D--");
  ExpectLabelsShow("--D--");
  EXPECT_EQ(form->SpdBtnNext.Hint(), "Random Jump");
  EXPECT_EQ(form->SpdBtnPrev.Hint(), "Random Jump");
}

}  // namespace
