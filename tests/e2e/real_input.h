// Real mouse and keyboard input on the test display, as a person gives it: xdotool moves the X pointer
// and presses buttons and keys, and Wine turns them into the program's input like any other.
#pragma once

#include <windows.h>

#include <string>

namespace e2e::input {

// Runs xdotool with these words (its own command syntax) and waits until it has finished. Returns
// whether it succeeded.
bool Xdotool(const std::string& words);

// The screen position of a point in a window's client area.
POINT ScreenPoint(HWND window, POINT client);
// The middle of a window's client area.
POINT Middle(HWND window);

bool MoveTo(HWND window, POINT client);
bool Click(HWND window, POINT client);
bool Click(HWND window);  // in the middle
bool RightClick(HWND window, POINT client);
bool DoubleClick(HWND window, POINT client);
// Presses the left button at one point, moves to the other in small steps (as a hand does, so that
// the drag starts and every control on the way sees the mouse) and releases it there.
bool Drag(HWND from, POINT fromClient, HWND to, POINT toClient);

// The close box of the window's caption bar, found by asking the window what lies under each point.
bool ClickCloseBox(HWND window);

// Keys to the window that has the focus, in xdotool's names: "Return", "Delete", "ctrl+s", "alt+F4".
bool Keys(const std::string& keys);
bool Type(const std::string& text);

}  // namespace e2e::input
