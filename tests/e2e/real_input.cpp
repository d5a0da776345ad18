#include "real_input.h"

#include <atomic>
#include <chrono>
#include <string>

#include "running_program.h"

namespace e2e::input {

namespace {

std::atomic<int> runs{0};

std::string Number(LONG n) { return std::to_string(n); }

bool MoveScreen(POINT at) { return Xdotool("mousemove " + Number(at.x) + " " + Number(at.y)); }

}  // namespace

bool Xdotool(const std::string& words) {
  // A program of the host is started from under Wine without a process handle to wait on, so it
  // reports its end through a file.
  const std::string mark = "/tmp/tunora-xdotool-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(runs++);
  std::string windowsMark = "Z:" + mark;
  for (char& c : windowsMark) c = c == '/' ? '\\' : c;
  DeleteFileA(windowsMark.c_str());
  std::string command = "Z:\\bin\\sh -c \"xdotool " + words + "; echo $? > " + mark + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return false;
  if (info.hProcess) CloseHandle(info.hProcess);
  if (info.hThread) CloseHandle(info.hThread);
  std::string status;
  const bool ended = WaitFor(
      [&] {
        HANDLE file = CreateFileA(windowsMark.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        char buffer[16] = {};
        DWORD read = 0;
        ReadFile(file, buffer, sizeof buffer - 1, &read, nullptr);
        CloseHandle(file);
        status.assign(buffer, read);
        return status.find('\n') != std::string::npos;
      },
      10s);
  DeleteFileA(windowsMark.c_str());
  // Wine hands the X events to the program's queue a moment after xdotool has sent them.
  Sleep(50);
  return ended && status.rfind("0", 0) == 0;
}

POINT ScreenPoint(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

POINT Middle(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return POINT{(r.right - r.left) / 2, (r.bottom - r.top) / 2};
}

bool MoveTo(HWND window, POINT client) { return MoveScreen(ScreenPoint(window, client)); }

bool Click(HWND window, POINT client) { return MoveTo(window, client) && Xdotool("click 1"); }

bool Click(HWND window) { return Click(window, Middle(window)); }

bool RightClick(HWND window, POINT client) { return MoveTo(window, client) && Xdotool("click 3"); }

bool DoubleClick(HWND window, POINT client) {
  return MoveTo(window, client) && Xdotool("click --repeat 2 --delay 80 1");
}

bool Drag(HWND from, POINT fromClient, HWND to, POINT toClient) {
  const POINT a = ScreenPoint(from, fromClient), b = ScreenPoint(to, toClient);
  if (!MoveScreen(a) || !Xdotool("mousedown 1")) return false;
  constexpr int kSteps = 8;
  for (int i = 1; i <= kSteps; ++i) {
    const POINT p{a.x + (b.x - a.x) * i / kSteps, a.y + (b.y - a.y) * i / kSteps};
    if (!MoveScreen(p)) return false;
  }
  return Xdotool("mouseup 1");
}

bool ClickCloseBox(HWND window) {
  auto isClose = [window](LONG x, LONG y) {
    DWORD_PTR hit = HTNOWHERE;
    SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
    return hit == HTCLOSE;
  };
  RECT r{};
  GetWindowRect(window, &r);
  // The caption bar lies in the top rows of the frame, the close box at its right end: the first point
  // found is the box's top right corner, and it is clicked in its middle.
  for (LONG y = r.top; y < r.top + 40 && y < r.bottom; ++y) {
    for (LONG x = r.right - 1; x > r.right - 80 && x > r.left; --x) {
      if (!isClose(x, y)) continue;
      LONG left = x, bottom = y;
      while (isClose(left - 1, y)) --left;
      while (isClose(x, bottom + 1)) ++bottom;
      return MoveScreen(POINT{(left + x) / 2, (y + bottom) / 2}) && Xdotool("click 1");
    }
  }
  return false;
}

bool Keys(const std::string& keys) { return Xdotool("key --delay 40 " + keys); }

bool Type(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  quoted += "'";
  return Xdotool("type --delay 30 " + quoted);
}

}  // namespace e2e::input
