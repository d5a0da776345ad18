// The user's commands on the device: double-click an entry, Play, Pause and Stop. The enabled states
// of the three transport buttons are the program's record of what plays.
#include "player/form_player.h"

namespace player {

void TFormPlayer::Start() {
  MIDIPlayer.Play();
  TrayIcon.SetState(controls::TStateTaskIcon::tiEnabled);
}

void TFormPlayer::ShowStoppedButtons() {
  SpdBtnPlay.SetEnabled(true);
  SpdBtnPause.SetEnabled(false);
  SpdBtnStop.SetEnabled(false);
}

void TFormPlayer::ShowPlayingButtons() {
  SpdBtnPlay.SetEnabled(false);
  SpdBtnPause.SetEnabled(true);
  SpdBtnStop.SetEnabled(true);
}

void TFormPlayer::SongListDblClick(ui::TObject* sender) {
  if (SongList.ItemIndex() < 0) return;
  TrackBar.SetPosition(0);
  TrackBar.SetSelStart(0);
  TrackBar.SetEnabled(false);
  ResetCounter();
  MIDIPlayer.Close();
  CurrentIndex = SongList.ItemIndex();
  ResetCounter();
  LoadEntry(CurrentIndex);
  if (AutoPlay.Checked()) {
    ShowPlayingButtons();
    Start();
  } else {
    ShowStoppedButtons();
  }
}

void TFormPlayer::SpdBtnPlayClick(ui::TObject* sender) {
  Start();
  ShowPlayingButtons();
}

void TFormPlayer::SpdBtnPauseClick(ui::TObject* sender) {
  if (DgSecIn.Delay() != 0) {
    // Pausing the wait between files freezes its count; no next file follows.
    DgSecIn.SetTarget(DgSecIn.Value());
    DgSecIn.SetDelay(0);
    return;
  }
  // Pausing stops the device where it stands; Play from there continues.
  if (MIDIPlayer.Mode() == os::DeviceMode::Playing) {
    SpdBtnPlay.SetEnabled(true);
    MIDIPlayer.Stop();
    TrayIcon.SetState(controls::TStateTaskIcon::tiDisabled);
  } else {
    SpdBtnPlay.SetEnabled(false);
    Start();
  }
}

void TFormPlayer::SpdBtnStopClick(ui::TObject* sender) {
  // A wait between files ends as a stop: no next file follows.
  if (DgSecIn.Delay() != 0) DgSecInTargetReach(&SpdBtnStop);
  DgMinIn.SetTarget(0);
  DgSecIn.SetTarget(0);
  ShowStoppedButtons();
  TrackBar.SetSelEnd(0);
  TrackBar.SetSelStart(0);
  TrackBar.SetPosition(0);
  TrayIcon.SetState(controls::TStateTaskIcon::tiDisabled);
  const os::DeviceMode mode = MIDIPlayer.Mode();
  if (mode == os::DeviceMode::Playing || mode == os::DeviceMode::Stopped) {
    MIDIPlayer.Stop();
    MIDIPlayer.Rewind();
  }
}

}  // namespace player
