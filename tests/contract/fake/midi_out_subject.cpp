#include "midi_out_subject.h"

#include "os/fake/fake_midi_out.h"

namespace contract {
namespace {

class FakeSubject final : public MidiOutSubject {
 public:
  os::MidiOut& Output() override { return output_; }
  bool PortPresent() override { return output_.openFailure == 0; }
  // As Wine answers without a MIDI port.
  bool MakeOpenFail() override {
    output_.openFailure = os::midierr::InvalidSetup;
    return true;
  }

 private:
  os::FakeMidiOut output_;
};

}  // namespace

std::unique_ptr<MidiOutSubject> MakeMidiOutSubject() { return std::make_unique<FakeSubject>(); }

}  // namespace contract
