// Small media files written by the tests: wave audio and MIDI sequences of a chosen length.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// A PCM wave file, 16-bit mono at 22050 Hz, lengthMs long: a sine tone of toneHz, silence when 0.
std::vector<std::uint8_t> WavFile(unsigned lengthMs, unsigned toneHz = 440);

// A format-0 MIDI file of four quarter notes whose tempo makes it lengthMs long (up to 67 s).
std::vector<std::uint8_t> MidiFile(unsigned lengthMs);

// Writes the bytes to the file, replacing it; throws std::runtime_error when it cannot.
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace testing_support
