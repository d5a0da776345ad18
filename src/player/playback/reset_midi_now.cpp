// Reset MIDI Now!: the reset messages sent straight to the MIDI output.
#include <array>
#include <cstdint>

#include "player/form_player.h"
#include "player/playlist/busy.h"

namespace player {

namespace {

// All Sound Off (controller 120) and Reset All Controllers (controller 121), value 0, on the sixteen
// channels, then System Reset; packed with the status in the low byte and the controller above it.
std::array<std::uint32_t, 33> ResetMessages() {
  std::array<std::uint32_t, 33> messages{};
  for (std::uint32_t channel = 0; channel < 16; ++channel) {
    messages[channel] = 0x78u << 8 | (0xB0u + channel);
    messages[16 + channel] = 0x79u << 8 | (0xB0u + channel);
  }
  messages[32] = 0xFF;
  return messages;
}

}  // namespace

void TFormPlayer::SpdBtnResetClick(ui::TObject* sender) {
  // The normal pointer comes back whatever ends the command, a failed reopen included.
  HourGlass busy;
  const os::DeviceMode mode = MIDIPlayer.Mode();
  // A playing device holds the MIDI output: it stops and closes while the messages go out. A paused,
  // stopped or ended one stays as it is, so that a wait between files goes on.
  const bool closed = mode == os::DeviceMode::Playing || mode == os::DeviceMode::Open;
  if (closed) {
    SpdBtnStopClick(&SpdBtnReset);
    MIDIPlayer.Close();
  }
  if (TrackBar.Enabled()) {
    TrackBar.SetSelEnd(0);
    TrackBar.SetSelStart(0);
    TrackBar.SetPosition(0);
  }

  os::MidiOut& output = ui::Application().Services().midiOut;
  if (output.Open() != 0) {
    SetCaption("Fail to open MIDI device!");
  } else {
    // An open output takes every short message; there is nothing to do about one it refuses.
    for (std::uint32_t message : ResetMessages()) output.ShortMessage(message);
    if (output.Close() != 0) SetCaption("Error Closing MIDI!");
  }

  // The entry stands at its start again, stopped, as Stop left the buttons; FileName still names it.
  if (closed) {
    MIDIPlayer.Open();
    MIDIPlayer.SetTimeFormatMilliseconds();
  }
}

}  // namespace player
