// Clear List: the list empties, the device closes, and the commands that need entries go off. The
// attached list file, the current index and the changed flag stay as they are.
#include "player/form_player.h"

namespace player {

void TFormPlayer::FileClearListClick(ui::TObject* sender) {
  HideRenameBox();
  ResetCounter();
  SongList.Clear();
  TrackBar.SetPosition(0);
  TrackBar.SetSelEnd(0);
  for (ui::TMenuItem* item : {&FileSaveListAs, &SaveListAs1, &FileSaveList, &SaveList1}) item->SetEnabled(false);
  for (ui::TControl* control : std::initializer_list<ui::TControl*>{
           &SpeedBtnSave, &SpdBtnPlay, &SpdBtnPause, &SpdBtnStop, &SpdBtnNext, &SpdBtnPrev, &SpdBtnStep,
           &SpdBtnBack, &TrackBar})
    control->SetEnabled(false);
  MIDIPlayer.Close();
  PathList.clear();
  const std::string title = ListTitle();
  SetCaption(title.empty() ? "MIDI Tunora 1.0" : title.substr(3) + " - MIDI Tunora");
  ui::Application().SetTitle(Caption());
  ResetHorizontalExtent(SongList.ClientWidth());
  FileSortList.SetEnabled(false);
  FileClearList.SetEnabled(false);
  SongList.SetEnabled(false);
  SongListClick(this);
}

}  // namespace player
