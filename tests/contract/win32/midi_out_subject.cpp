#include "midi_out_subject.h"

#include "os/win32/win32_midi_out.h"

namespace contract {
namespace {

class Win32Subject final : public MidiOutSubject {
 public:
  os::MidiOut& Output() override { return output_; }
  bool PortPresent() override { return midiOutGetNumDevs() > 0; }
  // Without a port every open fails already.
  bool MakeOpenFail() override { return !PortPresent(); }

 private:
  os::Win32MidiOut output_;
};

}  // namespace

std::unique_ptr<MidiOutSubject> MakeMidiOutSubject() { return std::make_unique<Win32Subject>(); }

}  // namespace contract
