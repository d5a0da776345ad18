// Forward and Reverse: SkipSeconds on or back, or the rest of a wait between files skipped.
#include <algorithm>
#include <cstdint>

#include "player/form_player.h"

namespace player {

namespace {

// The options keep SkipSeconds within 1..99; a value from elsewhere still skips within that range.
std::int64_t SkipSpanMs(int skipSeconds) { return std::int64_t{std::clamp(skipSeconds, 1, 99)} * 1000; }

}  // namespace

void TFormPlayer::SpdBtnStepClick(ui::TObject* sender) {
  if (DgSecIn.Delay() != 0) {
    DgSecInTargetReach(&SpdBtnStep);
    return;
  }
  const std::int64_t p = MIDIPlayer.Position();
  const std::int64_t k = SkipSpanMs(SkipSeconds);
  if (MIDIPlayer.Mode() == os::DeviceMode::Playing) {
    MIDIPlayer.Stop();
    const std::int64_t length = MIDIPlayer.Length();
    if (p + k < length) {
      MIDIPlayer.PendingStart = static_cast<std::uint32_t>(p + k);
      MIDIPlayer.Seek(static_cast<std::uint32_t>(p + k));
    } else {
      // Starting at the end ends the file at once, and its end is handled as any other.
      MIDIPlayer.PendingStart = static_cast<std::uint32_t>(length);
    }
    Start();
    return;
  }
  const std::int64_t length = MIDIPlayer.Length();
  const auto t = static_cast<std::uint32_t>(std::min(length, p + k));
  // The next play of the device starts here, whichever file it plays.
  MIDIPlayer.PendingStart = t;
  MIDIPlayer.Seek(t);
}

void TFormPlayer::SpdBtnBackClick(ui::TObject* sender) {
  // Reverse skips the rest of a wait as Forward does; it never goes back to the ended file.
  if (DgSecIn.Delay() != 0) {
    DgSecInTargetReach(&SpdBtnBack);
    return;
  }
  const std::int64_t p = MIDIPlayer.Position();
  const std::int64_t k = SkipSpanMs(SkipSeconds);
  if (MIDIPlayer.Mode() == os::DeviceMode::Playing) {
    MIDIPlayer.Stop();
    MIDIPlayer.Seek(static_cast<std::uint32_t>(std::max<std::int64_t>(p - k, 0)));
    Start();
    return;
  }
  if (p - k < 0) {
    // The display and the position stay; the next play starts from the beginning.
    MIDIPlayer.PendingStart = 0;
    return;
  }
  MIDIPlayer.Seek(static_cast<std::uint32_t>(p - k));
}

}  // namespace player
