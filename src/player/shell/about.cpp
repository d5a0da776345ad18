// Help > About...: the About box, modal.
#include "player/form_player.h"
#include "player/shell/about_box.h"

namespace player {

void TFormPlayer::HelpAboutClick(ui::TObject* sender) {
  TFormAbout box(this);
  ui::Application().CreateForm(box);
  box.ShowModal();
}

}  // namespace player
