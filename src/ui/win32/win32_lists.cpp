#include "ui/win32/win32_peers.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_owner_draw.h"

namespace ui::win32 {

namespace {

// The list box's own timer, which scrolls it while the mouse selects beyond its edge.
constexpr UINT kListTimer = 0x0118;

// A list box of single or extended multiple selection, plain or owner-drawn. The control's items and
// selection go to the window; what the user does there (selecting, scrolling) comes back to the control.
class ListBoxPeer final : public WindowPeer {
 public:
  ListBoxPeer(Win32Backend& backend, TListBox& list) : WindowPeer(backend, list, classes::kListBox), list_(list) {
    clickEvents_ = false;
    capturesMouse_ = false;
    CreateChild(Style(), WS_EX_CLIENTEDGE);
    Mirror();
  }

  void Changed(Change what, int index) override {
    if (!Window()) return;
    switch (what) {
      case Change::Items:
        // A run of changes reaches the window as one, at its end.
        if (list_.Updating()) {
          itemsBehind_ = true;
          break;
        }
        MirrorItems(index);
        ReadTopIndex();
        break;
      case Change::ItemIndex:
        if (reading_ || itemsBehind_) break;
        ShowItemIndex();
        ReadTopIndex();
        break;
      case Change::ItemSelected:
        if (!reading_ && !itemsBehind_) SendMessageA(Window(), LB_SETSEL, list_.Selected(index), index);
        break;
      case Change::TopIndex:
        if (reading_ || itemsBehind_) break;
        SendMessageA(Window(), LB_SETTOPINDEX, list_.TopIndex(), 0);
        ReadTopIndex();  // the window keeps its last page full
        break;
      case Change::HorizontalExtent:
        SendMessageA(Window(), LB_SETHORIZONTALEXTENT, list_.HorizontalExtent(), 0);
        break;
      case Change::Style:
        RecreateChild(Style(), WS_EX_CLIENTEDGE);
        Mirror();
        break;
      case Change::Updating:
        if (list_.Updating()) {
          SendMessageA(Window(), WM_SETREDRAW, FALSE, 0);
        } else if (std::exchange(itemsBehind_, false)) {
          MirrorItems(-1);
          ReadTopIndex();
        } else {
          SendMessageA(Window(), WM_SETREDRAW, TRUE, 0);
          InvalidateRect(Window(), nullptr, TRUE);
          ReadTopIndex();
        }
        break;
      case Change::Bounds:
        WindowPeer::Changed(what, index);
        ReadTopIndex();
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
      case WM_GETDLGCODE: {
        // Enter is the list's own (it opens a folder, adds a file): a dialog's default button does not
        // take it.
        LRESULT code = CallBase(message, wParam, lParam);
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
        return code;
      }
      // Whatever may have scrolled the list: the wheel, the keys, the mouse selecting beyond an edge.
      case WM_MOUSEWHEEL:
      case WM_KEYDOWN:
      case WM_CHAR:
      case WM_MOUSEMOVE:
      case WM_LBUTTONUP:
      case WM_SIZE:
      case kListTimer: {
        const LRESULT result = WindowPeer::Message(message, wParam, lParam);
        if (Window()) ReadTopIndex();
        return result;
      }
    }
    return WindowPeer::Message(message, wParam, lParam);
  }

  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    switch (message) {
      case WM_COMMAND:
        result = 0;
        switch (HIWORD(wParam)) {
          case LBN_SELCHANGE: UserSelected(); break;
          case LBN_DBLCLK: list_.DblClick(); break;
        }
        return true;
      case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = list_.ItemHeight;
        result = TRUE;
        return true;
      case WM_DRAWITEM:
        DrawOwnerItem(list_, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
                      [this](int item, TRect rect, TOwnerDrawState state) { list_.DrawItem(item, rect, state); });
        result = TRUE;
        return true;
      case WM_CTLCOLORLISTBOX: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, ColorRef(list_.Color()));
        SetTextColor(dc, ColorRef(list_.FontColor()));
        result = reinterpret_cast<LRESULT>(BackgroundBrush());
        return true;
      }
    }
    return false;
  }

  // The list selects at a press but may report it only at the release (Wine's does): the control knows
  // the pressed item when it hears of the press, as a drag begun there needs.
  void Pressed() override {
    ReadSelection();
    ReadTopIndex();
  }

  // An automatic drag of a multiple selection starts on any of its items: pressing one of them must not
  // select it alone.
  bool PressBelongsToDrag(WPARAM keys, int x, int y) override {
    if (!list_.MultiSelect() || list_.DragMode != TDragMode::dmAutomatic || (keys & (MK_SHIFT | MK_CONTROL)))
      return false;
    const LRESULT hit = SendMessageA(Window(), LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
    return !HIWORD(hit) && SendMessageA(Window(), LB_GETSEL, LOWORD(hit), 0) > 0;
  }

 private:
  // While the control takes what the window shows, its changes are not sent back.
  class Reading {
   public:
    explicit Reading(bool& flag) : flag_(flag), previous_(std::exchange(flag, true)) {}
    ~Reading() { flag_ = previous_; }
    Reading(const Reading&) = delete;
    Reading& operator=(const Reading&) = delete;

   private:
    bool& flag_;
    bool previous_;
  };

  DWORD Style() const {
    DWORD style = WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    if (list_.Style() == TListBoxStyle::lbOwnerDrawFixed) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    if (list_.MultiSelect()) style |= LBS_EXTENDEDSEL;
    return style;
  }

  // Everything the control holds, into a window just made. An owner-drawn list has asked for its item
  // height while it was made.
  void Mirror() {
    itemsBehind_ = false;
    if (list_.Style() == TListBoxStyle::lbStandard) SendMessageA(Window(), LB_SETITEMHEIGHT, 0, list_.ItemHeight);
    SendMessageA(Window(), LB_SETHORIZONTALEXTENT, list_.HorizontalExtent(), 0);
    if (list_.Updating()) SendMessageA(Window(), WM_SETREDRAW, FALSE, 0);
    MirrorItems(-1);
  }

  void MirrorItems(int index) {
    if (index >= 0) {
      // One item was inserted, deleted or replaced at index.
      const int shown = static_cast<int>(SendMessageA(Window(), LB_GETCOUNT, 0, 0));
      if (list_.Count() <= shown) SendMessageA(Window(), LB_DELETESTRING, index, 0);
      if (list_.Count() >= shown) {
        SendMessageA(Window(), LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(list_.Item(index).c_str()));
        if (list_.MultiSelect() && list_.Selected(index)) SendMessageA(Window(), LB_SETSEL, TRUE, index);
      }
      ShowItemIndex();
      return;
    }
    // All of them, without a repaint between: the storage for them taken at once, since the list box
    // would otherwise grow it a few items at a time.
    const bool redraw = !list_.Updating();
    if (redraw) SendMessageA(Window(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(Window(), LB_RESETCONTENT, 0, 0);
    std::size_t bytes = 0;
    for (const std::string& item : list_.Items()) bytes += item.size() + 1;
    SendMessageA(Window(), LB_INITSTORAGE, list_.Count(), static_cast<LPARAM>(bytes));
    for (const std::string& item : list_.Items())
      SendMessageA(Window(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (list_.MultiSelect())
      for (int i = 0; i < list_.Count(); ++i)
        if (list_.Selected(i)) SendMessageA(Window(), LB_SETSEL, TRUE, i);
    ShowItemIndex();
    SendMessageA(Window(), LB_SETTOPINDEX, list_.TopIndex(), 0);
    if (redraw) {
      SendMessageA(Window(), WM_SETREDRAW, TRUE, 0);
      InvalidateRect(Window(), nullptr, TRUE);
    }
  }

  // The selected item, or a multiple selection's focused one.
  void ShowItemIndex() {
    if (!list_.MultiSelect()) {
      SendMessageA(Window(), LB_SETCURSEL, list_.ItemIndex(), 0);
    } else if (list_.ItemIndex() >= 0) {
      SendMessageA(Window(), LB_SETCARETINDEX, list_.ItemIndex(), FALSE);
    }
  }

  // The user changed the selection: the control takes it from the window, then fires its click.
  void UserSelected() {
    ReadTopIndex();
    if (!list_.MultiSelect()) {
      list_.UserSelect(static_cast<int>(SendMessageA(Window(), LB_GETCURSEL, 0, 0)));
      return;
    }
    ReadSelection();
    list_.Click();
  }

  // The selection the window shows, and a multiple selection's focused item.
  void ReadSelection() {
    Reading reading(reading_);
    if (!list_.MultiSelect()) {
      list_.SetItemIndex(static_cast<int>(SendMessageA(Window(), LB_GETCURSEL, 0, 0)));
      return;
    }
    const int count = static_cast<int>(SendMessageA(Window(), LB_GETSELCOUNT, 0, 0));
    std::vector<int> items(std::max(count, 0));
    SendMessageA(Window(), LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()));
    std::vector<bool> selected(list_.Count());
    for (int item : items)
      if (item >= 0 && item < list_.Count()) selected[item] = true;
    for (int i = 0; i < list_.Count(); ++i) list_.SetSelected(i, selected[i]);
    list_.SetItemIndex(static_cast<int>(SendMessageA(Window(), LB_GETCARETINDEX, 0, 0)));
  }

  // The list scrolls itself; the control learns where it is.
  void ReadTopIndex() {
    const int top = static_cast<int>(SendMessageA(Window(), LB_GETTOPINDEX, 0, 0));
    if (top == list_.TopIndex()) return;
    Reading reading(reading_);
    list_.SetTopIndex(top);
  }

  TListBox& list_;
  bool reading_ = false;
  // Items changed during a run of changes, which the window has not been given yet: until the run
  // ends, it is told nothing of the items, the selection or the scrolling.
  bool itemsBehind_ = false;
};

}  // namespace

std::unique_ptr<Peer> MakeListBoxPeer(Win32Backend& backend, TListBox& list) {
  return std::make_unique<ListBoxPeer>(backend, list);
}

}  // namespace ui::win32
