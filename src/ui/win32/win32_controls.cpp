#include "ui/win32/windows_api.h"

#include <algorithm>
#include <string>

#include "ui/canvas.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_canvas.h"
#include "ui/win32/win32_peers.h"

namespace ui::win32 {

namespace {

RECT ClientRect(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return r;
}

// A panel: its colour, a raised or lowered bevel and its caption centred; children inside.
class PanelPeer final : public WindowPeer {
 public:
  PanelPeer(Win32Backend& backend, TPanel& panel) : WindowPeer(backend, panel, classes::kPanel), panel_(panel) {
    CreateChild(WS_CLIPCHILDREN);
  }

  void Changed(Change what, int index) override {
    WindowPeer::Changed(what, index);
    if (Window() && (what == Change::Text || what == Change::Bounds)) InvalidateRect(Window(), nullptr, TRUE);
  }

 protected:
  LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND:
        FillBackground(reinterpret_cast<HDC>(wParam));
        return 1;
      case WM_PAINT: {
        PaintDC dc(Window());
        RECT r = ClientRect(Window());
        if (panel_.BevelOuter == TPanel::TBevelCut::bvRaised) DrawEdge(dc.Get(), &r, BDR_RAISEDINNER, BF_RECT);
        if (panel_.BevelOuter == TPanel::TBevelCut::bvLowered) DrawEdge(dc.Get(), &r, BDR_SUNKENOUTER, BF_RECT);
        if (!panel_.Caption().empty()) {
          Selected font(dc.Get(), GuiFont());
          SetBkMode(dc.Get(), TRANSPARENT);
          SetTextColor(dc.Get(), ColorRef(panel_.Enabled() ? panel_.FontColor() : clGrayText));
          DrawTextA(dc.Get(), panel_.Caption().c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        PaintGraphicChildren(dc.Get());
        return 0;
      }
    }
    return WindowPeer::Message(message, wParam, lParam);
  }

 private:
  TPanel& panel_;
};

// A label: static text in its font colour on its colour.
class LabelPeer final : public WindowPeer {
 public:
  LabelPeer(Win32Backend& backend, TLabel& label) : WindowPeer(backend, label, classes::kLabel) {
    // SS_NOTIFY: without it the static control lets the mouse through to its parent.
    CreateChild(SS_LEFT | SS_NOTIFY);
  }

 protected:
  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_CTLCOLORSTATIC) {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, ColorRef(control_.FontColor()));
      SetBkColor(dc, ColorRef(control_.Color()));
      result = reinterpret_cast<LRESULT>(BackgroundBrush());
      return true;
    }
    // The static control's own click notifications: its mouse messages already made the events.
    return message == WM_COMMAND;
  }
};

// A bevel has no window: its parent paints it.
class BevelPeer final : public Peer {
 public:
  explicit BevelPeer(TBevel& bevel) : bevel_(bevel), painted_(Rect()) {}
  ~BevelPeer() override { Repaint(painted_); }
  std::uintptr_t Handle() const override { return 0; }
  void Changed(Change what, int) override {
    if (what != Change::Bounds && what != Change::Visible) return;
    Repaint(painted_);
    painted_ = Rect();
    Repaint(painted_);
  }

 private:
  RECT Rect() const {
    return RECT{bevel_.Left(), bevel_.Top(), bevel_.Left() + bevel_.Width(), bevel_.Top() + bevel_.Height()};
  }
  void Repaint(const RECT& r) const {
    if (TWinControl* parent = bevel_.Parent(); parent && parent->Handle())
      InvalidateRect(reinterpret_cast<HWND>(parent->Handle()), &r, TRUE);
  }
  TBevel& bevel_;
  RECT painted_;
};

// A flat tool button: a raised edge under the mouse, sunken while pressed, its glyph in the middle.
// It never takes the focus; its window text is its hint, which a tool tip also shows.
class SpeedButtonPeer final : public WindowPeer {
 public:
  SpeedButtonPeer(Win32Backend& backend, TSpeedButton& button)
      : WindowPeer(backend, button, classes::kSpeedButton), button_(button) {
    CreateChild(0);
    SetWindowTextA(Window(), button.Hint().c_str());
    AddToolTip();
  }
  ~SpeedButtonPeer() override {
    if (toolTip_) DestroyWindow(toolTip_);
  }

  void Changed(Change what, int index) override {
    if (!Window()) return;
    if (what == Change::Text) return;  // the window text is the hint
    if (what == Change::Hint) {
      SetWindowTextA(Window(), button_.Hint().c_str());
      return;
    }
    if (what == Change::Enabled) hot_ = pressed_ = held_ = false;
    WindowPeer::Changed(what, index);
    if (what == Change::Bounds) InvalidateRect(Window(), nullptr, TRUE);
  }

 protected:
  LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        PaintDC dc(Window());
        Paint(dc.Get());
        return 0;
      }
      case WM_MOUSEMOVE: {
        const bool inside = CursorInside();
        if (!hot_) {
          TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Window(), 0};
          TrackMouseEvent(&track);
        }
        SetState(inside || held_, held_ && inside);
        break;
      }
      case WM_MOUSELEAVE:
        if (!held_) SetState(false, false);
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        held_ = true;
        SetState(true, true);
        break;
      case WM_LBUTTONUP:
      case WM_CAPTURECHANGED:
        held_ = false;
        SetState(CursorInside(), false);
        break;
      case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom == toolTip_ && header->code == TTN_GETDISPINFOA) {
          tipText_ = button_.ShowHint ? button_.Hint() : std::string();
          reinterpret_cast<NMTTDISPINFOA*>(lParam)->lpszText = tipText_.data();
          return 0;
        }
        break;
      }
    }
    return WindowPeer::Message(message, wParam, lParam);
  }

 private:
  bool CursorInside() const {
    POINT at;
    GetCursorPos(&at);
    ScreenToClient(Window(), &at);
    RECT client = ClientRect(Window());
    return PtInRect(&client, at) != FALSE;
  }

  void SetState(bool hot, bool pressed) {
    if (hot == hot_ && pressed == pressed_) return;
    hot_ = hot;
    pressed_ = pressed;
    InvalidateRect(Window(), nullptr, FALSE);
  }

  void AddToolTip() {
    toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(Window(), GA_ROOT), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (!toolTip_) return;  // the button works without its tip
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Window();
    tool.uId = reinterpret_cast<UINT_PTR>(Window());
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }

  void Paint(HDC dc) {
    RECT r = ClientRect(Window());
    FillRect(dc, &r, BackgroundBrush());
    const bool enabled = button_.Enabled();
    if (enabled && pressed_) {
      DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    } else if (enabled && hot_) {
      DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    const auto& glyph = button_.Glyph;
    int width = 0;
    for (const std::string& row : glyph) width = std::max(width, static_cast<int>(row.size()));
    const int height = static_cast<int>(glyph.size());
    int left = (r.right - width) / 2, top = (r.bottom - height) / 2;
    if (enabled && pressed_) ++left, ++top;
    auto draw = [&](int dx, int dy, COLORREF color) {
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < static_cast<int>(glyph[y].size()); ++x)
          if (glyph[y][x] == '#') SetPixelV(dc, left + x + dx, top + y + dy, color);
    };
    if (enabled) {
      draw(0, 0, GetSysColor(COLOR_BTNTEXT));
    } else {
      // Embossed: a highlight below and to the right, the shadow on top.
      draw(1, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
      draw(0, 0, GetSysColor(COLOR_BTNSHADOW));
    }
  }

  TSpeedButton& button_;
  HWND toolTip_ = nullptr;
  std::string tipText_;
  bool hot_ = false, pressed_ = false, held_ = false;
};

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

// A horizontal track bar without tick marks that shows its selection range.
class TrackBarPeer final : public WindowPeer {
 public:
  TrackBarPeer(Win32Backend& backend, TTrackBar& trackBar)
      : WindowPeer(backend, trackBar, classes::kTrackBar), trackBar_(trackBar) {
    clickEvents_ = false;
    capturesMouse_ = false;
    CreateChild(TBS_HORZ | TBS_NOTICKS | TBS_ENABLESELRANGE);
    Changed(Change::Range, -1);
    Changed(Change::Selection, -1);
  }

  void Changed(Change what, int index) override {
    if (!Window()) return;
    switch (what) {
      case Change::Range:
        SendMessageA(Window(), TBM_SETRANGEMIN, FALSE, trackBar_.Min());
        SendMessageA(Window(), TBM_SETRANGEMAX, TRUE, trackBar_.Max());
        [[fallthrough]];
      case Change::Position:
        SendMessageA(Window(), TBM_SETPOS, TRUE, trackBar_.Position());
        break;
      case Change::Selection:
        SendMessageA(Window(), TBM_SETSELSTART, FALSE, trackBar_.SelStart());
        SendMessageA(Window(), TBM_SETSELEND, TRUE, trackBar_.SelEnd());
        break;
      default:
        WindowPeer::Changed(what, index);
    }
  }

 protected:
  bool Reflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
    switch (message) {
      case WM_HSCROLL:
        trackBar_.UserMove(static_cast<int>(SendMessageA(Window(), TBM_GETPOS, 0, 0)));
        result = 0;
        return true;
      case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), ColorRef(control_.Color()));
        result = reinterpret_cast<LRESULT>(BackgroundBrush());
        return true;
    }
    return false;
  }

 private:
  TTrackBar& trackBar_;
};

// A control that paints itself: its Paint draws on the canvas, bound to the paint request's DC.
class CustomControlPeer final : public WindowPeer {
 public:
  CustomControlPeer(Win32Backend& backend, TCustomControl& control)
      : WindowPeer(backend, control, classes::kCustomControl), custom_(control) {
    CreateChild(WS_CLIPCHILDREN);
  }

 protected:
  LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND:
        FillBackground(reinterpret_cast<HDC>(wParam));
        return 1;
      case WM_PAINT: {
        PaintDC dc(Window());
        auto* canvas = dynamic_cast<Win32Canvas*>(&custom_.Canvas());
        if (!canvas) return 0;
        Win32Canvas::Binding binding(*canvas, dc.Get());
        custom_.Paint();
        return 0;
      }
    }
    return WindowPeer::Message(message, wParam, lParam);
  }

 private:
  TCustomControl& custom_;
};

}  // namespace

std::unique_ptr<Peer> MakePanelPeer(Win32Backend& backend, TPanel& panel) {
  return std::make_unique<PanelPeer>(backend, panel);
}
std::unique_ptr<Peer> MakeLabelPeer(Win32Backend& backend, TLabel& label) {
  return std::make_unique<LabelPeer>(backend, label);
}
std::unique_ptr<Peer> MakeBevelPeer(TBevel& bevel) { return std::make_unique<BevelPeer>(bevel); }
std::unique_ptr<Peer> MakeSpeedButtonPeer(Win32Backend& backend, TSpeedButton& button) {
  return std::make_unique<SpeedButtonPeer>(backend, button);
}
std::unique_ptr<Peer> MakeListBoxPeer(Win32Backend& backend, TListBox& list) {
  return std::make_unique<ListBoxPeer>(backend, list);
}
std::unique_ptr<Peer> MakeTrackBarPeer(Win32Backend& backend, TTrackBar& trackBar) {
  return std::make_unique<TrackBarPeer>(backend, trackBar);
}
std::unique_ptr<Peer> MakeCustomControlPeer(Win32Backend& backend, TCustomControl& control) {
  return std::make_unique<CustomControlPeer>(backend, control);
}

}  // namespace ui::win32
