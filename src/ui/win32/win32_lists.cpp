#include "ui/win32/win32_peers.h"

#include <string>

#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

// A single-selection list box, its items mirrored one change at a time.
class ListBoxPeer final : public WindowPeer {
 public:
  ListBoxPeer(Win32Backend& backend, TListBox& list) : WindowPeer(backend, list, classes::kListBox), list_(list) {
    clickEvents_ = false;
    capturesMouse_ = false;
    CreateChild(WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE);
    SendMessageA(Window(), LB_SETITEMHEIGHT, 0, list.ItemHeight);
    Changed(Change::Items, -1);
    Changed(Change::HorizontalExtent, -1);
    Changed(Change::TopIndex, -1);
  }

  void Changed(Change what, int index) override {
    if (!Window()) return;
    switch (what) {
      case Change::Items:
        MirrorItems(index);
        SendMessageA(Window(), LB_SETCURSEL, list_.ItemIndex(), 0);
        break;
      case Change::ItemIndex:
        SendMessageA(Window(), LB_SETCURSEL, list_.ItemIndex(), 0);
        ReadTopIndex();
        break;
      case Change::TopIndex:
        if (!readingTop_) SendMessageA(Window(), LB_SETTOPINDEX, list_.TopIndex(), 0);
        break;
      case Change::HorizontalExtent:
        SendMessageA(Window(), LB_SETHORIZONTALEXTENT, list_.HorizontalExtent(), 0);
        break;
      default:
        WindowPeer::Changed(what, index);
    }
  }

 protected:
  LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_VSCROLL:
      case WM_HSCROLL: {
        const LRESULT result = CallBase(message, wParam, lParam);
        ReadTopIndex();
        list_.Scrolled(message == WM_VSCROLL, LOWORD(wParam), HIWORD(wParam));
        return result;
      }
      case WM_MOUSEWHEEL:
      case WM_KEYDOWN: {
        const LRESULT result = CallBase(message, wParam, lParam);
        ReadTopIndex();
        return result;
      }
    }
    return WindowPeer::Message(message, wParam, lParam);
  }

  bool Reflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
    if (message != WM_COMMAND) return false;
    result = 0;
    switch (HIWORD(wParam)) {
      case LBN_SELCHANGE:
        ReadTopIndex();
        list_.UserSelect(static_cast<int>(SendMessageA(Window(), LB_GETCURSEL, 0, 0)));
        break;
      case LBN_DBLCLK:
        list_.DblClick();
        break;
    }
    return true;
  }

 private:
  void MirrorItems(int index) {
    const int shown = static_cast<int>(SendMessageA(Window(), LB_GETCOUNT, 0, 0));
    if (index < 0) {
      SendMessageA(Window(), WM_SETREDRAW, FALSE, 0);
      SendMessageA(Window(), LB_RESETCONTENT, 0, 0);
      for (const std::string& item : list_.Items())
        SendMessageA(Window(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
      SendMessageA(Window(), WM_SETREDRAW, TRUE, 0);
      InvalidateRect(Window(), nullptr, TRUE);
      return;
    }
    // One item was inserted, deleted or replaced at index.
    if (list_.Count() <= shown) SendMessageA(Window(), LB_DELETESTRING, index, 0);
    if (list_.Count() >= shown)
      SendMessageA(Window(), LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(list_.Item(index).c_str()));
  }

  // The list scrolls itself; the control learns where it is.
  void ReadTopIndex() {
    const int top = static_cast<int>(SendMessageA(Window(), LB_GETTOPINDEX, 0, 0));
    if (top == list_.TopIndex()) return;
    readingTop_ = true;
    list_.SetTopIndex(top);
    readingTop_ = false;
  }

  TListBox& list_;
  bool readingTop_ = false;
};

}  // namespace

std::unique_ptr<Peer> MakeListBoxPeer(Win32Backend& backend, TListBox& list) {
  return std::make_unique<ListBoxPeer>(backend, list);
}

}  // namespace ui::win32
