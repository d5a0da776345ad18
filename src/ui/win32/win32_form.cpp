#include "ui/win32/win32_form.h"

#include "ui/buttons.h"
#include "ui/menus.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_menus.h"

namespace ui::win32 {

namespace {
bool IsMainForm(const TForm& form) { return HasApplication() && Application().MainForm() == &form; }
}  // namespace

FormPeer::FormPeer(Win32Backend& backend, TForm& form) : WindowPeer(backend, form, classes::kForm), form_(form) {
  const SIZE frame = FrameSize();
  const bool placed = form.Left() != 0 || form.Top() != 0;
  Create(Style(), ExStyle(), OwnerWindow(), placed ? form.Left() : CW_USEDEFAULT, placed ? form.Top() : CW_USEDEFAULT,
         frame.cx, frame.cy);
  hints_ = std::make_unique<HintWindow>(Window());
  if (Win32MenuPeer* menu = MenuPeer()) AttachMenu(menu->Bar());
  ApplyBounds();
  if (form.TopMost()) Changed(Change::TopMost, -1);
}

FormPeer::~FormPeer() {
  // The bar is the menu peer's; a window destroys the menu it holds.
  if (Window()) SetMenu(Window(), nullptr);
}

HWND FormPeer::OwnerWindow() const {
  if (IsMainForm(form_)) return nullptr;
  // Other forms stay above the form they belong to and have no task-bar button of their own.
  if (const auto* owner = dynamic_cast<const TForm*>(form_.Owner()); owner && owner->Handle())
    return reinterpret_cast<HWND>(owner->Handle());
  const TForm* main = HasApplication() ? Application().MainForm() : nullptr;
  return main ? reinterpret_cast<HWND>(main->Handle()) : nullptr;
}

DWORD FormPeer::Style() const {
  DWORD style = WS_CAPTION | WS_CLIPCHILDREN;
  if (form_.BorderIcons & biSystemMenu) style |= WS_SYSMENU;
  if (form_.BorderStyle == TFormBorderStyle::bsDialog) return style | WS_POPUP | DS_MODALFRAME;
  if (form_.BorderIcons & biMinimize) style |= WS_MINIMIZEBOX;
  if (form_.BorderIcons & biMaximize) style |= WS_MAXIMIZEBOX;
  return style | WS_OVERLAPPED;
}

DWORD FormPeer::ExStyle() const {
  return form_.BorderStyle == TFormBorderStyle::bsDialog ? WS_EX_DLGMODALFRAME : 0;
}

Win32MenuPeer* FormPeer::MenuPeer() const {
  return form_.Menu() ? dynamic_cast<Win32MenuPeer*>(form_.Menu()->GetPeer()) : nullptr;
}

SIZE FormPeer::FrameSize() const {
  RECT r{0, 0, form_.ClientWidth(), form_.ClientHeight()};
  AdjustWindowRectEx(&r, Style(), Window() && GetMenu(Window()) != nullptr, ExStyle());
  return SIZE{r.right - r.left, r.bottom - r.top};
}

void FormPeer::AttachMenu(HMENU bar) {
  if (!Window()) return;
  SetMenu(Window(), bar);
  DrawMenuBar(Window());
  ApplyBounds();
}

void FormPeer::ApplyBounds() {
  if (readingBounds_) return;
  const SIZE frame = FrameSize();
  if (IsIconic(Window())) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(Window(), &placement);
    placement.rcNormalPosition = RECT{form_.Left(), form_.Top(), form_.Left() + frame.cx, form_.Top() + frame.cy};
    SetWindowPlacement(Window(), &placement);
    return;
  }
  SetWindowPos(Window(), nullptr, form_.Left(), form_.Top(), frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  // A menu bar that wraps onto a second line takes more than the frame computation allows for.
  RECT client;
  GetClientRect(Window(), &client);
  const int dx = form_.ClientWidth() - client.right, dy = form_.ClientHeight() - client.bottom;
  if (dx || dy)
    SetWindowPos(Window(), nullptr, 0, 0, frame.cx + dx, frame.cy + dy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  ReadBounds();
}

void FormPeer::ReadBounds() {
  if (!Window() || IsIconic(Window()) || readingBounds_) return;
  RECT r;
  GetWindowRect(Window(), &r);
  readingBounds_ = true;
  form_.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  readingBounds_ = false;
}

void FormPeer::ApplyVisible() {
  // A modal form shows at once, its run waits for it.
  if (form_.Modal()) {
    ShowAsTold();
    return;
  }
  // Others take the form's state once the current handler has returned, so a form shown and hidden
  // again within one handler (the start-up does that) never reaches the screen: under X11 a window
  // mapped and withdrawn at once costs a long wait.
  if (visibilityPending_) return;
  visibilityPending_ = true;
  backend_.Loop().Post([this, alive = std::weak_ptr<bool>(alive_)] {
    if (alive.expired()) return;
    visibilityPending_ = false;
    ShowAsTold();
  });
}

void FormPeer::ShowAsTold() {
  const bool show = form_.Visible() && (!IsMainForm(form_) || backend_.ApplicationWindowShown());
  if (!show) {
    ShowWindow(Window(), SW_HIDE);
  } else {
    ShowWindow(Window(), shown_ ? SW_SHOW : SW_SHOWNORMAL);
    shown_ = true;
  }
}

void FormPeer::Changed(Change what, int index) {
  if (!Window()) return;
  if (what == Change::TopMost) {
    SetWindowPos(Window(), form_.TopMost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return;
  }
  WindowPeer::Changed(what, index);
}

bool FormPeer::DialogMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case DM_GETDEFID:
      // Enter presses the focused button, else the default one.
      if (TButton* button = EnterButton(form_); button && button->Handle())
        result = MAKELRESULT(GetDlgCtrlID(reinterpret_cast<HWND>(button->Handle())), DC_HASDEFID);
      return true;
    case WM_COMMAND:
      // Esc, or Enter without a button to press: the commands name no window of the form.
      if (lParam != 0 || (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL)) return false;
      if (TButton* button = LOWORD(wParam) == IDCANCEL ? EscapeButton(form_) : nullptr) button->Click();
      return true;
    case WM_NEXTDLGCTL: {
      // The focus moves to the window named, or to the next or previous tab stop.
      HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(Window(), GetFocus(), static_cast<BOOL>(wParam != 0));
      if (next) SetFocus(next);
      return true;
    }
  }
  return false;
}

LRESULT FormPeer::Message(UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT result = 0; DialogMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_ACTIVATEAPP:
      Application().Activate(wParam != FALSE);
      break;
    case WM_CLOSE:
      form_.Close();
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MAXIMIZE && form_.OnMaximize) {
        form_.OnMaximize();
        return 0;
      }
      break;
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) == 0) {
        if (Win32MenuPeer* menu = MenuPeer(); menu && menu->Command(LOWORD(wParam))) return 0;
      }
      break;
    case WM_NOTIFY:
      if (LRESULT result = 0; hints_ && hints_->Notified(*reinterpret_cast<NMHDR*>(lParam), result)) return result;
      break;
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
      if (!wParam) {
        if (Win32MenuPeer* menu = MenuPeer()) menu->MenuLoop(message == WM_ENTERMENULOOP);
      }
      break;
    case WM_ERASEBKGND:
      FillBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_PAINT: {
      PaintDC dc(Window());
      PaintGraphicChildren(dc.Get());
      return 0;
    }
    case WM_MOVE:
    case WM_SIZE: {
      const LRESULT result = WindowPeer::Message(message, wParam, lParam);
      ReadBounds();
      return result;
    }
  }
  return WindowPeer::Message(message, wParam, lParam);
}

}  // namespace ui::win32
