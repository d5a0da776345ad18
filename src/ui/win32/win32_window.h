// The native peer of a windowed control: the HWND behind it, bound to the peer at WM_NCCREATE, and the
// translation of window messages into the control's typed events.
#pragma once

#include "ui/win32/windows_api.h"

#include "ui/backend.h"
#include "ui/control.h"
#include "ui/win32/win32_gdi.h"

namespace ui {
class Win32Backend;
}

namespace ui::win32 {

// The window classes of the library; the superclasses take their behaviour from a system class.
namespace classes {
constexpr char kForm[] = "TunoraForm";
constexpr char kPanel[] = "TunoraPanel";
constexpr char kSpeedButton[] = "TunoraSpeedButton";
constexpr char kCustomControl[] = "TunoraCustomControl";
constexpr char kMessageWindow[] = "TunoraMessageWindow";
constexpr char kLabel[] = "TunoraLabel";        // STATIC
constexpr char kListBox[] = "TunoraListBox";    // LISTBOX
constexpr char kTrackBar[] = "TunoraTrackBar";  // msctls_trackbar32
}  // namespace classes

// Registers the library's window classes; superclasses remember their system class's procedure.
void RegisterWindowClasses(WNDPROC peerProc, WNDPROC messageWindowProc);
// The procedure a superclass hands its messages on to; DefWindowProcA for the library's own classes.
WNDPROC BaseProcedure(const char* className);

// Runs an event of a control as the message loop would: an error goes to the standard error box.
void Guarded(const std::function<void()>& work);

class WindowPeer : public Peer {
 public:
  WindowPeer(Win32Backend& backend, TControl& control, const char* className);
  ~WindowPeer() override;
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;

  std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }
  HWND Window() const { return hwnd_; }
  TControl& Control() const { return control_; }
  void Changed(Change what, int index) override;

  // The peer behind a window of the library's classes; nullptr for any other window.
  static WindowPeer* FromWindow(HWND window);
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  // Paints the windowless children (bevels) on the parent's paint DC.
  void PaintGraphicChildren(HDC dc);

 protected:
  // Makes the window; a child control's window goes into its parent's.
  void Create(DWORD style, DWORD exStyle, HWND parent, int x, int y, int width, int height);
  void CreateChild(DWORD style, DWORD exStyle = 0);
  virtual LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT CallBase(UINT message, WPARAM wParam, LPARAM lParam);
  // A notification the parent received about this control (WM_COMMAND, WM_HSCROLL, WM_CTLCOLOR...).
  virtual bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { return false; }
  virtual void ApplyBounds();
  virtual void ApplyVisible();
  HBRUSH BackgroundBrush();
  void FillBackground(HDC dc);

  Win32Backend& backend_;
  TControl& control_;
  HWND hwnd_ = nullptr;
  // Whether mouse messages make clicks and double clicks (list boxes report their own).
  bool clickEvents_ = true;
  // Whether the window captures the mouse between press and release (the system classes do it).
  bool capturesMouse_ = true;

 private:
  LRESULT Mouse(UINT message, WPARAM wParam, LPARAM lParam);
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  const char* className_;
  WNDPROC baseProc_;
  bool leftPressed_ = false;
  Brush background_;
  TColor backgroundColor_ = 0;
};

}  // namespace ui::win32
