#include "notify_area_subject.h"

#include <windows.h>

#include <stdexcept>

#include "os/win32/win32_notify_area.h"

namespace contract {
namespace {

class Win32Subject final : public NotifyAreaSubject {
 public:
  Win32Subject()
      : window_(CreateWindowExA(0, "STATIC", "tunora notify contract", 0, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr)) {
    if (!window_) throw std::runtime_error("CreateWindowExA failed");
  }
  ~Win32Subject() override { DestroyWindow(window_); }

  os::NotifyArea& Area() override { return area_; }
  os::WindowHandle Window() override { return reinterpret_cast<os::WindowHandle>(window_); }
  os::IconHandle Icon() override {
    return reinterpret_cast<os::IconHandle>(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));
  }
  // The shell offers no way to read an icon's tip back.
  std::optional<std::string> ShownTip(os::WindowHandle, std::uint32_t) override { return std::nullopt; }

 private:
  HWND window_;
  os::Win32NotifyArea area_;
};

}  // namespace

std::unique_ptr<NotifyAreaSubject> MakeNotifyAreaSubject() { return std::make_unique<Win32Subject>(); }

}  // namespace contract
