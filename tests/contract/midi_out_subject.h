// The MIDI output under test, and what the machine behind it has.
#pragma once

#include <memory>

#include "os/midi_out.h"

namespace contract {

class MidiOutSubject {
 public:
  virtual ~MidiOutSubject() = default;
  virtual os::MidiOut& Output() = 0;
  // Whether the MIDI mapper has a port to open.
  virtual bool PortPresent() = 0;
  // Makes opening fail as it does without a port; false where that cannot be brought about (a port is
  // present).
  virtual bool MakeOpenFail() = 0;
};

std::unique_ptr<MidiOutSubject> MakeMidiOutSubject();

}  // namespace contract
