#include "media_device_subject.h"

#include <windows.h>
#include <mmsystem.h>

#include "os/win32/win32_media_device.h"
#include "os/win32/win32_message_loop.h"
#include "support/media_files.h"

namespace contract {
namespace {

class Win32Subject final : public MediaDeviceSubject {
 public:
  Win32Subject() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "tunora_media_contract\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
  }

  std::unique_ptr<os::MediaDevice> NewDevice() override { return std::make_unique<os::Win32MediaDevice>(loop_); }
  os::MessageLoop& Loop() override { return loop_; }

  std::string WriteWav(const std::string& name, unsigned lengthMs) override {
    testing_support::WriteBytes(folder_ + name, testing_support::WavFile(lengthMs));
    return folder_ + name;
  }

  std::string WriteMidi(const std::string& name, unsigned lengthMs) override {
    testing_support::WriteBytes(folder_ + name, testing_support::MidiFile(lengthMs));
    return folder_ + name;
  }

  std::string MissingPath(const std::string& name) override {
    DeleteFileA((folder_ + name).c_str());
    return folder_ + name;
  }

  bool MidiOutputPresent() override { return midiOutGetNumDevs() > 0; }

  bool RunsOnWine() override {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
  }

  void Pump() override {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }

  bool PassTimeUntil(const std::function<bool()>& done, unsigned timeoutMs) override {
    const DWORD start = GetTickCount();
    for (;;) {
      Pump();
      if (done()) return true;
      const DWORD passed = GetTickCount() - start;
      if (passed >= timeoutMs) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - passed < 10 ? timeoutMs - passed : 10,
                                QS_ALLINPUT);
    }
  }

 private:
  os::Win32MessageLoop loop_;
  std::string folder_;
};

}  // namespace

std::unique_ptr<MediaDeviceSubject> MakeMediaDeviceSubject() { return std::make_unique<Win32Subject>(); }

}  // namespace contract
