// What the checks of the library's Win32 backend share: the application on the real message loop with
// fake OS services, and a record of the messages sent to a window.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "support/fake_services.h"
#include "ui/forms.h"
#include "ui/win32/win32_backend.h"

namespace win32_check {

inline HWND H(const ui::TControl& control) { return reinterpret_cast<HWND>(control.Handle()); }

// The Win32 backend's application, ready for a test's forms.
class Win32Check : public ::testing::Test {
 protected:
  os::Win32MessageLoop loop;
  ui::Win32Backend backend{loop};
  testing_support::FakeServices fakes{loop};
  ui::TApplication app{backend, fakes.services};
};

// The messages sent to one window while the record lives, in order.
class SentMessages {
 public:
  struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  explicit SentMessages(HWND window)
      : window_(window), hook_(SetWindowsHookExA(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId())) {
    current_ = this;
  }
  ~SentMessages() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  SentMessages(const SentMessages&) = delete;
  SentMessages& operator=(const SentMessages&) = delete;

  std::vector<Message> all;
  // Those of one kind.
  std::vector<Message> Of(UINT message) const {
    std::vector<Message> found;
    for (const Message& m : all)
      if (m.message == message) found.push_back(m);
    return found;
  }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && current_ && sent.hwnd == current_->window_)
      current_->all.push_back({sent.message, sent.wParam, sent.lParam});
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline SentMessages* current_ = nullptr;
  HWND window_;
  HHOOK hook_;
};

// Sets the modifier keys the system reports as held (GetKeyState), as a user holding them; none by default.
inline void HoldKeys(bool shift = false, bool ctrl = false, bool alt = false) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  keys[VK_CONTROL] = ctrl ? 0x80 : 0;
  keys[VK_MENU] = alt ? 0x80 : 0;
  SetKeyboardState(keys);
}

}  // namespace win32_check
