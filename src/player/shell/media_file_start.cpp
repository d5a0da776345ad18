// A media file named on the command line becomes a play list of that one file.
#include "base/text.h"
#include "player/form_player.h"

namespace player {

void TFormPlayer::MediaFileStart(const std::string& file) {
  SongList.SetEnabled(true);
  for (ui::TMenuItem* item : {&FileSaveListAs, &SaveListAs1, &FileClearList, &FileSaveList, &SaveList1})
    item->SetEnabled(true);
  for (ui::TControl* button : std::initializer_list<ui::TControl*>{
           &BtnKill, &SpdMoveAllFiles, &SpdMoveFile, &BtnRemoveAll, &BtnRemove, &SpeedBtnSave, &SpdBtnBack,
           &SpdBtnStep})
    button->SetEnabled(true);
  if (AutoPlay.Checked()) {
    SpdBtnPause.SetEnabled(true);
    SpdBtnStop.SetEnabled(true);
  } else {
    SpdBtnPlay.SetEnabled(true);
  }

  const std::string name = base::NameAfterBackslash(file);
  MIDIPlayer.FileName = file;
  AppendEntry(file, name);
  MeasureEntry(name, true);
  SongList.SetItemIndex(0);
  SongListClick(this);

  MIDIPlayer.Open();
  MIDIPlayer.SetTimeFormatMilliseconds();
  const std::uint32_t length = MIDIPlayer.Length();
  SpanTrackBar(length);
  TrackBar.SetPosition(0);

  NameLoadedFile(name, length);

  if (AutoPlay.Checked() || PlayRequested) Start();
}

}  // namespace player
