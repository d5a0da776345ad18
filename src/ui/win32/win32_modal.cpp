// Modal forms on Win32: a nested run of the application's message loop, so that timers, posted tasks
// and worker threads' hand-overs go on being served, with the dialog keys of the innermost modal form
// handled by the system's dialog manager: Tab and Shift+Tab between its tab stops, Enter for the focused
// or default button (the form answers DM_GETDEFID), Esc for the cancel button (IDCANCEL).
#include <algorithm>

#include "ui/forms.h"
#include "ui/win32/win32_backend.h"

namespace ui {

void Win32Backend::RunModal(TForm& form, const std::function<bool()>& ended) {
  modalForms_.push_back(&form);
  struct Pop {
    std::vector<TForm*>& forms;
    ~Pop() { forms.pop_back(); }
  } pop{modalForms_};
  loop_.RunUntil(ended);
}

bool Win32Backend::HandleDialogMessage(MSG& msg) {
  if (modalForms_.empty()) return false;
  HWND dialog = reinterpret_cast<HWND>(modalForms_.back()->Handle());
  if (!dialog || (msg.hwnd != dialog && !IsChild(dialog, msg.hwnd))) return false;
  // Handles the dialog keys, and translates and dispatches every other message of the form.
  return IsDialogMessageA(dialog, &msg) != FALSE;
}

}  // namespace ui
