// The counter's direction: elapsed time in lime, remaining time in red.
#include "player/form_player.h"

namespace player {

void TFormPlayer::TimeLabelClick(ui::TObject* sender) {
  // The seconds box is the wait's count while a wait between files runs.
  if (DgSecIn.Delay() != 0) return;
  if (sender == &TimeCount || sender == &LblCounter || sender == &DgSecIn || sender == &DgMinIn) {
    if (TimeCount.Tag == 0) {
      TimeCount.Tag = 1;
    } else if (TimeCount.Tag == 1) {
      TimeCount.Tag = 0;
    }
  }
  // The digits follow at the next refresh; only the colour changes now.
  const ui::TColor colour = TimeCount.Tag == 1 ? ui::clRed : ui::clLime;
  DgMinIn.SetColor1(colour);
  LblCounter.SetFontColor(colour);
  DgSecIn.SetColor1(colour);
}

}  // namespace player
