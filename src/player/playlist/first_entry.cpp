// What the first entry of an empty list and the second entry of any list switch on.
#include "player/form_player.h"

namespace player {

void TFormPlayer::ActivateFirstEntry() {
  for (ui::TMenuItem* item : {&FileSaveListAs, &SaveListAs1, &FileSaveList, &SaveList1}) item->SetEnabled(true);
  for (ui::TControl* control : std::initializer_list<ui::TControl*>{&SpeedBtnSave, &SpdBtnBack, &SpdBtnStep,
                                                                     &SpdBtnPlay, &SongList})
    control->SetEnabled(true);
  SongList.SetItemIndex(0);
  CurrentIndex = 0;
  ResetCounter();
  LoadEntry(0);
  FileClearList.SetEnabled(true);
  if (AutoPlay.Checked()) {
    ShowPlayingButtons();
    Start();
  }
}

void TFormPlayer::EnableStepping() {
  if (SpdBtnNext.Enabled() || PathList.size() <= 1) return;
  FileSortList.SetEnabled(true);
  SpdBtnPrev.SetEnabled(true);
  SpdBtnNext.SetEnabled(true);
}

}  // namespace player
