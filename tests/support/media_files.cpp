#include "support/media_files.h"

#include <cmath>
#include <fstream>
#include <stdexcept>

namespace testing_support {
namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

void PutBig(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutText(std::vector<std::uint8_t>& out, const char* text) {
  for (; *text; ++text) out.push_back(static_cast<std::uint8_t>(*text));
}

// MIDI's variable-length quantity: seven bits a byte, high bit set on all but the last.
void PutDelta(std::vector<std::uint8_t>& out, std::uint32_t ticks) {
  std::uint8_t bytes[5];
  int n = 0;
  do {
    bytes[n++] = ticks & 0x7F;
    ticks >>= 7;
  } while (ticks);
  while (n--) out.push_back(static_cast<std::uint8_t>(bytes[n] | (n ? 0x80 : 0)));
}

}  // namespace

std::vector<std::uint8_t> WavFile(unsigned lengthMs, unsigned toneHz) {
  constexpr unsigned rate = 22050;
  const std::uint32_t samples = static_cast<std::uint32_t>(std::uint64_t{rate} * lengthMs / 1000);
  const std::uint32_t dataBytes = samples * 2;
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  PutText(out, "RIFF");
  Put32(out, 36 + dataBytes);
  PutText(out, "WAVE");
  PutText(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);         // PCM
  Put16(out, 1);         // mono
  Put32(out, rate);
  Put32(out, rate * 2);  // bytes per second
  Put16(out, 2);         // block align
  Put16(out, 16);        // bits per sample
  PutText(out, "data");
  Put32(out, dataBytes);
  const double step = 2 * 3.14159265358979323846 * toneHz / rate;
  for (std::uint32_t i = 0; i < samples; ++i) {
    const auto sample = static_cast<std::int16_t>(toneHz ? std::lround(8000 * std::sin(step * i)) : 0);
    Put16(out, static_cast<std::uint16_t>(sample));
  }
  return out;
}

std::vector<std::uint8_t> MidiFile(unsigned lengthMs) {
  constexpr unsigned ticksPerQuarter = 480;
  constexpr unsigned notes = 4;
  // One note a quarter: the tempo (microseconds a quarter) spreads the notes over the whole length.
  const std::uint32_t tempo = lengthMs * 1000u / notes;
  if (tempo == 0 || tempo > 0xFFFFFF) throw std::invalid_argument("MIDI length out of range");

  std::vector<std::uint8_t> track;
  PutDelta(track, 0);
  track.insert(track.end(), {0xFF, 0x51, 0x03});
  PutBig(track, tempo, 3);
  PutDelta(track, 0);
  track.insert(track.end(), {0xC0, 0x00});  // piano
  const std::uint8_t pitches[notes] = {60, 64, 67, 72};
  for (std::uint8_t pitch : pitches) {
    PutDelta(track, 0);
    track.insert(track.end(), {0x90, pitch, 0x60});
    PutDelta(track, ticksPerQuarter);
    track.insert(track.end(), {0x80, pitch, 0x00});
  }
  PutDelta(track, 0);
  track.insert(track.end(), {0xFF, 0x2F, 0x00});

  std::vector<std::uint8_t> out;
  PutText(out, "MThd");
  PutBig(out, 6, 4);
  PutBig(out, 0, 2);  // format 0
  PutBig(out, 1, 2);  // one track
  PutBig(out, ticksPerQuarter, 2);
  PutText(out, "MTrk");
  PutBig(out, static_cast<std::uint32_t>(track.size()), 4);
  out.insert(out.end(), track.begin(), track.end());
  return out;
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace testing_support
