// The component library on Win32 for the checks of its dialog controls and modal forms: the real
// message loop and backend with the fake OS services, and helpers that read the windows.
#pragma once

#include <gtest/gtest.h>

#include "ui/win32/windows_api.h"

#include <string>

#include "support/fake_services.h"
#include "ui/forms.h"
#include "ui/win32/win32_backend.h"

namespace win32_checks {

inline HWND H(const ui::TControl& control) { return reinterpret_cast<HWND>(control.Handle()); }

inline std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

inline std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

inline LOGFONTA FontOf(HWND window) {
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

class Win32Ui : public ::testing::Test {
 protected:
  os::Win32MessageLoop loop;
  ui::Win32Backend backend{loop};
  testing_support::FakeServices fakes{loop};
  ui::TApplication app{backend, fakes.services};
};

}  // namespace win32_checks
