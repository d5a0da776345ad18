// The native peer of a windowed control: the HWND behind it, bound to the peer when it is made, and the
// translation of window messages into the control's typed events.
#pragma once

#include "ui/win32/windows_api.h"

#include <optional>

#include "os/win32/window_binding.h"
#include "ui/backend.h"
#include "ui/control.h"
#include "ui/win32/win32_gdi.h"

namespace ui {
class Win32Backend;
}

namespace ui::win32 {

// The window classes of the library; the superclasses take their behaviour from a system class.
namespace classes {
inline constexpr os::WindowClass kForm{"TunoraForm", nullptr, CS_DBLCLKS, "MAINICON"};
inline constexpr os::WindowClass kPanel{"TunoraPanel", nullptr, CS_DBLCLKS};
inline constexpr os::WindowClass kSpeedButton{"TunoraSpeedButton", nullptr, CS_DBLCLKS};
// A DC of its own: drawing outside paint requests (a refresh tick's) neither takes a DC from the cache
// nor resets one for every line. What a drawing leaves in it stays, so each drawing sets what it needs.
inline constexpr os::WindowClass kCustomControl{"TunoraCustomControl", nullptr, CS_DBLCLKS | CS_OWNDC};
inline constexpr os::WindowClass kMessageWindow{"TunoraMessageWindow"};
inline constexpr os::WindowClass kLabel{"TunoraLabel", "STATIC", CS_DBLCLKS};
inline constexpr os::WindowClass kListBox{"TunoraListBox", "LISTBOX", CS_DBLCLKS};
inline constexpr os::WindowClass kComboBox{"TunoraComboBox", "COMBOBOX", CS_DBLCLKS};
inline constexpr os::WindowClass kTrackBar{"TunoraTrackBar", TRACKBAR_CLASSA};
}  // namespace classes

class WindowPeer : public Peer, public os::BoundWindow {
 public:
  WindowPeer(Win32Backend& backend, TControl& control, const os::WindowClass& windowClass);
  ~WindowPeer() override;

  std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(Window()); }
  TControl& Control() const { return control_; }
  void Changed(Change what, int index) override;
  std::optional<TRect> ClientArea() const override;

  // The peer behind a window of the library; nullptr for any other window.
  static WindowPeer* FromWindow(HWND window);

  // Paints the windowless children (bevels) on the parent's paint DC.
  void PaintGraphicChildren(HDC dc);

 protected:
  // Makes the window; a child control's window goes into its parent's, with a control ID of its own.
  void Create(DWORD style, DWORD exStyle, HWND parent, int x, int y, int width, int height);
  void CreateChild(DWORD style, DWORD exStyle = 0);
  // Makes the child window again with other styles (those the system reads only at creation), in the
  // same place among its siblings, keeping the focus and the hint.
  void RecreateChild(DWORD style, DWORD exStyle = 0);
  virtual LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT CallBase(UINT message, WPARAM wParam, LPARAM lParam) { return DefaultMessage(message, wParam, lParam); }
  // A notification the parent received about this control (WM_COMMAND, WM_HSCROLL, WM_CTLCOLOR...).
  virtual bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { return false; }
  // The window has handled a mouse press; the control hears of the press next.
  virtual void Pressed() {}
  // Whether a left press (its MK_* keys, at a client point) begins a drag of the control without the
  // window's own handling, which would undo what the drag carries (a multiple selection). The window
  // gets the press at the release, when no drag started.
  virtual bool PressBelongsToDrag(WPARAM keys, int x, int y) { return false; }
  virtual void ApplyBounds();
  virtual void ApplyVisible();
  HBRUSH BackgroundBrush();
  void FillBackground(HDC dc);

  Win32Backend& backend_;
  TControl& control_;
  // Whether mouse messages make clicks and double clicks (list boxes report their own).
  bool clickEvents_ = true;
  // Whether the window captures the mouse between press and release (the system classes do it).
  bool capturesMouse_ = true;

 private:
  LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) final;
  LRESULT Mouse(UINT message, WPARAM wParam, LPARAM lParam);
  // A key pressed on the control: a short-cut of its popup menus, else its KeyDown. True when consumed.
  bool Key(WPARAM key);
  // The mouse and Esc while a drag of the control waits or runs, the window holding the mouse: true for
  // a message the drag took.
  bool DragMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CaptureForDrag();
  void ReleaseDragCapture();
  TPoint ScreenPoint(LPARAM lParam) const;
  // Files dropped from the shell: read, given back to the system, then handed to the control.
  void DropFiles(HDROP drop);
  // Makes the control a tool of its form's tool tip (while it has a hint), or no longer one.
  void SetHintTool(bool tool);
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  const os::WindowClass& windowClass_;
  bool leftPressed_ = false;
  bool hintTool_ = false;
  bool dragCapture_ = false;
  // The press a drag took from the window: its keys and point.
  std::optional<std::pair<WPARAM, LPARAM>> dragPress_;
  Brush background_;
  TColor backgroundColor_ = 0;
};

}  // namespace ui::win32
