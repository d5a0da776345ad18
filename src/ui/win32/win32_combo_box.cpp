#include "ui/win32/win32_peers.h"

#include <string>

#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_owner_draw.h"

namespace ui::win32 {

namespace {

// A drop-down list, plain or owner-drawn (its items and the closed box's face alike). The window is
// made as high as the closed box and its opened list together, which is how the system sizes the list.
class ComboBoxPeer final : public WindowPeer {
 public:
  ComboBoxPeer(Win32Backend& backend, TComboBox& combo)
      : WindowPeer(backend, combo, classes::kComboBox), combo_(combo) {
    clickEvents_ = false;
    capturesMouse_ = false;
    CreateChild(Style());
    Mirror();
  }

  void Changed(Change what, int index) override {
    if (!Window()) return;
    switch (what) {
      case Change::Items:
        MirrorItems(index);
        break;
      case Change::ItemIndex:
        SendMessageA(Window(), CB_SETCURSEL, combo_.ItemIndex(), 0);
        break;
      case Change::Style:
        RecreateChild(Style());
        Mirror();
        break;
      default:
        WindowPeer::Changed(what, index);
    }
  }

 protected:
  void ApplyBounds() override {
    // The closed box keeps the height the system gives it; what the window is given beyond that is the
    // opened list's, DropDownCount items and its border.
    RECT closed;
    GetWindowRect(Window(), &closed);
    const int itemHeight = static_cast<int>(SendMessageA(Window(), CB_GETITEMHEIGHT, 0, 0));
    const int list = combo_.DropDownCount * itemHeight + 2;
    MoveWindow(Window(), combo_.Left(), combo_.Top(), combo_.Width(), (closed.bottom - closed.top) + list, TRUE);
  }

  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    switch (message) {
      case WM_COMMAND:
        result = 0;
        if (HIWORD(wParam) == CBN_SELCHANGE) {
          const int index = static_cast<int>(SendMessageA(Window(), CB_GETCURSEL, 0, 0));
          if (index >= 0) combo_.UserSelect(index);
        }
        return true;
      case WM_MEASUREITEM:
        // The items and the face (item -1) alike.
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = combo_.ItemHeight;
        result = TRUE;
        return true;
      case WM_DRAWITEM:
        DrawOwnerItem(combo_, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
                      [this](int item, TRect rect, TOwnerDrawState state) { combo_.DrawItem(item, rect, state); });
        result = TRUE;
        return true;
      case WM_CTLCOLORLISTBOX:
      case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, ColorRef(combo_.Color()));
        SetTextColor(dc, ColorRef(combo_.Enabled() ? combo_.FontColor() : clGrayText));
        result = reinterpret_cast<LRESULT>(BackgroundBrush());
        return true;
      }
    }
    return false;
  }

 private:
  DWORD Style() const {
    DWORD style = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    if (combo_.Style() == TComboBoxStyle::csOwnerDrawFixed) style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    return style;
  }

  // Everything the control holds, into a window just made (an owner-drawn one has measured its items
  // while it was made).
  void Mirror() {
    MirrorItems(-1);
    ApplyBounds();
  }

  void MirrorItems(int index) {
    if (index >= 0) {
      // One item was inserted or deleted at index.
      const int shown = static_cast<int>(SendMessageA(Window(), CB_GETCOUNT, 0, 0));
      if (combo_.Count() < shown) SendMessageA(Window(), CB_DELETESTRING, index, 0);
      if (combo_.Count() > shown)
        SendMessageA(Window(), CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(combo_.Item(index).c_str()));
    } else {
      SendMessageA(Window(), CB_RESETCONTENT, 0, 0);
      for (const std::string& item : combo_.Items())
        SendMessageA(Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageA(Window(), CB_SETCURSEL, combo_.ItemIndex(), 0);
  }

  TComboBox& combo_;
};

}  // namespace

std::unique_ptr<Peer> MakeComboBoxPeer(Win32Backend& backend, TComboBox& combo) {
  return std::make_unique<ComboBoxPeer>(backend, combo);
}

}  // namespace ui::win32
