// The tray icon's events.
#include "player/form_player.h"

namespace player {

void TFormPlayer::TrayIconDblClick(ui::TObject* sender) {
  WindowHidden = false;
  TrayIcon.SetActive(false);
  ui::Application().Restore();
  SetVisible(true);
  SetFocus();
}

// Nothing to do: having a handler is what makes a right click open the tray menu.
void TFormPlayer::TrayIconRightClick(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                                     int y) {}

}  // namespace player
