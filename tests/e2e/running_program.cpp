#include "running_program.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <thread>

#include <gtest/gtest.h>

namespace e2e {

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(10ms);
  }
}

std::string WindowText(HWND window) {
  // WM_GETTEXT with a time limit: a hung target must fail the test, not hang the driver.
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, 2000, &copied)) {
    return {};
  }
  text.resize(copied);
  return text;
}

std::string ClassName(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && EqualIgnoringCase(text.substr(text.size() - end.size()), end);
}

bool IsKind(HWND window, ControlKind kind) {
  const std::string name = ClassName(window);
  switch (kind) {
    case ControlKind::ListBox:
      return EndsWithIgnoringCase(name, "ListBox");
    case ControlKind::TrackBar:
      return EqualIgnoringCase(name, TRACKBAR_CLASSA) || EndsWithIgnoringCase(name, "TrackBar");
  }
  return false;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

struct ProcessWindows {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<ProcessWindows*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && IsWindowVisible(window)) search.found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> ChildrenWithText(HWND parent, const std::string& text) {
  std::vector<HWND> found;
  for (HWND child : Descendants(parent)) {
    if (WindowText(child) == text) found.push_back(child);
  }
  return found;
}

bool ShownInWindow(HWND child) {
  if (!IsWindowVisible(child)) return false;
  HWND top = GetAncestor(child, GA_ROOT);
  RECT client{}, rect{}, common{};
  GetClientRect(top, &client);
  MapWindowPoints(top, nullptr, reinterpret_cast<POINT*>(&client), 2);
  GetWindowRect(child, &rect);
  return IntersectRect(&common, &client, &rect) != FALSE;
}

std::vector<HWND> VisibleChildrenOfKind(HWND parent, ControlKind kind) {
  std::vector<HWND> found;
  for (HWND child : Descendants(parent)) {
    if (ShownInWindow(child) && IsKind(child, kind)) found.push_back(child);
  }
  return found;
}

std::string DescribeDescendants(HWND parent) {
  std::string out;
  for (HWND child : Descendants(parent)) {
    out += "  " + ClassName(child) + " \"" + WindowText(child) + "\"";
    out += IsWindowVisible(child) ? "" : " hidden";
    out += IsWindowEnabled(child) ? "\n" : " disabled\n";
  }
  return out;
}

bool IsEnabled(HWND control) { return IsWindowEnabled(control) != FALSE; }

std::vector<std::string> ListBoxItems(HWND listBox) {
  // Read as UTF-16 and converted here: Wine hands a cross-process LB_GETTEXT sent as ANSI back in UTF-16.
  std::vector<std::string> items;
  const LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, i, 0);
    if (length == LB_ERR) break;
    std::wstring wide(length + 1, L'\0');
    const LRESULT copied = SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(copied == LB_ERR ? 0 : copied);
    std::string item(wide.size() * 2 + 1, '\0');
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), item.data(),
                                          static_cast<int>(item.size()), nullptr, nullptr);
    item.resize(bytes > 0 ? bytes : 0);
    items.push_back(item);
  }
  return items;
}

int TrackBarPosition(HWND trackBar) { return static_cast<int>(SendMessageA(trackBar, TBM_GETPOS, 0, 0)); }

int TrackBarMax(HWND trackBar) { return static_cast<int>(SendMessageA(trackBar, TBM_GETRANGEMAX, 0, 0)); }

bool ShowsColour(HWND control, COLORREF colour) {
  RECT r{};
  GetWindowRect(control, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const bool copied = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY) != FALSE;
  // Rows of blue, green, red and an unused byte.
  const DWORD wanted = GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
  const auto* pixels = static_cast<const DWORD*>(bits);
  const bool found = copied && std::any_of(pixels, pixels + width * height,
                                           [&](DWORD pixel) { return (pixel & 0xFFFFFF) == wanted; });
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return found;
}

void Click(HWND control) {
  if (EqualIgnoringCase(ClassName(control), "Button")) {
    PostMessageA(control, BM_CLICK, 0, 0);
    return;
  }
  RECT client{};
  GetClientRect(control, &client);
  const LPARAM middle = MAKELPARAM((client.right - client.left) / 2, (client.bottom - client.top) / 2);
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  PostMessageA(control, WM_LBUTTONUP, 0, middle);
}

RunningProgram::RunningProgram(const std::string& exe, const std::string& args, const std::string& currentFolder) {
  std::string commandLine = "\"" + exe + "\"";
  if (!args.empty()) commandLine += " " + args;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      currentFolder.empty() ? nullptr : currentFolder.c_str(), &startup, &info)) {
    ADD_FAILURE() << "CreateProcess failed for " << commandLine << ": error " << GetLastError();
    return;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
}

RunningProgram::~RunningProgram() {
  if (!process_) return;
  if (!HasExited()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

bool RunningProgram::HasExited() const { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }

DWORD RunningProgram::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_, &code);
  return code;
}

std::vector<HWND> RunningProgram::TopLevelWindows() const {
  ProcessWindows search{processId_, {}};
  EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND RunningProgram::WaitForMainWindow(const std::function<bool(const std::string&)>& captionMatches,
                                       std::chrono::milliseconds timeout) const {
  HWND main = nullptr;
  WaitFor(
      [&] {
        for (HWND window : TopLevelWindows()) {
          if (ClassName(window) == "#32770" || Descendants(window).empty()) continue;
          if (captionMatches(WindowText(window))) {
            main = window;
            return true;
          }
        }
        return HasExited();
      },
      timeout);
  return main;
}

MessageBoxView RunningProgram::WaitForMessageBox(std::chrono::milliseconds timeout) const {
  MessageBoxView box;
  WaitFor(
      [&] {
        for (HWND window : TopLevelWindows()) {
          if (ClassName(window) != "#32770") continue;
          box.window = window;
          box.title = WindowText(window);
          // The message is the box's one static control with text; the icon is a static without.
          for (HWND child : Descendants(window)) {
            if (EqualIgnoringCase(ClassName(child), "Static") && !WindowText(child).empty()) {
              box.text = WindowText(child);
              break;
            }
          }
          return true;
        }
        return HasExited();
      },
      timeout);
  return box;
}

bool RunningProgram::Dismiss(const MessageBoxView& box, std::chrono::milliseconds timeout) {
  for (HWND child : Descendants(box.window)) {
    if (EqualIgnoringCase(ClassName(child), "Button")) {
      PostMessageA(child, BM_CLICK, 0, 0);
      break;
    }
  }
  return WaitFor([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }, timeout);
}

bool RunningProgram::CloseAndWait(HWND mainWindow, std::chrono::milliseconds timeout) {
  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  return WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

}  // namespace e2e
