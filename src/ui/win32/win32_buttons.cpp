#include "ui/win32/win32_peers.h"

#include <algorithm>
#include <string>

#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

// A flat tool button: a raised edge under the mouse, sunken while pressed, its glyph or caption (or both)
// in the middle.
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
    // The window text is the hint, the caption is only painted.
    if (what == Change::Text) {
      InvalidateRect(Window(), nullptr, FALSE);
      return;
    }
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

  // The glyph and the caption side by side, centred together; sunk by a pixel while pressed, embossed
  // while disabled.
  void Paint(HDC dc) {
    RECT r = ClientRect(Window());
    FillRect(dc, &r, BackgroundBrush());
    const bool enabled = button_.Enabled();
    if (enabled && pressed_) {
      DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    } else if (enabled && hot_) {
      DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    Selected font(dc, backend_.Fonts().Handle(button_.Font()));
    const auto& glyph = button_.Glyph;
    SIZE glyphSize{0, static_cast<int>(glyph.size())};
    for (const std::string& row : glyph) glyphSize.cx = std::max(glyphSize.cx, static_cast<LONG>(row.size()));
    const std::string& caption = button_.Caption();
    RECT text{};
    if (!caption.empty()) DrawTextA(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
    const int spacing = glyphSize.cx && text.right ? kSpacing : 0;
    const int sink = enabled && pressed_ ? 1 : 0;
    const int left = (r.right - (glyphSize.cx + spacing + text.right)) / 2 + sink;
    const int top = (r.bottom - glyphSize.cy) / 2 + sink;
    OffsetRect(&text, left + glyphSize.cx + spacing, (r.bottom - text.bottom) / 2 + sink);
    SetBkMode(dc, TRANSPARENT);
    auto draw = [&](int dx, int dy, COLORREF color) {
      for (int y = 0; y < glyphSize.cy; ++y)
        for (int x = 0; x < static_cast<int>(glyph[y].size()); ++x)
          if (glyph[y][x] == '#') SetPixelV(dc, left + x + dx, top + y + dy, color);
      if (caption.empty()) return;
      RECT at = text;
      OffsetRect(&at, dx, dy);
      SetTextColor(dc, color);
      DrawTextA(dc, caption.c_str(), -1, &at, DT_SINGLELINE);
    };
    if (enabled) {
      draw(0, 0, GetSysColor(COLOR_BTNTEXT));
    } else {
      // Embossed: a highlight below and to the right, the shadow on top.
      draw(1, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
      draw(0, 0, GetSysColor(COLOR_BTNSHADOW));
    }
  }

  static constexpr int kSpacing = 4;  // between glyph and caption
  TSpeedButton& button_;
  bool hot_ = false, pressed_ = false, held_ = false;
};

}  // namespace

std::unique_ptr<Peer> MakeSpeedButtonPeer(Win32Backend& backend, TSpeedButton& button) {
  return std::make_unique<SpeedButtonPeer>(backend, button);
}

}  // namespace ui::win32
