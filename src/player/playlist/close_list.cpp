// Close List: the list empties and no file is attached any more.
#include "player/form_player.h"

namespace player {

void TFormPlayer::FileCloseListClick(ui::TObject* sender) {
  HideRenameBox();
  if (!ConfirmSaveChangedList()) return;
  CloseList();
}

void TFormPlayer::CloseList() {
  ResetCounter();
  SongList.Clear();
  ReturnListToRecent();
  TrackBar.SetPosition(0);
  TrackBar.SetSelEnd(0);
  for (ui::TControl* control : std::initializer_list<ui::TControl*>{
           &BtnKill, &SpdMoveAllFiles, &SpdMoveFile, &BtnRemoveAll, &BtnRemove, &MoveFileDown, &MoveFileUp,
           &SpdBtnClose, &SpeedBtnSave, &SpdBtnPlay, &SpdBtnPause, &SpdBtnStop, &SpdBtnNext, &SpdBtnPrev,
           &SpdBtnStep, &SpdBtnBack, &TrackBar})
    control->SetEnabled(false);
  StopPlayingDevice();
  PathList.clear();
  SetCaption("MIDI Tunora 1.0");
  ui::Application().SetTitle(Caption());
  SongList.SetEnabled(false);
  for (ui::TMenuItem* item : {&FileSortList, &FileClearList, &FileCloseList, &FileSaveListAs, &SaveListAs1,
                              &FileSaveList, &SaveList1})
    item->SetEnabled(false);
  ResetHorizontalExtent(SongList.ClientWidth());
  ListFileName = "*.mpl";
}

void TFormPlayer::StopPlayingDevice() {
  if (MIDIPlayer.Mode() != os::DeviceMode::Playing) return;
  MIDIPlayer.Stop();
  MIDIPlayer.Close();
}

}  // namespace player
