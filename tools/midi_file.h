// Standard MIDI Files: tracks of timed events written as the chunks of a .mid file.
#pragma once

#include <cstdint>
#include <vector>

namespace tools {

using Bytes = std::vector<std::uint8_t>;

// One event at its absolute tick. Bytes hold the message as it sounds: a channel message with its status
// byte, a system-exclusive message from F0 to F7, or a meta event as FF, its type and its data (the
// writer adds the lengths).
struct TrackEvent {
  std::uint32_t tick = 0;
  Bytes bytes;
};

struct Track {
  std::vector<TrackEvent> events;  // in the order they are written; ticks never go back
  std::uint32_t endTick = 0;       // where the end-of-track event stands, at or after the last event
};

// The largest number a variable-length quantity holds: four bytes of seven bits.
constexpr std::uint32_t kMaxVariableLength = 0x0FFFFFFF;

// Seven bits a byte, most significant first, the high bit set on every byte but the last. Throws
// std::invalid_argument beyond kMaxVariableLength.
void AppendVariableLength(Bytes& out, std::uint32_t value);

// The whole file: the header chunk and one track chunk per track, each closed by its end-of-track event.
// Throws std::invalid_argument for a format other than 0 or 1, a format 0 file of more than one track, a
// division of 0 or above 0x7FFF, a tick that goes back, an end before the last event or an empty event.
Bytes StandardMidiFile(int format, std::uint16_t division, const std::vector<Track>& tracks);

}  // namespace tools
