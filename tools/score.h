// Scores: music written as text (data/README.md describes the notation) and turned into the tracks of a
// Standard MIDI File.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/midi_file.h"

namespace tools {

class ScoreError : public std::runtime_error {
 public:
  ScoreError(int line, const std::string& message);
  int Line() const { return line_; }

 private:
  int line_;
};

struct Song {
  int format = 1;
  std::uint16_t division = 480;  // ticks per quarter note
  // Format 1: the conductor track (title, time signature, tempos) and then one track per part. Format 0:
  // everything merged into one track.
  std::vector<Track> tracks;
};

// Throws ScoreError naming the line of the first mistake: an unknown word, a note out of range, a bar
// line inside a bar, a tie that leads nowhere, a macro that calls itself...
Song ReadScore(const std::string& text);

}  // namespace tools
