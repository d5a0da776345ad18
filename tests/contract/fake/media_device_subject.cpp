#include "media_device_subject.h"

#include "os/fake/fake_media_device.h"
#include "os/fake/fake_message_loop.h"

namespace contract {
namespace {

class FakeSubject final : public MediaDeviceSubject {
 public:
  std::unique_ptr<os::MediaDevice> NewDevice() override {
    return std::make_unique<os::FakeMediaDevice>(library_, loop_);
  }
  os::MessageLoop& Loop() override { return loop_; }

  std::string WriteWav(const std::string& name, unsigned lengthMs) override {
    library_.AddFile(kFolder + name, lengthMs);
    return kFolder + name;
  }

  // Like the machines the Win32 side runs on: no MIDI output device.
  std::string WriteMidi(const std::string& name, unsigned lengthMs) override {
    library_.AddFile(kFolder + name, lengthMs, false);
    return kFolder + name;
  }

  std::string MissingPath(const std::string& name) override {
    library_.RemoveFile(kFolder + name);
    return kFolder + name;
  }

  bool MidiOutputPresent() override { return false; }
  bool RunsOnWine() override { return false; }

  void Pump() override { loop_.ProcessPending(); }

  bool PassTimeUntil(const std::function<bool()>& done, unsigned timeoutMs) override {
    for (unsigned passed = 0;; passed += kStepMs) {
      loop_.ProcessPending();
      if (done()) return true;
      if (passed >= timeoutMs) return false;
      loop_.Advance(kStepMs);
    }
  }

 private:
  static constexpr unsigned kStepMs = 10;
  inline static const std::string kFolder = "C:\\Media\\";
  os::FakeMessageLoop loop_;
  os::FakeMediaLibrary library_;
};

}  // namespace

std::unique_ptr<MediaDeviceSubject> MakeMediaDeviceSubject() { return std::make_unique<FakeSubject>(); }

}  // namespace contract
