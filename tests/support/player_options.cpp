#include "support/player_options.h"

#include <algorithm>

#include "player/shell/player_keys.h"

namespace testing_support {

namespace {

// Where the two optional values stand among the others.
const char* const kReadOrder[] = {
    "Top",        "Left",        "PlayList",    "FileBox",      "TrackBar",      "Menu",   "Counter",
    "Hide",       "TimeCount",   "StayOnTop",   "AutoPlay",     "LoopPlay",      "RepeatPlay",
    "RandomPlay", "ShufflePlay", "GM",          "GS",           "XG",            "AutoLoad",
    "AutoLoadList", "ListDirectory", "OpExit",  "LastOne",      "MIDIDirectory", "SKIP",   "WAIT",
};

int Rank(const std::string& name) {
  const auto* found = std::find(std::begin(kReadOrder), std::end(kReadOrder), name);
  return static_cast<int>(found - std::begin(kReadOrder));
}

}  // namespace

StoredOptions::StoredOptions()
    : options_{{"Top", 0u},         {"Left", 0u},        {"PlayList", 1u},    {"FileBox", 1u},
               {"TrackBar", 1u},    {"Menu", 1u},        {"Counter", 1u},     {"Hide", 0u},
               {"TimeCount", 0u},   {"StayOnTop", 0u},   {"AutoPlay", 1u},    {"LoopPlay", 1u},
               {"RepeatPlay", 0u},  {"RandomPlay", 0u},  {"ShufflePlay", 0u}, {"GM", 1u},
               {"GS", 0u},          {"XG", 0u},          {"AutoLoad", 1u},    {"OpExit", 1u},
               {"LastOne", 0u},     {"MIDIDirectory", std::string("C:\\")}, {"SKIP", 5u},
               {"WAIT", 0u}} {}

StoredOptions& StoredOptions::Set(const std::string& name, Value value) {
  auto found = std::find_if(options_.begin(), options_.end(), [&](const Option& o) { return o.name == name; });
  if (found != options_.end()) {
    found->value = std::move(value);
    return *this;
  }
  auto place =
      std::find_if(options_.begin(), options_.end(), [&](const Option& o) { return Rank(o.name) > Rank(name); });
  options_.insert(place, {name, std::move(value)});
  return *this;
}

StoredOptions& StoredOptions::Remove(const std::string& name) {
  std::erase_if(options_, [&](const Option& o) { return o.name == name; });
  return *this;
}

void StoredOptions::Store(os::FakeRegistry& registry) const {
  registry.CreateKey(player::kOptionsKey);
  for (const Option& option : options_) {
    if (const auto* number = std::get_if<std::uint32_t>(&option.value)) {
      registry.WriteInteger(player::kOptionsKey, option.name, *number);
    } else {
      registry.WriteString(player::kOptionsKey, option.name, std::get<std::string>(option.value));
    }
  }
}

}  // namespace testing_support
