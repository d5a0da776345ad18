#include "support/standard_midi_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

namespace testing_support {

namespace {

class Cursor {
 public:
  Cursor(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t to)
      : bytes_(bytes), at_(from), to_(to) {}

  bool AtEnd() const { return at_ >= to_; }
  std::size_t Position() const { return at_; }

  std::uint8_t Byte() {
    if (at_ >= to_) throw std::runtime_error("MIDI data runs past its chunk");
    return bytes_[at_++];
  }

  std::uint32_t BigEndian(int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = value << 8 | Byte();
    return value;
  }

  std::string Id() {
    std::string id;
    for (int i = 0; i < 4; ++i) id += static_cast<char>(Byte());
    return id;
  }

  std::uint32_t VariableLength() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const std::uint8_t b = Byte();
      value = value << 7 | (b & 0x7F);
      if (!(b & 0x80)) return value;
    }
    throw std::runtime_error("variable-length quantity longer than four bytes");
  }

  std::vector<std::uint8_t> Bytes(std::uint32_t count) {
    std::vector<std::uint8_t> out;
    for (std::uint32_t i = 0; i < count; ++i) out.push_back(Byte());
    return out;
  }

 private:
  const std::vector<std::uint8_t>& bytes_;
  std::size_t at_, to_;
};

int DataBytesOf(std::uint8_t status) {
  const int kind = status >> 4;
  return kind == 0xC || kind == 0xD ? 1 : 2;
}

SmfTrack ReadTrack(const std::vector<std::uint8_t>& bytes, std::size_t from, std::uint32_t length) {
  SmfTrack track;
  track.chunkLength = length;
  Cursor in(bytes, from, from + length);
  std::uint32_t tick = 0;
  std::uint8_t running = 0;
  bool ended = false;
  while (!in.AtEnd()) {
    if (ended) throw std::runtime_error("bytes after the end of track");
    tick += in.VariableLength();
    SmfEvent event;
    event.tick = tick;
    std::uint8_t first = in.Byte();
    if (first == 0xFF) {
      event.status = first;
      event.metaType = in.Byte();
      event.data = in.Bytes(in.VariableLength());
      ended = event.metaType == 0x2F;
      running = 0;  // meta and system-exclusive events cancel running status
      if (ended && !event.data.empty()) throw std::runtime_error("end of track with data");
    } else if (first == 0xF0 || first == 0xF7) {
      event.status = first;
      event.data = in.Bytes(in.VariableLength());
      running = 0;
    } else {
      if (first & 0x80) {
        running = first;
        first = in.Byte();
      } else if (!running) {
        throw std::runtime_error("running status with no status before it");
      }
      event.status = running;
      event.data.push_back(first);
      if (DataBytesOf(running) == 2) event.data.push_back(in.Byte());
      for (std::uint8_t b : event.data)
        if (b & 0x80) throw std::runtime_error("data byte with its top bit set");
    }
    track.events.push_back(std::move(event));
  }
  if (!ended) throw std::runtime_error("track without an end-of-track event");
  return track;
}

}  // namespace

SmfFile ReadSmf(const std::vector<std::uint8_t>& bytes) {
  SmfFile file;
  Cursor in(bytes, 0, bytes.size());
  if (in.Id() != "MThd") throw std::runtime_error("no MThd chunk");
  file.headerLength = in.BigEndian(4);
  if (file.headerLength != 6) throw std::runtime_error("header chunk length is not 6");
  file.format = static_cast<int>(in.BigEndian(2));
  const std::uint32_t trackCount = in.BigEndian(2);
  file.division = static_cast<int>(in.BigEndian(2));
  if (file.division & 0x8000) throw std::runtime_error("SMPTE division");
  while (!in.AtEnd()) {
    if (in.Id() != "MTrk") throw std::runtime_error("chunk other than MTrk");
    const std::uint32_t length = in.BigEndian(4);
    if (in.Position() + length > bytes.size()) throw std::runtime_error("track chunk runs past the file");
    file.tracks.push_back(ReadTrack(bytes, in.Position(), length));
    in.Bytes(length);
  }
  if (file.tracks.size() != trackCount) throw std::runtime_error("track count unlike the header's");
  return file;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double SmfSeconds(const SmfFile& file, std::uint32_t tick) {
  std::map<std::uint32_t, std::uint32_t> tempos;  // tick to microseconds a quarter; a later one at a tick wins
  for (const SmfTrack& track : file.tracks)
    for (const SmfEvent& event : track.events)
      if (event.status == 0xFF && event.metaType == 0x51 && event.data.size() == 3)
        tempos[event.tick] = static_cast<std::uint32_t>(event.data[0] << 16 | event.data[1] << 8 | event.data[2]);
  double seconds = 0;
  std::uint32_t at = 0, micros = 500000;
  for (const auto& [change, value] : tempos) {
    if (change >= tick) break;
    seconds += double(change - at) * micros / file.division / 1e6;
    at = change;
    micros = value;
  }
  return seconds + double(tick - at) * micros / file.division / 1e6;
}

std::uint32_t SmfEndTick(const SmfFile& file) {
  std::uint32_t end = 0;
  for (const SmfTrack& track : file.tracks) end = std::max(end, track.events.back().tick);
  return end;
}

}  // namespace testing_support
