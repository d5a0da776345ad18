// Seeking with the track bar: the counter previews the thumb's time while the user drags, and the
// device moves there on release.
#include <cstdint>

#include "player/form_player.h"

namespace player {

void TFormPlayer::TrackBarChange(ui::TObject* sender) {
  const int position = TrackBar.Position();
  const int shown = TimeCount.Tag != 0 ? TrackBar.Max() - position : position;
  DgSecIn.SetValue(static_cast<std::uint32_t>(shown % 60));
  DgMinIn.SetValue(static_cast<std::uint32_t>(shown / 60));
  TrackBar.SetSelStart(position);
}

void TFormPlayer::TrackBarMouseDown(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                                    int y) {
  // The refresh would move the thumb and the counter under the user's drag.
  if (button == ui::TMouseButton::mbLeft) ThreadedTimer.SetEnabled(false);
}

void TFormPlayer::TrackBarMouseUp(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                                  int y) {
  if (button != ui::TMouseButton::mbLeft) return;
  const std::uint32_t target = static_cast<std::uint32_t>(TrackBar.Position()) * 1000;
  if (MIDIPlayer.Position() == target) {
    ThreadedTimer.SetEnabled(true);
    return;
  }
  if (SpdBtnPlay.Enabled()) {
    MIDIPlayer.Seek(target);
    ThreadedTimer.SetEnabled(true);
    return;
  }
  // A seek stops the device; a playing file carries on from the new place.
  MIDIPlayer.Stop();
  MIDIPlayer.Seek(target);
  ThreadedTimer.SetEnabled(true);
  Start();
}

}  // namespace player
