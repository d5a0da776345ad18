#include "ui/win32/win32_peers.h"

#include <algorithm>
#include <string>

#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

// A flat tool button: a raised edge under the mouse, sunken while pressed, its glyph in the middle.
// It never takes the focus; its window text is its hint, which its form's tool tip also shows.
class SpeedButtonPeer final : public WindowPeer {
 public:
  SpeedButtonPeer(Win32Backend& backend, TSpeedButton& button)
      : WindowPeer(backend, button, classes::kSpeedButton), button_(button) {
    CreateChild(0);
    SetWindowTextA(Window(), button.Hint().c_str());
  }

  void Changed(Change what, int index) override {
    if (!Window()) return;
    if (what == Change::Text) return;  // the window text is the hint
    if (what == Change::Hint) SetWindowTextA(Window(), button_.Hint().c_str());
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
  bool hot_ = false, pressed_ = false, held_ = false;
};

}  // namespace

std::unique_ptr<Peer> MakeSpeedButtonPeer(Win32Backend& backend, TSpeedButton& button) {
  return std::make_unique<SpeedButtonPeer>(backend, button);
}

}  // namespace ui::win32
