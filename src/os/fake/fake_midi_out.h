// MIDI output in memory: what the program asked, in order, and failures on request, with the system's
// codes and texts.
#pragma once

#include <string>
#include <vector>

#include "os/midi_out.h"

namespace os {

class FakeMidiOut final : public MidiOut {
 public:
  unsigned Open() override;
  bool IsOpen() const override { return open_; }
  unsigned ShortMessage(std::uint32_t message) override;
  unsigned Close() override;
  std::string ErrorText(unsigned code) const override;

  // Opening fails with this code while it is not 0, as it does without a MIDI port or while another
  // program holds the port.
  unsigned openFailure = 0;
  // Closing fails with this code while it is not 0; the output then stays open.
  unsigned closeFailure = 0;

  // One line an operation that reached the output: "Open", "Message 0x78B0" (in hexadecimal, upper case,
  // at least four digits), "Close"; a refused one as "Open failed <code>", "Close failed <code>".
  // Calls refused because no output is open, and a close with nothing open, are not recorded.
  const std::vector<std::string>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }

 private:
  bool open_ = false;
  std::vector<std::string> log_;
};

}  // namespace os
