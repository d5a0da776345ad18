// The player on the headless application with the fake services, started as the program entry starts
// it, for one fuzz input: the input's files, options and command line are set up before Start.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "base/random.h"
#include "player/form_player.h"
#include "support/headless_app.h"

namespace fuzzing {

// The same sequence on every run, whatever the start seeds it with: a finding must replay.
class FixedRandom final : public base::RandomSource {
 public:
  std::uint32_t Next31() override { return static_cast<std::uint32_t>(engine_()) & 0x7FFFFFFFu; }

 private:
  std::minstd_rand engine_;
};

// Where the player is installed (its History.ini) and the list and media files every start can reach.
inline constexpr const char* kProgramFolder = "C:\\MIDITunora";
inline constexpr const char* kListFile = "C:\\Lists\\Evening.mpl";

class StartedPlayer {
 public:
  // Installed with its reset files, one list of three media files, and the options of an earlier run
  // (the design's state) unless firstRun.
  explicit StartedPlayer(bool firstRun = false);
  StartedPlayer(const StartedPlayer&) = delete;
  StartedPlayer& operator=(const StartedPlayer&) = delete;

  // Constructs the main window with the command-line words and creates it, then lets the clock run
  // long enough for the first file to end.
  void Start(std::vector<std::string> words = {});
  // Clicks the control or chooses the item, as the message loop runs an event, when the user can: it
  // is enabled.
  void Click(ui::TControl& control);
  void Choose(ui::TMenuItem& item);
  // Ends the program as File > Exit does: the options and the history are stored.
  void Exit();

  // Stops the process when a message box shows a text the player does not mean to show: an error
  // nobody meant to report (an out-of-range index, a bad conversion) surfaces in the standard error box
  // like the others, and the fuzzer must keep it as a finding.
  void ExpectOnlyKnownBoxes() const;

  testing_support::HeadlessApp env;
  FixedRandom random;
  std::unique_ptr<player::TFormPlayer> form;
};

}  // namespace fuzzing
