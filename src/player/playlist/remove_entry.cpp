// Removing the selected entry: the list shrinks, and when the current entry goes another one is loaded
// in its place, so that the current index always names the file on the device.
#include "player/form_player.h"

namespace player {

void TFormPlayer::StartOrStop(bool start) {
  if (start) {
    ShowPlayingButtons();
    Start();
  } else {
    ShowStoppedButtons();
  }
}

void TFormPlayer::BtnRemoveClick(ui::TObject* sender) {
  const int selected = SongList.ItemIndex();
  if (selected < 0) return;
  const int countBefore = static_cast<int>(PathList.size());
  MarkListChanged();
  if (sender == &BtnRemove) SongList.SetFocus();
  if (countBefore == 1) {
    FileClearListClick(this);
    return;
  }
  if (countBefore == 2) {
    SpdBtnPrev.SetEnabled(false);
    SpdBtnNext.SetEnabled(false);
  }

  if (selected != CurrentIndex) {
    DeleteEntry(selected);
    SongList.SetItemIndex(selected == countBefore - 1 ? selected - 1 : selected);
    if (selected < CurrentIndex) --CurrentIndex;
    SongListClick(sender);
    return;
  }

  ResetCounter();
  TrackBar.SetSelStart(0);
  TrackBar.SetSelEnd(0);
  TrackBar.SetPosition(0);
  TrackBar.SetEnabled(false);
  DeleteEntry(selected);
  const bool wasPlaying = MIDIPlayer.Mode() == os::DeviceMode::Playing;
  MIDIPlayer.Close();
  const int count = static_cast<int>(PathList.size());
  const bool random = RandomPlay.Checked() || ShufflePlay.Checked();
  if (CurrentIndex == count) {
    // The last entry went: the list goes on from its top, or anywhere in the random modes.
    CurrentIndex = random ? random_.Index(count) : 0;
    ResetCounter();
    LoadEntry(CurrentIndex);
    StartOrStop((LoopPlay.Checked() && wasPlaying) || random);
    return;
  }
  // The current index now names the entry that followed the removed one.
  if (random) CurrentIndex = random_.Index(count);
  ResetCounter();
  LoadEntry(CurrentIndex);
  StartOrStop((AutoPlay.Checked() && wasPlaying) || random);
  SongList.SetItemIndex(CurrentIndex);
  SongListClick(sender);
}

}  // namespace player
