// Dragging files from the file list: a press starts a drag only on a focused item, and the play list is
// enabled to take the drop while the drag lasts.
#include "player/form_player.h"

namespace player {

void TFormPlayer::FileListBoxMouseDown(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift,
                                       int x, int y) {
  FileListBox.DragMode = FileListBox.ItemIndex() >= 0 ? ui::TDragMode::dmAutomatic : ui::TDragMode::dmManual;
}

void TFormPlayer::FileListBoxStartDrag(ui::TObject* sender) { SongList.SetEnabled(true); }

void TFormPlayer::FileListBoxEndDrag(ui::TObject* sender, ui::TObject* target, int x, int y) {
  ui::Application().Screen().SetCursor(ui::TCursor::crDefault);
  if (target != &SongList && PathList.empty()) SongList.SetEnabled(false);
  SongListClick(sender);
}

}  // namespace player
