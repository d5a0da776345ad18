// The reset types of the MIDI Reset menu: the reset file LoadEntry plays before a MIDI entry.
#include "player/form_player.h"

namespace player {

namespace {

// Only the item itself toggles; checking it clears the other two through their radio group, and
// unchecking the checked one leaves no reset type.
void ToggleOwnItem(ui::TObject* sender, ui::TMenuItem& item) {
  if (sender == &item) item.SetChecked(!item.Checked());
}

}  // namespace

void TFormPlayer::GMClick(ui::TObject* sender) { ToggleOwnItem(sender, GM); }

void TFormPlayer::GSClick(ui::TObject* sender) { ToggleOwnItem(sender, GS); }

void TFormPlayer::XGClick(ui::TObject* sender) { ToggleOwnItem(sender, XG); }

}  // namespace player
