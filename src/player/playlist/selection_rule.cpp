// The commands that depend on the play list's selection follow it.
#include "player/form_player.h"

namespace player {

void TFormPlayer::SongListClick(ui::TObject* sender) {
  // An open or requested rename keeps the box over its entry; the click only gives it back the focus.
  if (EditFile.Visible() || EditFile.Tag == 1) {
    if (EditFile.Tag == 1) EditFile.SetVisible(true);
    EditFile.SetFocus();
    return;
  }
  const int count = SongList.Count();
  const int selected = SongList.ItemIndex();
  bool up = true, down = true, single = true, all = true;
  if (count == 0) {
    up = down = single = all = false;
  } else if (selected == -1) {
    up = down = single = false;
  } else if (count == 1) {
    up = down = false;
  } else if (selected == 0) {
    up = false;
  } else if (selected == count - 1) {
    down = false;
  }
  MoveFileUp.SetEnabled(up);
  MoveFileDown.SetEnabled(down);
  BtnRemove.SetEnabled(single);
  BtnRemoveAll.SetEnabled(all);
  SpdMoveFile.SetEnabled(single);
  SpdMoveAllFiles.SetEnabled(all);
  BtnKill.SetEnabled(single);

  if (sender != this && SongList.Enabled() && Visible()) SongList.SetFocus();
}

void TFormPlayer::SelectEntryByText(int start, const std::string& text) { SongList.SelectByPrefix(start, text); }

}  // namespace player
