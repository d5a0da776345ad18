#include "ui/win32/win32_peers.h"

#include <string>

#include "ui/edits.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

constexpr os::WindowClass kEdit{"TunoraEdit", "EDIT"};
constexpr os::WindowClass kUpDown{"TunoraUpDown", UPDOWN_CLASSA};

TShiftState KeyShift() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

// A one-line edit box. The window holds what the user types; the control learns the text on each
// change and the caret after each key and mouse action, and the window is told only what differs.
class EditPeer final : public WindowPeer {
 public:
  EditPeer(Win32Backend& backend, TEdit& edit) : WindowPeer(backend, edit, kEdit), edit_(edit) {
    clickEvents_ = false;
    capturesMouse_ = false;
    CreateChild(Style(), ExStyle());
    Changed(Change::Selection, -1);
  }

  void Changed(Change what, int index) override {
    if (!Window()) return;
    switch (what) {
      case Change::Text:
        if (WindowText() == edit_.Text()) return;
        writing_ = true;
        SetWindowTextA(Window(), edit_.Text().c_str());
        writing_ = false;
        return;
      case Change::Selection:
        if (const auto [start, end] = WindowSelection(); start == edit_.SelStart() && end - start == edit_.SelLength())
          return;
        SendMessageA(Window(), EM_SETSEL, edit_.SelStart(), edit_.SelStart() + edit_.SelLength());
        return;
      case Change::Style: ApplyStyle(); return;
      default: WindowPeer::Changed(what, index);
    }
  }

 protected:
  LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_KEYDOWN: {
        auto key = static_cast<std::uint16_t>(wParam);
        edit_.KeyDown(key, KeyShift());
        if (!Window() || key == 0) return 0;
        const LRESULT result = CallBase(message, key, lParam);
        ReadSelection();
        return result;
      }
      case WM_CHAR: {
        char key = static_cast<char>(wParam);
        edit_.KeyPress(key);
        if (!Window() || key == 0) return 0;
        const LRESULT result = CallBase(message, static_cast<unsigned char>(key), lParam);
        ReadSelection();
        return result;
      }
      case WM_GETDLGCODE: {
        // Without AutoSelect, Tab into the box leaves its text unselected.
        const LRESULT code = CallBase(message, wParam, lParam);
        return edit_.AutoSelect ? code : code & ~DLGC_HASSETSEL;
      }
      case WM_KEYUP:
      case WM_LBUTTONDOWN:
      case WM_LBUTTONUP:
      case WM_LBUTTONDBLCLK:
      case WM_MOUSEMOVE: {
        const LRESULT result = WindowPeer::Message(message, wParam, lParam);
        if (Window()) ReadSelection();
        return result;
      }
    }
    return WindowPeer::Message(message, wParam, lParam);
  }

  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    switch (message) {
      case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE && !writing_) {
          const auto [start, end] = WindowSelection();
          edit_.TextEdited(WindowText(), start, end - start);
        }
        result = 0;
        return true;
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORSTATIC: {  // a read-only box asks for the static colours
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, ColorRef(control_.FontColor()));
        SetBkColor(dc, ColorRef(control_.Color()));
        result = reinterpret_cast<LRESULT>(BackgroundBrush());
        return true;
      }
    }
    return false;
  }

 private:
  DWORD Style() const {
    DWORD style = ES_AUTOHSCROLL;
    if (edit_.ReadOnly()) style |= ES_READONLY;
    if (edit_.OEMConvert) style |= ES_OEMCONVERT;
    if (edit_.BorderStyle() == TBorderStyle::bsSingle && !edit_.Ctl3D()) style |= WS_BORDER;
    return style;
  }
  DWORD ExStyle() const {
    return edit_.BorderStyle() == TBorderStyle::bsSingle && edit_.Ctl3D() ? WS_EX_CLIENTEDGE : 0;
  }

  void ApplyStyle() {
    SendMessageA(Window(), EM_SETREADONLY, edit_.ReadOnly(), 0);
    const LONG style = GetWindowLongA(Window(), GWL_STYLE);
    SetWindowLongA(Window(), GWL_STYLE, (style & ~WS_BORDER) | (Style() & WS_BORDER));
    const LONG exStyle = GetWindowLongA(Window(), GWL_EXSTYLE);
    SetWindowLongA(Window(), GWL_EXSTYLE, (exStyle & ~WS_EX_CLIENTEDGE) | ExStyle());
    SetWindowPos(Window(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  std::string WindowText() const {
    std::string text(GetWindowTextLengthA(Window()) + 1, '\0');
    text.resize(GetWindowTextA(Window(), text.data(), static_cast<int>(text.size())));
    return text;
  }

  std::pair<int, int> WindowSelection() const {
    DWORD start = 0, end = 0;
    SendMessageA(Window(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }

  void ReadSelection() {
    const auto [start, end] = WindowSelection();
    edit_.SelectionMoved(start, end - start);
  }

  TEdit& edit_;
  // The program's text is going to the window: its change notification is no user's edit.
  bool writing_ = false;
};

// The arrows of an up-down control. The control steps its own position (and its edit box's text); the
// window only reports which arrow the user pressed, and keeps the position it is told.
class UpDownPeer final : public WindowPeer {
 public:
  UpDownPeer(Win32Backend& backend, TUpDown& upDown) : WindowPeer(backend, upDown, kUpDown), upDown_(upDown) {
    clickEvents_ = false;
    capturesMouse_ = false;
    CreateChild(UDS_NOTHOUSANDS);
    Changed(Change::Range, -1);
  }

  void Changed(Change what, int index) override {
    if (!Window()) return;
    switch (what) {
      case Change::Range:
        SendMessageA(Window(), UDM_SETRANGE32, upDown_.Min(), upDown_.Max());
        [[fallthrough]];
      case Change::Position:
        SendMessageA(Window(), UDM_SETPOS32, 0, upDown_.Position());
        return;
      default: WindowPeer::Changed(what, index);
    }
  }

 protected:
  bool Reflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) override {
    switch (message) {
      case WM_NOTIFY: {
        const auto& notice = *reinterpret_cast<NMUPDOWN*>(lParam);
        if (notice.hdr.code != UDN_DELTAPOS) return false;
        upDown_.UserClick(notice.iDelta > 0 ? TUDBtnType::btNext : TUDBtnType::btPrev);
        result = TRUE;  // the window keeps its position; the control has set the one it shows
        return true;
      }
      case WM_VSCROLL:
        result = 0;
        return true;
    }
    return false;
  }

 private:
  TUpDown& upDown_;
};

}  // namespace

std::unique_ptr<Peer> MakeEditPeer(Win32Backend& backend, TEdit& edit) {
  return std::make_unique<EditPeer>(backend, edit);
}

std::unique_ptr<Peer> MakeUpDownPeer(Win32Backend& backend, TUpDown& upDown) {
  return std::make_unique<UpDownPeer>(backend, upDown);
}

}  // namespace ui::win32
