#include "ui/win32/win32_window.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "ui/forms.h"
#include "ui/menus.h"
#include "ui/stdctrls.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// The system class a superclass of the library is made from; nullptr for the library's own classes.
const char* SystemClassOf(const char* className) {
  if (!std::strcmp(className, classes::kLabel)) return "STATIC";
  if (!std::strcmp(className, classes::kListBox)) return "LISTBOX";
  if (!std::strcmp(className, classes::kTrackBar)) return TRACKBAR_CLASSA;
  return nullptr;
}

void Register(const char* name, WNDPROC proc, UINT style, HCURSOR cursor, HICON icon = nullptr) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(Instance(), name, &wc)) return;
  wc = WNDCLASSEXA{};
  wc.cbSize = sizeof wc;
  if (const char* system = SystemClassOf(name)) {
    if (!GetClassInfoExA(nullptr, system, &wc)) throw std::runtime_error(std::string("No window class ") + system);
    wc.cbSize = sizeof wc;
    wc.style &= ~CS_GLOBALCLASS;
  } else {
    wc.hCursor = cursor;
    wc.hIcon = icon;
  }
  wc.style |= style;
  wc.lpfnWndProc = proc;
  wc.hInstance = Instance();
  wc.lpszClassName = name;
  if (!RegisterClassExA(&wc)) throw std::runtime_error(std::string("Cannot register window class ") + name);
}

TShiftState ShiftOf(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT) shift |= ssShift;
  if (keys & MK_CONTROL) shift |= ssCtrl;
  if (keys & MK_LBUTTON) shift |= ssLeft;
  if (keys & MK_RBUTTON) shift |= ssRight;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

// The control a notification names, for the messages that carry one.
HWND NotifyingChild(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      return reinterpret_cast<HWND>(lParam);
    case WM_DRAWITEM:
      return reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_NOTIFY:
      return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    default:
      return nullptr;
  }
}

}  // namespace

void RegisterWindowClasses(WNDPROC peerProc, WNDPROC messageWindowProc) {
  HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  HICON icon = LoadIconA(Instance(), "MAINICON");
  if (!icon) icon = LoadIconA(nullptr, IDI_APPLICATION);
  Register(classes::kForm, peerProc, CS_DBLCLKS, arrow, icon);
  Register(classes::kPanel, peerProc, CS_DBLCLKS, arrow);
  Register(classes::kSpeedButton, peerProc, CS_DBLCLKS, arrow);
  Register(classes::kCustomControl, peerProc, CS_DBLCLKS, arrow);
  Register(classes::kMessageWindow, messageWindowProc, 0, arrow);
  Register(classes::kLabel, peerProc, CS_DBLCLKS, arrow);
  Register(classes::kListBox, peerProc, CS_DBLCLKS, arrow);
  Register(classes::kTrackBar, peerProc, 0, arrow);
}

WNDPROC BaseProcedure(const char* className) {
  const char* system = SystemClassOf(className);
  if (!system) return &DefWindowProcA;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExA(nullptr, system, &wc)) throw std::runtime_error(std::string("No window class ") + system);
  return wc.lpfnWndProc;
}

void Guarded(const std::function<void()>& work) {
  try {
    work();
  } catch (const std::exception& error) {
    if (HasApplication()) Application().ShowException(error);
  } catch (...) {
    if (HasApplication()) Application().ShowException(std::runtime_error("Unknown error"));
  }
}

WindowPeer::WindowPeer(Win32Backend& backend, TControl& control, const char* className)
    : backend_(backend), control_(control), className_(className), baseProc_(BaseProcedure(className)) {}

WindowPeer::~WindowPeer() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void WindowPeer::Create(DWORD style, DWORD exStyle, HWND parent, int x, int y, int width, int height) {
  if (!control_.Visible()) style &= ~WS_VISIBLE;
  if (!control_.Enabled()) style |= WS_DISABLED;
  const std::string& text = control_.Caption();
  CreateWindowExA(exStyle, className_, text.c_str(), style, x, y, width, height, parent, nullptr, Instance(), this);
  if (!hwnd_) throw std::runtime_error("Cannot create the window of " + control_.Name());
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
}

void WindowPeer::CreateChild(DWORD style, DWORD exStyle) {
  HWND parent = control_.Parent() ? reinterpret_cast<HWND>(control_.Parent()->Handle()) : nullptr;
  if (!parent) throw std::runtime_error("The control " + control_.Name() + " has no parent window");
  Create(style | WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE, exStyle, parent, control_.Left(), control_.Top(),
         control_.Width(), control_.Height());
}

WindowPeer* WindowPeer::FromWindow(HWND window) {
  if (!window || GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&WindowProc)) return nullptr;
  return reinterpret_cast<WindowPeer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK WindowPeer::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* peer = static_cast<WindowPeer*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    peer->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(peer));
  }
  auto* peer = reinterpret_cast<WindowPeer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!peer) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const LRESULT result = peer->CallBase(message, wParam, lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    peer->hwnd_ = nullptr;
    return result;
  }
  LRESULT result = 0;
  Guarded([&] { result = peer->Message(message, wParam, lParam); });
  return result;
}

LRESULT WindowPeer::CallBase(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(baseProc_, hwnd_, message, wParam, lParam);
}

bool WindowPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  WindowPeer* child = FromWindow(NotifyingChild(message, wParam, lParam));
  return child && child != this && child->Reflected(message, wParam, lParam, result);
}

LRESULT WindowPeer::Mouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallBase(message, wParam, lParam);
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  const TShiftState shift = ShiftOf(wParam);
  switch (message) {
    case WM_LBUTTONDOWN:
      leftPressed_ = true;
      if (capturesMouse_) SetCapture(hwnd_);
      control_.MouseDown(TMouseButton::mbLeft, shift, x, y);
      break;
    case WM_RBUTTONDOWN: control_.MouseDown(TMouseButton::mbRight, shift, x, y); break;
    case WM_MBUTTONDOWN: control_.MouseDown(TMouseButton::mbMiddle, shift, x, y); break;
    case WM_LBUTTONDBLCLK:
      leftPressed_ = false;
      if (capturesMouse_) SetCapture(hwnd_);
      if (clickEvents_) control_.DblClick();
      control_.MouseDown(TMouseButton::mbLeft, shift | ssDouble, x, y);
      break;
    case WM_RBUTTONDBLCLK: control_.MouseDown(TMouseButton::mbRight, shift | ssDouble, x, y); break;
    case WM_LBUTTONUP: {
      const bool click = std::exchange(leftPressed_, false);
      if (capturesMouse_ && GetCapture() == hwnd_) ReleaseCapture();
      control_.MouseUp(TMouseButton::mbLeft, shift, x, y);
      // The handler may have destroyed the window.
      if (!hwnd_) break;
      RECT client;
      GetClientRect(hwnd_, &client);
      if (click && clickEvents_ && PtInRect(&client, POINT{x, y})) control_.Click();
      break;
    }
    case WM_RBUTTONUP: control_.MouseUp(TMouseButton::mbRight, shift, x, y); break;
    case WM_MBUTTONUP: control_.MouseUp(TMouseButton::mbMiddle, shift, x, y); break;
  }
  return result;
}

LRESULT WindowPeer::Message(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      return Mouse(message, wParam, lParam);
    case WM_CAPTURECHANGED:
      leftPressed_ = false;
      break;
    case WM_MOUSEMOVE: {
      const LRESULT result = CallBase(message, wParam, lParam);
      control_.MouseMove(ShiftOf(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return result;
    }
    case WM_SETCURSOR:
      // The screen's pointer overrides every control's own; a control's own shows over its client area.
      if (backend_.ScreenCursor() != TCursor::crDefault) {
        ::SetCursor(backend_.CursorHandle(backend_.ScreenCursor()));
        return TRUE;
      }
      if (control_.Cursor() != TCursor::crDefault && reinterpret_cast<HWND>(wParam) == hwnd_ &&
          LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(backend_.CursorHandle(control_.Cursor()));
        return TRUE;
      }
      break;
    case WM_CONTEXTMENU:
      // Without a popup menu of its own, the control leaves the request to its parent.
      if (control_.PopupMenu) {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (lParam == -1) GetCursorPos(&at);
        control_.PopupMenu->Popup(at.x, at.y);
        return 0;
      }
      break;
  }
  // A child's notification goes back to the child's own peer.
  LRESULT result = 0;
  if (Reflect(message, wParam, lParam, result)) return result;
  return CallBase(message, wParam, lParam);
}

void WindowPeer::Changed(Change what, int index) {
  if (!hwnd_) return;
  switch (what) {
    case Change::Bounds: ApplyBounds(); break;
    case Change::Visible: ApplyVisible(); break;
    case Change::Enabled:
      EnableWindow(hwnd_, control_.Enabled());
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Change::Text: SetWindowTextA(hwnd_, control_.Caption().c_str()); break;
    case Change::Color:
    case Change::FontColor:
    case Change::Invalidate: InvalidateRect(hwnd_, nullptr, TRUE); break;
    case Change::Focus: SetFocus(hwnd_); break;
    default: break;
  }
}

void WindowPeer::ApplyBounds() {
  MoveWindow(hwnd_, control_.Left(), control_.Top(), control_.Width(), control_.Height(), TRUE);
}

void WindowPeer::ApplyVisible() { ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE); }

HBRUSH WindowPeer::BackgroundBrush() {
  const TColor color = control_.Color();
  if (IsSystemColor(color)) return GetSysColorBrush(static_cast<int>(color & 0xFF));
  if (!background_ || backgroundColor_ != color) {
    background_ = SolidBrush(color);
    backgroundColor_ = color;
  }
  return background_.Get();
}

void WindowPeer::FillBackground(HDC dc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  FillRect(dc, &client, BackgroundBrush());
}

void WindowPeer::PaintGraphicChildren(HDC dc) {
  auto* container = dynamic_cast<TWinControl*>(&control_);
  if (!container) return;
  for (TControl* child : container->Controls()) {
    if (!dynamic_cast<TBevel*>(child) || !child->Visible()) continue;
    const RECT r{child->Left(), child->Top(), child->Left() + child->Width(), child->Top() + child->Height()};
    RECT box = r;
    if (child->Height() <= 2 || child->Width() <= 2) {
      // A line: the shadow, and the highlight beside it when there is room.
      const bool horizontal = child->Width() > child->Height();
      RECT shadow = r, light = r;
      if (horizontal) {
        shadow.bottom = shadow.top + 1;
        light.top = shadow.bottom;
      } else {
        shadow.right = shadow.left + 1;
        light.left = shadow.right;
      }
      FillRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
      if (light.bottom > light.top && light.right > light.left) FillRect(dc, &light, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    } else {
      DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
    }
  }
}

}  // namespace ui::win32
