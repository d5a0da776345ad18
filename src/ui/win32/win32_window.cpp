#include "ui/win32/win32_window.h"

#include <stdexcept>
#include <string>

#include "ui/forms.h"
#include "ui/menus.h"
#include "ui/stdctrls.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_form.h"

namespace ui::win32 {

namespace {

TShiftState ShiftOf(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT) shift |= ssShift;
  if (keys & MK_CONTROL) shift |= ssCtrl;
  if (keys & MK_LBUTTON) shift |= ssLeft;
  if (keys & MK_RBUTTON) shift |= ssRight;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

// The control a notification names, for the messages that carry one: by handle, or by control ID for
// the owner-drawn items' messages, which may come before the control's handle is known.
HWND NotifyingChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSCROLLBAR:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    case WM_MEASUREITEM: {
      const auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      return item.CtlType == ODT_MENU ? nullptr : GetDlgItem(parent, static_cast<int>(item.CtlID));
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      return item.CtlType == ODT_MENU ? nullptr : item.hwndItem;
    }
    case WM_COMPAREITEM:
      return reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem;
    case WM_DELETEITEM:
      return reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem;
    default:
      return nullptr;
  }
}

}  // namespace

WindowPeer::WindowPeer(Win32Backend& backend, TControl& control, const os::WindowClass& windowClass)
    : backend_(backend), control_(control), windowClass_(windowClass) {}

WindowPeer::~WindowPeer() {
  SetHintTool(false);
  DestroyBoundWindow();
}

void WindowPeer::Create(DWORD style, DWORD exStyle, HWND parent, int x, int y, int width, int height) {
  if (!control_.Visible()) style &= ~WS_VISIBLE;
  if (!control_.Enabled()) style |= WS_DISABLED;
  if (const auto* windowed = dynamic_cast<const TWinControl*>(&control_); windowed && windowed->TabStop())
    style |= WS_TABSTOP;
  os::WindowSpec spec;
  spec.text = control_.Caption().c_str();
  spec.style = style;
  spec.exStyle = exStyle;
  spec.x = x;
  spec.y = y;
  spec.width = width;
  spec.height = height;
  spec.parent = parent;
  if (style & WS_CHILD) spec.id = backend_.NextControlId(parent);
  CreateBoundWindow(windowClass_, spec);
  SendMessageA(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(backend_.Fonts().Handle(control_.Font())), FALSE);
}

void WindowPeer::CreateChild(DWORD style, DWORD exStyle) {
  HWND parent = control_.Parent() ? reinterpret_cast<HWND>(control_.Parent()->Handle()) : nullptr;
  if (!parent) throw std::runtime_error("The control " + control_.Name() + " has no parent window");
  Create(style | WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE, exStyle, parent, control_.Left(), control_.Top(),
         control_.Width(), control_.Height());
  SetHintTool(!control_.Hint().empty());
}

void WindowPeer::SetHintTool(bool tool) {
  if (tool == hintTool_ || !Window()) return;
  auto* form = dynamic_cast<FormPeer*>(FromWindow(GetAncestor(Window(), GA_ROOT)));
  if (!form || form == this) return;
  if (tool) {
    form->Hints().Add(Window());
  } else {
    form->Hints().Remove(Window());
  }
  hintTool_ = tool;
}

WindowPeer* WindowPeer::FromWindow(HWND window) {
  return dynamic_cast<WindowPeer*>(os::BoundWindow::FromWindow(window));
}

LRESULT WindowPeer::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  backend_.Loop().Guard([&] { result = Message(message, wParam, lParam); });
  return result;
}

bool WindowPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  WindowPeer* child = FromWindow(NotifyingChild(Window(), message, wParam, lParam));
  return child && child != this && child->Reflected(message, wParam, lParam, result);
}

LRESULT WindowPeer::Mouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallBase(message, wParam, lParam);
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  const TShiftState shift = ShiftOf(wParam);
  switch (message) {
    case WM_LBUTTONDOWN:
      leftPressed_ = true;
      if (capturesMouse_) SetCapture(Window());
      control_.MouseDown(TMouseButton::mbLeft, shift, x, y);
      break;
    case WM_RBUTTONDOWN: control_.MouseDown(TMouseButton::mbRight, shift, x, y); break;
    case WM_MBUTTONDOWN: control_.MouseDown(TMouseButton::mbMiddle, shift, x, y); break;
    case WM_LBUTTONDBLCLK:
      leftPressed_ = false;
      if (capturesMouse_) SetCapture(Window());
      if (clickEvents_) control_.DblClick();
      control_.MouseDown(TMouseButton::mbLeft, shift | ssDouble, x, y);
      break;
    case WM_RBUTTONDBLCLK: control_.MouseDown(TMouseButton::mbRight, shift | ssDouble, x, y); break;
    case WM_LBUTTONUP: {
      const bool click = std::exchange(leftPressed_, false);
      if (capturesMouse_ && GetCapture() == Window()) ReleaseCapture();
      control_.MouseUp(TMouseButton::mbLeft, shift, x, y);
      // The handler may have destroyed the window.
      if (!Window()) break;
      RECT client;
      GetClientRect(Window(), &client);
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
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (auto* windowed = dynamic_cast<TWinControl*>(&control_)) {
        if (message == WM_SETFOCUS) {
          windowed->FocusReceived();
        } else {
          windowed->FocusLost();
        }
      }
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
      if (control_.Cursor() != TCursor::crDefault && reinterpret_cast<HWND>(wParam) == Window() &&
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
  if (!Window()) return;
  switch (what) {
    case Change::Bounds: ApplyBounds(); break;
    case Change::Visible: ApplyVisible(); break;
    case Change::Enabled:
      EnableWindow(Window(), control_.Enabled());
      InvalidateRect(Window(), nullptr, TRUE);
      break;
    case Change::Text: SetWindowTextA(Window(), control_.Caption().c_str()); break;
    case Change::Hint: SetHintTool(!control_.Hint().empty()); break;
    case Change::Font:
      SendMessageA(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(backend_.Fonts().Handle(control_.Font())), TRUE);
      InvalidateRect(Window(), nullptr, TRUE);  // the windows that paint their text themselves
      break;
    case Change::Color:
    case Change::FontColor:
    case Change::Invalidate: InvalidateRect(Window(), nullptr, TRUE); break;
    case Change::Focus: SetFocus(Window()); break;
    case Change::TabStop:
      if (const auto* windowed = dynamic_cast<const TWinControl*>(&control_)) {
        const LONG style = GetWindowLongA(Window(), GWL_STYLE);
        SetWindowLongA(Window(), GWL_STYLE, windowed->TabStop() ? style | WS_TABSTOP : style & ~WS_TABSTOP);
      }
      break;
    default: break;
  }
}

void WindowPeer::ApplyBounds() {
  MoveWindow(Window(), control_.Left(), control_.Top(), control_.Width(), control_.Height(), TRUE);
}

void WindowPeer::ApplyVisible() { ShowWindow(Window(), control_.Visible() ? SW_SHOWNA : SW_HIDE); }

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
  GetClientRect(Window(), &client);
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
