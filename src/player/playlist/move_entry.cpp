// Pushing the selected entry up or down one place; the current index follows the file it names.
#include "player/form_player.h"

namespace player {

void TFormPlayer::SelectMoved(int index) {
  SongList.SetItemIndex(index);
  SongListClick(&SongList);
}

void TFormPlayer::MoveFileUpClick(ui::TObject* sender) {
  const int selected = SongList.ItemIndex();
  if (selected <= 0) return;
  MarkListChanged();
  ExchangeEntries(selected, selected - 1);
  if (selected == CurrentIndex) {
    CurrentIndex = selected - 1;
  } else if (selected == CurrentIndex + 1) {
    CurrentIndex = selected;
  }
  SelectMoved(selected - 1);
}

void TFormPlayer::MoveFileDownClick(ui::TObject* sender) {
  const int selected = SongList.ItemIndex();
  if (selected < 0 || selected >= SongList.Count() - 1) return;
  MarkListChanged();
  ExchangeEntries(selected, selected + 1);
  if (selected == CurrentIndex) {
    CurrentIndex = selected + 1;
  } else if (CurrentIndex == selected + 1) {
    CurrentIndex = selected;
  }
  SelectMoved(selected + 1);
}

}  // namespace player
