// The one way the programs make a window: the C++ object that owns it is bound to it once, at
// WM_NCCREATE, and found again from the handle in the process's table of bound windows. Never through
// the window procedure, which a tool tip's TTF_SUBCLASS replaces, so that hit testing and notifications
// still find the object behind any window of the program.
#pragma once

#include <windows.h>

namespace os {

// A window class of the program. Its procedure is the binding's; a class made from a system class (a
// superclass) keeps that class's look, cursor and behaviour, and its procedure gets the messages the
// object hands on.
struct WindowClass {
  const char* name;
  const char* systemClass = nullptr;   // "STATIC", "LISTBOX", ...; nullptr for a class of the program's own
  UINT style = 0;                      // CS_DBLCLKS, ...
  const char* iconResource = nullptr;  // the program's icon resource; the system's application icon if missing
};

// Where and how a window is made.
struct WindowSpec {
  const char* text = "";
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;
  HWND parent = nullptr;  // the owner of a top-level window; HWND_MESSAGE makes a message-only window
  UINT id = 0;            // a child window's control ID
};

class BoundWindow {
 public:
  BoundWindow(const BoundWindow&) = delete;
  BoundWindow& operator=(const BoundWindow&) = delete;

  // nullptr until the window is made and once it is gone.
  HWND Window() const { return window_; }

  // The object bound to a window of this process; nullptr for any other window and for a destroyed one.
  static BoundWindow* FromWindow(HWND window);

 protected:
  BoundWindow() = default;
  // Destroys the window if the owner has not.
  virtual ~BoundWindow();

  // Registers the class on its first use and makes the window, bound to this object before its first
  // message. Throws std::runtime_error when either fails.
  void CreateBoundWindow(const WindowClass& windowClass, const WindowSpec& spec);
  // Destroys the window. Meanwhile its messages get only the class's own handling, since the owner
  // may be half destroyed.
  void DestroyBoundWindow();

  // Every message of the bound window. It must not throw: whatever can fail runs in the message loop's
  // Guard, which hands the error to the application.
  virtual LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // The class's own handling: the system class's procedure for a superclass, DefWindowProcA otherwise.
  LRESULT DefaultMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  HWND window_ = nullptr;
  WNDPROC defaultProcedure_ = &DefWindowProcA;
  bool destroying_ = false;
};

}  // namespace os
