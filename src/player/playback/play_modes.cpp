// The five play modes: check marks in the Play Modes menu, toggled there or on their coloured labels.
// Loop, Repeat and Random are one radio group; Shuffle excludes Random and Repeat; Auto stands alone.
#include "player/form_player.h"

namespace player {

namespace {

// A mode's own menu item or its label toggles it; any other sender only shows the current state.
void ToggleWhenOwn(ui::TMenuItem& item, ui::TLabel& label, ui::TObject* sender) {
  if (sender == &item || sender == &label) item.SetChecked(!item.Checked());
}

}  // namespace

void TFormPlayer::ShowPlayModes() {
  const struct {
    ui::TMenuItem& item;
    ui::TLabel& label;
    ui::TColor on;
  } modes[] = {
      {LoopPlay, LblLoop, ui::clFuchsia},  {RepeatPlay, LblRepeat, ui::clLime}, {RandomPlay, LblRandom, ui::clYellow},
      {ShufflePlay, LblShuffle, ui::clRed}, {AutoPlay, LblAuto, ui::clWhite},
  };
  for (const auto& mode : modes) mode.label.SetFontColor(mode.item.Checked() ? mode.on : ui::clGray);

  const bool random = RandomPlay.Checked();
  const bool shuffle = ShufflePlay.Checked();
  SpdBtnNext.SetHint(random ? "Random Jump" : shuffle ? "Shuffle" : "Next");
  SpdBtnPrev.SetHint(random ? "Random Jump" : shuffle ? "Shuffle" : "Previous");
}

void TFormPlayer::LoopPlayClick(ui::TObject* sender) {
  ToggleWhenOwn(LoopPlay, LblLoop, sender);
  ShowPlayModes();
}

void TFormPlayer::RepeatPlayClick(ui::TObject* sender) {
  ToggleWhenOwn(RepeatPlay, LblRepeat, sender);
  if (RepeatPlay.Checked()) ShufflePlay.SetChecked(false);
  ShowPlayModes();
}

void TFormPlayer::RandomPlayClick(ui::TObject* sender) {
  ToggleWhenOwn(RandomPlay, LblRandom, sender);
  if (RandomPlay.Checked()) ShufflePlay.SetChecked(false);
  ShowPlayModes();
}

void TFormPlayer::ShufflePlayClick(ui::TObject* sender) {
  ToggleWhenOwn(ShufflePlay, LblShuffle, sender);
  if (ShufflePlay.Checked()) {
    RandomPlay.SetChecked(false);
    RepeatPlay.SetChecked(false);
  }
  ShowPlayModes();
}

void TFormPlayer::AutoPlayClick(ui::TObject* sender) {
  ToggleWhenOwn(AutoPlay, LblAuto, sender);
  ShowPlayModes();
}

}  // namespace player
