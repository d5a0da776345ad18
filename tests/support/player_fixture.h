// The player's main window on a headless application, started as the program entry starts it, with
// helpers that act as the user does: every action runs as the message loop runs an event, so an
// error that escapes a handler lands in the standard error box.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "base/random.h"
#include "player/form_player.h"
#include "support/headless_app.h"

namespace testing_support {

// Replays the numbers it is given, in order, then repeats the last (0 when given none).
class SequenceRandom final : public base::RandomSource {
 public:
  void Give(std::initializer_list<std::uint32_t> numbers) { numbers_.insert(numbers_.end(), numbers); }
  std::uint32_t Next31() override;

 private:
  std::deque<std::uint32_t> numbers_;
  std::uint32_t last_ = 0;
};

class PlayerFixture : public ::testing::Test {
 protected:
  HeadlessApp env;
  SequenceRandom random;
  std::unique_ptr<player::TFormPlayer> form;
  // The refresh timer's worker runs on a real thread, started when the window is created. Unless a test
  // asks for its real pace, Create slows it down before that, so that no tick lands where the test did
  // not put one (tests call ThreadedTimerTimer).
  bool realTicks = false;
  std::uint16_t designTimerInterval = 0;
  // Unless a test asks for the first run, Create stores the window's state as the options of an earlier
  // run when the test has stored none, so that start-up reads them back and looks at the command line.
  bool firstRun = false;

  // Reads the hide option, names the application and makes the main window with the command-line
  // words, not yet created.
  player::TFormPlayer& Construct(std::vector<std::string> words = {});
  // Creates the window (FormCreate runs) and makes it invisible again, as the program entry does,
  // then shows it as the message loop does when it starts. The registry log starts empty.
  void Create();
  player::TFormPlayer& Start(std::vector<std::string> words = {}) {
    Construct(std::move(words));
    Create();
    return *form;
  }

  void AddMediaFile(const std::string& path, std::uint32_t lengthMs) { env.media.AddFile(path, lengthMs); }
  // Adds files to the play list one by one, as the editing commands do: the first entry of an empty
  // list becomes current, and a second one switches on the stepping commands.
  void AddEntries(const std::vector<std::string>& paths);

  void Click(ui::TControl& control);
  void Choose(ui::TMenuItem& item);
  // Clicks the entry (selecting it), then double-clicks it.
  void DoubleClickEntry(int index);
  // Lets the virtual clock run: plays reach their end, notifications arrive.
  void Wait(std::uint64_t ms) { env.loop.Advance(ms); }

  // The message boxes shown so far.
  const std::vector<ui::HeadlessBackend::Box>& Boxes() const { return env.backend.Boxes(); }
  // What the media device was asked since the last call.
  std::vector<std::string> TakeMediaLog();

  // The enabled states of Play, Pause and Stop, as "PPS" with '-' for a disabled button.
  std::string Transport() const;
};

}  // namespace testing_support
