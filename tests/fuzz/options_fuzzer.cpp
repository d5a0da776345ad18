// The options read at start-up: the input changes the stored options of an earlier run, one line a
// value as "Name=dword:N", "Name=sz:text", "Name=expand:text", "Name=hex:bytes" or "Name=-" (deleted);
// other lines are ignored. The player starts, skips forward and back, waits for its files to end and
// exits, storing the options again. Any value may be refused with its error box; none may crash the
// player or bring up an error the player does not mean to show.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "player/shell/player_keys.h"
#include "started_player.h"

namespace {

void StoreLine(os::FakeRegistry& registry, std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return;
  const std::string name(line.substr(0, equals));
  const std::string_view rest = line.substr(equals + 1);
  const std::size_t colon = rest.find(':');
  const std::string_view type = rest.substr(0, colon);
  const std::string value(colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1));
  if (rest == "-") {
    registry.DeleteValue(player::kOptionsKey, name);
  } else if (type == "dword") {
    const auto number = static_cast<std::uint32_t>(std::strtoull(value.c_str(), nullptr, 0));
    registry.WriteInteger(player::kOptionsKey, name, number);
  } else if (type == "sz") {
    registry.WriteString(player::kOptionsKey, name, value);
  } else if (type == "expand") {
    registry.WriteExpandString(player::kOptionsKey, name, value);
  } else if (type == "hex") {
    registry.WriteBinary(player::kOptionsKey, name, value);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  fuzzing::StartedPlayer player;
  while (!input.empty()) {
    const std::size_t end = input.find('\n');
    std::string_view line = input.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    StoreLine(player.env.registry, line);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
  }
  player.Start();
  player.Click(player.form->SpdBtnStep);
  player.Click(player.form->SpdBtnBack);
  player.env.loop.Advance(200000);
  player.Exit();
  player.ExpectOnlyKnownBoxes();
  return 0;
}
