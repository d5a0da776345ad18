// The hints of a form's controls: one tool-tip window per form, each control with a hint a tool of it.
// The tip asks for its text each time it is about to show (LPSTR_TEXTCALLBACK), so the text is always
// the control's current hint, and nothing shows while the control's ShowHint is off.
#pragma once

#include "ui/win32/windows_api.h"

#include <string>

namespace ui::win32 {

class HintWindow {
 public:
  explicit HintWindow(HWND form) : form_(form) {}
  ~HintWindow();
  HintWindow(const HintWindow&) = delete;
  HintWindow& operator=(const HintWindow&) = delete;

  // A control of the form becomes a tool, or stops being one. The tool-tip window is made with the
  // first tool; without it (the system would not make one) controls work on without their tips.
  void Add(HWND control);
  void Remove(HWND control);
  // A mouse message of a tool, which the tip needs to know when to show and hide.
  void Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  // The form's WM_NOTIFY: answers the tip's request for a tool's text; false for other notifications.
  bool Notified(NMHDR& header, LRESULT& result);

  HWND Window() const { return tip_; }

 private:
  TOOLINFOA Tool(HWND control) const;
  HWND form_;
  HWND tip_ = nullptr;
  std::string text_;  // the text the tip shows, kept while it shows
};

}  // namespace ui::win32
