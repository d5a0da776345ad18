// A right-click in the folder list highlights the folder under the pointer without opening it, so that
// the folder popup's commands act on that folder.
#include "player/form_player.h"

namespace player {

void TFormPlayer::DirectoryListBoxMouseDown(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift,
                                            int x, int y) {
  if (button != ui::TMouseButton::mbRight) return;
  const int row = DirectoryListBox.ItemAtPos({x, y}, true);
  if (row >= 0) DirectoryListBox.SetItemIndex(row);
}

}  // namespace player
