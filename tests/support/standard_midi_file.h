// A reader of Standard MIDI Files for the tests, written from the file format's rules and kept apart from
// the tool that writes the installed files, so that each checks the other.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

struct SmfEvent {
  std::uint32_t tick = 0;          // from the start of its track
  std::uint8_t status = 0;         // a channel status byte, 0xF0 or 0xF7 for system exclusive, 0xFF for meta
  std::uint8_t metaType = 0;       // meta events only
  std::vector<std::uint8_t> data;  // the data bytes; for F0 everything after the F0 itself
};

struct SmfTrack {
  std::uint32_t chunkLength = 0;  // as the chunk header gives it
  std::vector<SmfEvent> events;   // the end-of-track event last
};

struct SmfFile {
  std::uint32_t headerLength = 0;
  int format = 0;
  int division = 0;  // ticks per quarter note
  std::vector<SmfTrack> tracks;
};

// Throws std::runtime_error where the bytes break the rules: chunk ids and lengths, a header length other
// than 6, a track count unlike the header's, a variable-length quantity of more than four bytes, running
// status with no status before it, a data byte with its top bit set, an event that runs past its chunk,
// or a track whose last event is not the end of track or whose chunk holds bytes after it.
SmfFile ReadSmf(const std::vector<std::uint8_t>& bytes);

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

// The time of a tick in seconds, through the tempo events of every track (120 quarters a minute before
// the first).
double SmfSeconds(const SmfFile& file, std::uint32_t tick);

// The tick of the last end of track over all tracks: the length of the song.
std::uint32_t SmfEndTick(const SmfFile& file);

}  // namespace testing_support
