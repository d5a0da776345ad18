#include "tools/score.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string_view>

namespace tools {

ScoreError::ScoreError(int line, const std::string& message)
    : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}

namespace {

struct Word {
  std::string text;
  int line = 0;
};
using Words = std::vector<Word>;

struct Header {
  std::string title;
  int format = 1;
  int division = 480;
  int beats = 4, beatUnit = 4;
  int tempo = 120;  // quarter notes a minute
};

struct PartSource {
  std::string name;
  int line = 0;
  int channel = 0;  // 1 to 16; 0 for a part of system-exclusive messages, tempos and rests only
  int program = 0;  // 1 to 128 as instruments are numbered in General MIDI; 0 for none
  std::vector<std::pair<int, int>> controllers;  // controller number and value, set at the start
  Words music;
};

// At the same tick, meta events come first, then notes that end, then settings, then notes that begin:
// a note repeated at once ends before it sounds again, and an instrument is chosen before it plays.
enum Rank { kMeta, kNoteOff, kSetting, kNoteOn };

struct Timed {
  std::uint32_t tick = 0;
  Rank rank = kMeta;
  Bytes bytes;
};

constexpr int kMaxMacroDepth = 16;
constexpr std::uint8_t kNoteOffVelocity = 64;

// General MIDI's percussion keys on channel 10, by short names.
const std::map<std::string, int, std::less<>>& DrumKeys() {
  static const std::map<std::string, int, std::less<>> keys = {
      {"kick2", 35},        {"kick", 36},         {"stick", 37},        {"snare", 38},        {"clap", 39},
      {"snare2", 40},       {"lowfloortom", 41},  {"hat", 42},          {"highfloortom", 43}, {"pedalhat", 44},
      {"lowtom", 45},       {"openhat", 46},      {"lowmidtom", 47},    {"himidtom", 48},     {"crash", 49},
      {"hightom", 50},      {"ride", 51},         {"china", 52},        {"ridebell", 53},     {"tambourine", 54},
      {"splash", 55},       {"cowbell", 56},      {"crash2", 57},       {"vibraslap", 58},    {"ride2", 59},
      {"hibongo", 60},      {"lowbongo", 61},     {"mutehiconga", 62},  {"openhiconga", 63},  {"lowconga", 64},
      {"hitimbale", 65},    {"lowtimbale", 66},   {"hiagogo", 67},      {"lowagogo", 68},     {"cabasa", 69},
      {"maracas", 70},      {"shortwhistle", 71}, {"longwhistle", 72},  {"shortguiro", 73},   {"longguiro", 74},
      {"claves", 75},       {"hiwoodblock", 76},  {"lowwoodblock", 77}, {"mutecuica", 78},    {"opencuica", 79},
      {"mutetriangle", 80}, {"opentriangle", 81},
  };
  return keys;
}

int Number(std::string_view text, int line, int low, int high, const std::string& what) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
    throw ScoreError(line, what + " must be a number from " + std::to_string(low) + " to " + std::to_string(high) +
                               ", not '" + std::string(text) + "'");
  return value;
}

Words SplitWords(const std::string& line, int lineNumber) {
  Words words;
  std::istringstream in(line);
  std::string text;
  while (in >> text) {
    if (text[0] == '#') break;  // the rest of the line is a comment
    words.push_back({text, lineNumber});
  }
  return words;
}

std::string Joined(const Words& words, std::size_t from) {
  std::string text;
  for (std::size_t i = from; i < words.size(); ++i) text += (i > from ? " " : "") + words[i].text;
  return text;
}

// "c4" is middle C (60); sharps '#' and flats 'b' follow the letter; the octave runs from -1 to 9.
std::optional<int> PitchOf(std::string_view text) {
  static constexpr int kSemitones[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
  if (text.empty() || text[0] < 'a' || text[0] > 'g') return std::nullopt;
  int pitch = kSemitones[text[0] - 'a'];
  std::size_t i = 1;
  for (; i < text.size() && (text[i] == '#' || text[i] == 'b'); ++i) pitch += text[i] == '#' ? 1 : -1;
  const std::string_view octave = text.substr(i);
  if (octave == "-1") return pitch;
  if (octave.size() != 1 || octave[0] < '0' || octave[0] > '9') return std::nullopt;
  return pitch + 12 * (octave[0] - '0' + 1);
}

Bytes MetaText(std::uint8_t type, const std::string& text) {
  Bytes bytes(2 + text.size());
  bytes[0] = 0xFF;
  bytes[1] = type;
  std::copy(text.begin(), text.end(), bytes.begin() + 2);
  return bytes;
}

Bytes TempoEvent(int quartersPerMinute) {
  const auto micros = static_cast<std::uint32_t>(std::lround(60'000'000.0 / quartersPerMinute));
  return {0xFF, 0x51, static_cast<std::uint8_t>(micros >> 16), static_cast<std::uint8_t>(micros >> 8),
          static_cast<std::uint8_t>(micros)};
}

Bytes TimeSignatureEvent(int beats, int beatUnit) {
  std::uint8_t power = 0;
  while ((1 << power) < beatUnit) ++power;
  // MIDI clocks (24 a quarter) between metronome clicks: a dotted quarter in compound time such as 6/8.
  const bool compound = beatUnit == 8 && beats % 3 == 0 && beats > 3;
  const auto clocks = static_cast<std::uint8_t>(compound ? 36 : 96 / beatUnit);
  return {0xFF, 0x58, static_cast<std::uint8_t>(beats), power, clocks, 8};
}

// Reads the lines into the header, the macros and the parts' words; nothing is played yet.
class ScoreText {
 public:
  explicit ScoreText(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) ReadLine(line, n);
    if (macro_) throw ScoreError(openLine_, "define '" + *macro_ + "' has no end");
    if (inPart_) throw ScoreError(openLine_, "part '" + parts.back().name + "' has no end");
    if (parts.empty()) throw ScoreError(1, "the score has no part");
  }

  Header header;
  std::map<std::string, Words, std::less<>> macros;
  std::vector<PartSource> parts;

 private:
  void ReadLine(const std::string& line, int n) {
    const Words words = SplitWords(line, n);
    if (words.empty()) return;
    const std::string& first = words[0].text;
    if (macro_ || inPart_) {
      if (first == "end") {
        if (words.size() > 1) throw ScoreError(n, "nothing may follow 'end'");
        macro_.reset();
        inPart_ = false;
      } else if (first == "part" || first == "define") {
        throw ScoreError(n, "'end' missing before this " + first);
      } else if (first == "sysex") {
        // One word for the whole message, so that macros carry it like any other.
        Body().push_back({"sysex " + Joined(words, 1), n});
      } else {
        Body().insert(Body().end(), words.begin(), words.end());
      }
      return;
    }
    if (first == "part") {
      ReadPart(words, n);
    } else if (first == "define") {
      if (words.size() != 2) throw ScoreError(n, "define takes one name");
      if (macros.count(words[1].text)) throw ScoreError(n, "'" + words[1].text + "' is defined twice");
      macro_ = words[1].text;
      macros[*macro_];
      openLine_ = n;
    } else if (first == "title") {
      header.title = Joined(words, 1);
    } else if (first == "format") {
      header.format = Number(Argument(words), n, 0, 1, "format");
    } else if (first == "division") {
      header.division = Number(Argument(words), n, 1, 0x7FFF, "division");
    } else if (first == "tempo") {
      header.tempo = Number(Argument(words), n, 20, 300, "tempo");
    } else if (first == "time") {
      const std::string& time = Argument(words);
      const std::size_t slash = time.find('/');
      if (slash == std::string::npos) throw ScoreError(n, "time is written as beats/unit, such as 6/8");
      header.beats = Number(std::string_view(time).substr(0, slash), n, 1, 32, "beats a bar");
      header.beatUnit = Number(std::string_view(time).substr(slash + 1), n, 1, 64, "beat unit");
      if (header.beatUnit & (header.beatUnit - 1)) throw ScoreError(n, "the beat unit must be a power of two");
    } else {
      throw ScoreError(n, "unknown word '" + first + "' outside a part");
    }
  }

  static const std::string& Argument(const Words& words) {
    if (words.size() != 2) throw ScoreError(words[0].line, words[0].text + " takes one value");
    return words[1].text;
  }

  void ReadPart(const Words& words, int n) {
    if (words.size() < 2) throw ScoreError(n, "a part needs a name");
    PartSource part;
    part.name = words[1].text;
    part.line = n;
    static const std::map<std::string, int, std::less<>> kControllers = {
        {"volume", 7}, {"pan", 10}, {"expression", 11}, {"reverb", 91}, {"chorus", 93}};
    for (std::size_t i = 2; i < words.size(); ++i) {
      const std::string& setting = words[i].text;
      const std::size_t equals = setting.find('=');
      const std::string key = setting.substr(0, equals);
      const std::string_view value = equals == std::string::npos ? "" : std::string_view(setting).substr(equals + 1);
      if (key == "channel") {
        part.channel = Number(value, n, 1, 16, "channel");
      } else if (key == "program") {
        part.program = Number(value, n, 1, 128, "program");
      } else if (const auto c = kControllers.find(key); c != kControllers.end()) {
        part.controllers.emplace_back(c->second, Number(value, n, 0, 127, key));
      } else {
        throw ScoreError(n, "unknown part setting '" + setting + "'");
      }
    }
    if (part.program && !part.channel) throw ScoreError(n, "a program needs a channel");
    if (!part.controllers.empty() && !part.channel) throw ScoreError(n, "controllers need a channel");
    parts.push_back(std::move(part));
    inPart_ = true;
    openLine_ = n;
  }

  Words& Body() { return macro_ ? macros[*macro_] : parts.back().music; }

  std::optional<std::string> macro_;
  bool inPart_ = false;
  int openLine_ = 0;
};

// Plays one part's words: keeps its position, duration, loudness and tied notes, and collects its events.
class PartPlayer {
 public:
  PartPlayer(const ScoreText& score, const PartSource& part, std::vector<Timed>& conductor)
      : score_(score),
        part_(part),
        conductor_(conductor),
        duration_(static_cast<std::uint32_t>(score.header.division)) {
    const auto bar = std::uint64_t{4} * score.header.division * score.header.beats;
    if (bar % score.header.beatUnit) throw ScoreError(part.line, "a bar is not a whole number of ticks");
    barTicks_ = static_cast<std::uint32_t>(bar / score.header.beatUnit);
    const std::uint8_t status = Channel();
    if (part.program) Add(0, kSetting, {static_cast<std::uint8_t>(0xC0 | status), Byte(part.program - 1)});
    for (const auto& [controller, value] : part.controllers)
      Add(0, kSetting, {static_cast<std::uint8_t>(0xB0 | status), Byte(controller), Byte(value)});
  }

  void Play() {
    Play(part_.music, 0, 0);
    if (!tied_.empty()) throw ScoreError(tieLine_, "the part ends inside a tie");
  }

  std::vector<Timed> events;
  std::uint32_t Now() const { return now_; }

 private:
  static std::uint8_t Byte(int value) { return static_cast<std::uint8_t>(value); }
  std::uint8_t Channel() const { return static_cast<std::uint8_t>(part_.channel ? part_.channel - 1 : 0); }

  void Add(std::uint32_t tick, Rank rank, Bytes bytes) { events.push_back({tick, rank, std::move(bytes)}); }

  void NeedChannel(const Word& word) const {
    if (!part_.channel) throw ScoreError(word.line, "'" + word.text + "' needs a part with a channel");
  }

  void Play(const Words& words, int transpose, int depth) {
    for (const Word& word : words) PlayWord(word, transpose, depth);
  }

  void PlayWord(const Word& word, int transpose, int depth) {
    const std::string& text = word.text;
    if (text == "|") {
      if (now_ % barTicks_)
        throw ScoreError(word.line, "bar line " + std::to_string(now_ % barTicks_) + " ticks into a bar of " +
                                        std::to_string(barTicks_));
    } else if (text[0] == '@') {
      PlayMacro(word, transpose, depth);
    } else if (text.rfind("sysex ", 0) == 0) {
      Add(now_, kSetting, SystemExclusive(word));
    } else if (const std::size_t equals = text.find('='); equals != std::string::npos) {
      Setting(word, text.substr(0, equals), std::string_view(text).substr(equals + 1));
    } else if (text[0] == 'v') {
      velocity_ = Number(std::string_view(text).substr(1), word.line, 1, 127, "velocity");
    } else {
      PlayNotes(word, transpose);
    }
  }

  void PlayMacro(const Word& word, int transpose, int depth) {
    const std::string_view text = std::string_view(word.text).substr(1);
    const std::size_t nameEnd = std::min(text.find_first_of("+-*"), text.size());
    const std::string_view name = text.substr(0, nameEnd);
    const auto macro = score_.macros.find(name);
    if (macro == score_.macros.end()) throw ScoreError(word.line, "no define named '" + std::string(name) + "'");
    if (depth >= kMaxMacroDepth) throw ScoreError(word.line, "'" + std::string(name) + "' calls itself");
    std::string_view rest = text.substr(nameEnd);
    int shift = 0, times = 1;
    if (!rest.empty() && rest[0] != '*') {
      const std::size_t star = std::min(rest.find('*'), rest.size());
      shift = Number(rest.substr(1, star - 1), word.line, 0, 127, "transposition") * (rest[0] == '-' ? -1 : 1);
      rest = rest.substr(star);
    }
    if (!rest.empty()) times = Number(rest.substr(1), word.line, 1, 999, "repeat count");
    for (int i = 0; i < times; ++i) Play(macro->second, transpose + shift, depth + 1);
  }

  Bytes SystemExclusive(const Word& word) const {
    std::istringstream in(word.text.substr(6));
    Bytes bytes;
    std::string hex;
    while (in >> hex) {
      unsigned value = 0;
      const auto [stop, error] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
      if (hex.size() != 2 || error != std::errc() || stop != hex.data() + hex.size())
        throw ScoreError(word.line, "'" + hex + "' is not a byte in two hexadecimal digits");
      bytes.push_back(static_cast<std::uint8_t>(value));
    }
    const bool framed = bytes.size() >= 2 && bytes.front() == 0xF0 && bytes.back() == 0xF7;
    if (!framed || std::any_of(bytes.begin() + 1, bytes.end() - 1, [](std::uint8_t b) { return b > 0x7F; }))
      throw ScoreError(word.line, "a system-exclusive message runs from F0 to F7 with data bytes below 80");
    return bytes;
  }

  void Setting(const Word& word, const std::string& key, std::string_view value) {
    if (key == "bar") {
      // A rehearsal mark: the part must have reached the start of that bar.
      const int bar = Number(value, word.line, 1, 9999, "bar number");
      if (now_ != static_cast<std::uint64_t>(bar - 1) * barTicks_)
        throw ScoreError(word.line, "'" + word.text + "' comes after " + std::to_string(now_ / barTicks_) +
                                        " bars and " + std::to_string(now_ % barTicks_) + " ticks");
    } else if (key == "tempo") {
      conductor_.push_back({now_, kMeta, TempoEvent(Number(value, word.line, 20, 300, "tempo"))});
    } else if (key == "program") {
      NeedChannel(word);
      Add(now_, kSetting,
          {static_cast<std::uint8_t>(0xC0 | Channel()), Byte(Number(value, word.line, 1, 128, key) - 1)});
    } else if (key.rfind("cc", 0) == 0) {
      NeedChannel(word);
      const int controller = Number(std::string_view(key).substr(2), word.line, 0, 119, "controller");
      Add(now_, kSetting,
          {static_cast<std::uint8_t>(0xB0 | Channel()), Byte(controller), Byte(Number(value, word.line, 0, 127, key))});
    } else {
      throw ScoreError(word.line, "unknown setting '" + key + "'");
    }
  }

  std::uint32_t Duration(std::string_view text, int line) const {
    std::string_view digits = text;
    char kind = 0;
    if (!text.empty() && (text.back() == '.' || text.back() == 't')) {
      kind = text.back();
      digits.remove_suffix(1);
    }
    const int fraction = Number(digits, line, 1, 64, "duration");
    if (fraction & (fraction - 1)) throw ScoreError(line, "a duration is 1, 2, 4, 8, 16, 32 or 64");
    const std::uint32_t whole = 4u * static_cast<std::uint32_t>(score_.header.division);
    std::uint32_t ticks = whole / static_cast<std::uint32_t>(fraction);
    bool exact = whole % static_cast<std::uint32_t>(fraction) == 0;
    if (kind == '.') {
      exact = exact && ticks % 2 == 0;
      ticks = ticks * 3 / 2;
    } else if (kind == 't') {
      exact = exact && ticks % 3 == 0;
      ticks = ticks * 2 / 3;
    }
    if (!exact) throw ScoreError(line, "':" + std::string(text) + "' is not a whole number of ticks");
    return ticks;
  }

  void PlayNotes(const Word& word, int transpose) {
    std::string_view text = word.text;
    const bool tie = text.back() == '~';
    if (tie) text.remove_suffix(1);
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) duration_ = Duration(text.substr(colon + 1), word.line);
    const std::string_view notes = text.substr(0, colon);

    if (notes == "r") {
      if (tie) throw ScoreError(word.line, "a rest cannot be tied");
      if (!tied_.empty()) throw ScoreError(word.line, "a tie leads to a rest");
      now_ += duration_;
      return;
    }
    NeedChannel(word);
    std::set<int> pitches;
    for (std::size_t from = 0; from <= notes.size();) {
      const std::size_t plus = std::min(notes.find('+', from), notes.size());
      const std::string_view name = notes.substr(from, plus - from);
      int pitch = 0;
      if (const auto drum = DrumKeys().find(name); drum != DrumKeys().end()) {
        pitch = drum->second;
      } else if (const auto named = PitchOf(name)) {
        pitch = *named + transpose;
      } else {
        throw ScoreError(word.line, "unknown note '" + std::string(name) + "'");
      }
      if (pitch < 0 || pitch > 127)
        throw ScoreError(word.line, "'" + std::string(name) + "' lies outside MIDI's notes");
      if (!pitches.insert(pitch).second) throw ScoreError(word.line, "'" + std::string(name) + "' twice in a chord");
      from = plus + 1;
    }
    // A tied note goes on sounding: only the notes that were not held begin now.
    for (int held : tied_)
      if (!pitches.count(held)) throw ScoreError(word.line, "a tie leads to other notes");
    const std::uint8_t channel = Channel();
    for (int pitch : pitches)
      if (!tied_.count(pitch))
        Add(now_, kNoteOn, {static_cast<std::uint8_t>(0x90 | channel), Byte(pitch), Byte(velocity_)});
    now_ += duration_;
    tied_.clear();
    if (tie) {
      tied_ = pitches;
      tieLine_ = word.line;
      return;
    }
    for (int pitch : pitches)
      Add(now_, kNoteOff, {static_cast<std::uint8_t>(0x80 | channel), Byte(pitch), kNoteOffVelocity});
  }

  const ScoreText& score_;
  const PartSource& part_;
  std::vector<Timed>& conductor_;
  std::uint32_t barTicks_ = 0;
  std::uint32_t now_ = 0;
  std::uint32_t duration_;
  int velocity_ = 80;
  std::set<int> tied_;
  int tieLine_ = 0;
};

Track TrackOf(std::vector<Timed> events, std::uint32_t endTick) {
  std::stable_sort(events.begin(), events.end(),
                   [](const Timed& a, const Timed& b) { return a.tick != b.tick ? a.tick < b.tick : a.rank < b.rank; });
  Track track;
  track.endTick = endTick;
  for (Timed& event : events) track.events.push_back({event.tick, std::move(event.bytes)});
  return track;
}

}  // namespace

Song ReadScore(const std::string& text) {
  const ScoreText score(text);
  const Header& header = score.header;

  std::vector<Timed> conductor;
  if (!header.title.empty()) conductor.push_back({0, kMeta, MetaText(0x03, header.title)});
  conductor.push_back({0, kMeta, TimeSignatureEvent(header.beats, header.beatUnit)});
  conductor.push_back({0, kMeta, TempoEvent(header.tempo)});

  std::vector<std::vector<Timed>> parts;
  std::uint32_t end = 0;
  for (const PartSource& source : score.parts) {
    PartPlayer player(score, source, conductor);
    player.Play();
    // The song lasts until the last part has played its last note or rest.
    end = std::max(end, player.Now());
    if (header.format == 1) player.events.insert(player.events.begin(), {0, kMeta, MetaText(0x03, source.name)});
    parts.push_back(std::move(player.events));
  }

  Song song;
  song.format = header.format;
  song.division = static_cast<std::uint16_t>(header.division);
  if (header.format == 0) {
    for (std::vector<Timed>& part : parts) conductor.insert(conductor.end(), part.begin(), part.end());
    song.tracks.push_back(TrackOf(std::move(conductor), end));
  } else {
    song.tracks.push_back(TrackOf(std::move(conductor), end));
    for (std::vector<Timed>& part : parts) song.tracks.push_back(TrackOf(std::move(part), end));
  }
  return song;
}

}  // namespace tools
