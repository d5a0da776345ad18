// What the player's command line asks for at start-up.
#pragma once

#include <string>
#include <vector>

namespace player {

struct StartCommand {
  enum class Kind { None, MediaFile, ListFile };
  Kind kind = Kind::None;
  // The file argument: every word that is no switch, joined with single blanks.
  std::string file;
  bool play = false;   // "/play"
  bool close = false;  // "/close"
};

// Switches begin with "/" and match ignoring case; unknown ones are dropped. The file argument's
// extension, ignoring case, decides the kind: a media file, a play list file, or nothing usable.
StartCommand ParseStartCommand(const std::vector<std::string>& words);

}  // namespace player
