// The native peer of a form: a top-level window with the form's caption, frame, menu bar and shown
// state.
#pragma once

#include <memory>

#include "ui/forms.h"
#include "ui/win32/win32_hints.h"
#include "ui/win32/win32_window.h"

namespace ui::win32 {

// A top-level window, its client size the form's: a fixed single border with the caption-bar buttons
// the form asks for, or a dialog frame. It answers the dialog manager for the form's buttons.
class FormPeer final : public WindowPeer {
 public:
  FormPeer(Win32Backend& backend, TForm& form);
  ~FormPeer() override;
  void Changed(Change what, int index) override;
  // Puts a menu bar on the window (nullptr: none) and keeps the client size.
  void AttachMenu(HMENU bar);
  TForm& Form() const { return form_; }
  // The tool tip of the form's controls.
  HintWindow& Hints() { return *hints_; }

 protected:
  LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ApplyBounds() override;
  void ApplyVisible() override;

 private:
  DWORD Style() const;
  DWORD ExStyle() const;
  // The window the form belongs to: its owner form's, else the main form's; none for the main form.
  HWND OwnerWindow() const;
  // The dialog manager's questions and commands.
  bool DialogMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The frame around the form's client size, menu bar included.
  SIZE FrameSize() const;
  // Gives the form the window's real position and frame size.
  void ReadBounds();
  class Win32MenuPeer* MenuPeer() const;
  // Shows or hides the window as the form and the application window say, now.
  void ShowAsTold();
  TForm& form_;
  std::unique_ptr<HintWindow> hints_;
  bool readingBounds_ = false;
  bool shown_ = false;
  bool visibilityPending_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace ui::win32
