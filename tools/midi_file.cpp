#include "tools/midi_file.h"

#include <stdexcept>

namespace tools {

namespace {

void AppendBigEndian(Bytes& out, std::uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void AppendText(Bytes& out, const char* text) {
  for (; *text; ++text) out.push_back(static_cast<std::uint8_t>(*text));
}

// Meta and system-exclusive events carry their length as a variable-length quantity; channel messages
// are written as they are, each with its status byte.
void AppendEvent(Bytes& out, const Bytes& message) {
  if (message.empty()) throw std::invalid_argument("empty MIDI event");
  if (message[0] == 0xFF) {
    if (message.size() < 2) throw std::invalid_argument("meta event without a type");
    out.insert(out.end(), message.begin(), message.begin() + 2);
    AppendVariableLength(out, static_cast<std::uint32_t>(message.size() - 2));
    out.insert(out.end(), message.begin() + 2, message.end());
  } else if (message[0] == 0xF0) {
    out.push_back(0xF0);
    AppendVariableLength(out, static_cast<std::uint32_t>(message.size() - 1));
    out.insert(out.end(), message.begin() + 1, message.end());
  } else {
    out.insert(out.end(), message.begin(), message.end());
  }
}

Bytes TrackChunk(const Track& track) {
  Bytes body;
  std::uint32_t now = 0;
  for (const TrackEvent& event : track.events) {
    if (event.tick < now) throw std::invalid_argument("MIDI events out of order");
    AppendVariableLength(body, event.tick - now);
    AppendEvent(body, event.bytes);
    now = event.tick;
  }
  if (track.endTick < now) throw std::invalid_argument("end of track before its last event");
  AppendVariableLength(body, track.endTick - now);
  AppendEvent(body, {0xFF, 0x2F});

  Bytes chunk;
  AppendText(chunk, "MTrk");
  AppendBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

}  // namespace

void AppendVariableLength(Bytes& out, std::uint32_t value) {
  if (value > kMaxVariableLength) throw std::invalid_argument("number too large for a MIDI variable-length quantity");
  std::uint8_t groups[4];
  int n = 0;
  do {
    groups[n++] = value & 0x7F;
    value >>= 7;
  } while (value);
  while (n--) out.push_back(static_cast<std::uint8_t>(groups[n] | (n ? 0x80 : 0)));
}

Bytes StandardMidiFile(int format, std::uint16_t division, const std::vector<Track>& tracks) {
  if (format != 0 && format != 1) throw std::invalid_argument("MIDI file format must be 0 or 1");
  if (format == 0 && tracks.size() != 1) throw std::invalid_argument("a format 0 MIDI file holds one track");
  if (tracks.empty() || tracks.size() > 0xFFFF) throw std::invalid_argument("wrong number of MIDI tracks");
  // The top bit of the division would mean SMPTE frames; this writer counts ticks per quarter note.
  if (division == 0 || division > 0x7FFF) throw std::invalid_argument("ticks per quarter note out of range");

  Bytes out;
  AppendText(out, "MThd");
  AppendBigEndian(out, 6, 4);
  AppendBigEndian(out, static_cast<std::uint32_t>(format), 2);
  AppendBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
  AppendBigEndian(out, division, 2);
  for (const Track& track : tracks) {
    const Bytes chunk = TrackChunk(track);
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

}  // namespace tools
