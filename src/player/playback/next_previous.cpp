// Next and Previous: the neighbouring entry, wrapping at the ends, or a random one in the random modes.
#include <optional>

#include "player/form_player.h"

namespace player {

std::optional<int> TFormPlayer::StepIndex(bool forward) {
  if (RandomPlay.Checked() || ShufflePlay.Checked()) {
    SongList.SetItemIndex(-1);
    // After editing the current index may name no entry; then there is nothing to remove.
    const bool current = CurrentIndex >= 0 && CurrentIndex < static_cast<int>(PathList.size());
    // Removing the only entry left ends the list as the end of its last file does.
    if (ShufflePlay.Checked() && current && !ConsumeShuffledEntry(CurrentIndex)) return std::nullopt;
    return random_.Index(static_cast<int>(PathList.size()));
  }
  const int last = static_cast<int>(PathList.size()) - 1;
  if (forward) return CurrentIndex >= last ? 0 : CurrentIndex + 1;
  return CurrentIndex <= 0 ? last : CurrentIndex - 1;
}

void TFormPlayer::SpdBtnNextClick(ui::TObject* sender) {
  // Reached from the tray menu too; an empty list has nothing to step to.
  if (PathList.empty()) return;
  TrackBar.SetSelEnd(0);
  TrackBar.SetSelStart(0);
  TrackBar.SetPosition(0);
  TrackBar.SetEnabled(false);
  // This also ends a wait between files, silently.
  ResetCounter();
  const std::optional<int> next = StepIndex(true);
  if (!next) return;
  CurrentIndex = *next;
  MIDIPlayer.Close();
  ResetCounter();
  LoadEntry(CurrentIndex);
  // Play is off while a file plays or a wait runs: the new entry carries on playing.
  if (!SpdBtnPlay.Enabled()) Start();
}

void TFormPlayer::SpdBtnPrevClick(ui::TObject* sender) {
  if (PathList.empty()) return;
  TrackBar.SetPosition(0);
  TrackBar.SetSelStart(0);
  TrackBar.SetEnabled(false);
  ResetCounter();
  const std::optional<int> previous = StepIndex(false);
  if (!previous) return;
  CurrentIndex = *previous;
  SongList.SetItemIndex(CurrentIndex);
  MIDIPlayer.Close();
  ResetCounter();
  LoadEntry(CurrentIndex);
  if (!SpdBtnPlay.Enabled()) Start();
}

}  // namespace player
