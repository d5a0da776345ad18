// MIDI output through the system's MIDI mapper: opened, given short messages, closed. One output at a
// time. Every call that can fail returns the system's error code (MMSYSERR_*, MIDIERR_*), 0 on success.
#pragma once

#include <cstdint>
#include <string>

namespace os {

// The system's MIDI output error codes the programs meet.
namespace midierr {
constexpr unsigned Allocated = 4;       // MMSYSERR_ALLOCATED: the output is already open
constexpr unsigned InvalidHandle = 5;   // MMSYSERR_INVALHANDLE: no output is open
constexpr unsigned StillPlaying = 65;   // MIDIERR_STILLPLAYING: buffers still queued at close
constexpr unsigned NoDevice = 68;       // MIDIERR_NODEVICE: the mapper's port is not installed
constexpr unsigned InvalidSetup = 69;   // MIDIERR_INVALIDSETUP: the mapper has no port at all
}  // namespace midierr

class MidiOut {
 public:
  virtual ~MidiOut() = default;

  // Opens the MIDI mapper for output, without callback. An output already open stays open and the
  // call fails with Allocated.
  virtual unsigned Open() = 0;
  virtual bool IsOpen() const = 0;
  // One short message, packed as the system packs it: the status byte in the low byte, the first data
  // byte in the next, the second above it. InvalidHandle when no output is open.
  virtual unsigned ShortMessage(std::uint32_t message) = 0;
  // Closes the open output. With none open there is nothing to close: nothing happens and 0 is returned.
  virtual unsigned Close() = 0;

  // The system's text for an error code; "Unknown error code" when it has none.
  virtual std::string ErrorText(unsigned code) const = 0;
};

}  // namespace os
