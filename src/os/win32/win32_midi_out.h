// MIDI output through winmm: midiOutOpen on the MIDI mapper, midiOutShortMsg, midiOutClose.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include "os/midi_out.h"

namespace os {

class Win32MidiOut final : public MidiOut {
 public:
  Win32MidiOut() = default;
  Win32MidiOut(const Win32MidiOut&) = delete;
  Win32MidiOut& operator=(const Win32MidiOut&) = delete;
  // An output left open is closed.
  ~Win32MidiOut() override;

  unsigned Open() override;
  bool IsOpen() const override { return handle_ != nullptr; }
  unsigned ShortMessage(std::uint32_t message) override;
  unsigned Close() override;
  std::string ErrorText(unsigned code) const override;

 private:
  HMIDIOUT handle_ = nullptr;
};

}  // namespace os
