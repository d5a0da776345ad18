// Drives a real Win32 program from outside, the way a user or a screen reader sees it: its top-level
// windows, their captions, child controls found by their window text, list box items, button states,
// clicks and the standard message box.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

// Polls the condition every 10 ms until it holds or the timeout passes; returns whether it held.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

std::string WindowText(HWND window);
std::string ClassName(HWND window);

// Every descendant window of the parent, in the order EnumChildWindows gives them.
std::vector<HWND> Descendants(HWND parent);

// One line per descendant (class, text, visible, enabled), for failure messages.
std::string DescribeDescendants(HWND parent);

// A control's state as a user sees it.
bool IsEnabled(HWND control);
std::vector<std::string> ListBoxItems(HWND listBox);
int TrackBarPosition(HWND trackBar);
int TrackBarMax(HWND trackBar);
// Whether some pixel of the control on the screen has exactly this colour (a label's text colour).
bool ShowsColour(HWND control, COLORREF colour);

// Clicks a control: BM_CLICK for a standard button, a left press and release in the middle of the
// client area otherwise. Posted, so that a click which opens a modal box does not block the caller.
void Click(HWND control);

// What a standard message box shows.
struct MessageBoxView {
  HWND window = nullptr;
  std::string title;
  std::string text;
};

class RunningProgram {
 public:
  // Starts exe with the command line "exe" args (args as given, unquoted words stay separate words), in
  // the current folder given or else the driver's. Fails the current test and leaves the object empty
  // when the process cannot be created.
  RunningProgram(const std::string& exe, const std::string& args, const std::string& currentFolder = "");
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool Started() const { return process_ != nullptr; }
  bool HasExited() const;
  DWORD ExitCode() const;

  // The visible top-level windows of the process (message boxes included).
  std::vector<HWND> TopLevelWindows() const;

  // Waits for a visible top-level window of the process, not a dialog box, that has child controls
  // and whose caption satisfies the predicate. Returns nullptr after the timeout.
  HWND WaitForMainWindow(const std::function<bool(const std::string&)>& captionMatches,
                         std::chrono::milliseconds timeout = 20s) const;

  // Waits for a standard dialog box (window class #32770) of the process and reads its title and the
  // message text. window is nullptr after the timeout.
  MessageBoxView WaitForMessageBox(std::chrono::milliseconds timeout = 20s) const;

  // Presses the box's first push button (OK for MB_OK) and waits until the box has gone.
  static bool Dismiss(const MessageBoxView& box, std::chrono::milliseconds timeout = 5s);

  // Sends WM_CLOSE to the window and waits for the process to end. Returns whether it ended by itself;
  // the destructor terminates it otherwise.
  bool CloseAndWait(HWND mainWindow, std::chrono::milliseconds timeout = 10s);

 private:
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
};

// The descendants of parent whose window text equals text exactly.
std::vector<HWND> ChildrenWithText(HWND parent, const std::string& text);
// Standard controls found by kind: the system class (LISTBOX, msctls_trackbar32) or a superclass of it
// that the program names after the kind ("TunoraListBox"), since Wine's RealGetWindowClass does not
// see through superclasses.
enum class ControlKind { ListBox, TrackBar };
// The window is visible and some of it lies in its top-level window's client area: a part of the
// player's window that is switched off may only lie outside it.
bool ShownInWindow(HWND child);
std::vector<HWND> VisibleChildrenOfKind(HWND parent, ControlKind kind);

}  // namespace e2e
