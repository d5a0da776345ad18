#include "ui/win32/win32_peers.h"

#include <algorithm>
#include <string>

#include "ui/buttons.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

constexpr os::WindowClass kButton{"TunoraButton", "BUTTON"};
constexpr os::WindowClass kGroupBox{"TunoraGroupBox", nullptr, CS_DBLCLKS};

// A push button; its parent hears BN_CLICKED on a click, Space or Enter, and the button clicks itself.
class ButtonPeer final : public WindowPeer {
 public:
  ButtonPeer(Win32Backend& backend, TButton& button) : WindowPeer(backend, button, kButton), button_(button) {
    // The system's button reports its own clicks, and captures the mouse itself.
    clickEvents_ = false;
    capturesMouse_ = false;
    CreateChild(Style());
  }

  void Changed(Change what, int index) override {
    if (!Window()) return;
    if (what == Change::Style) {
      SendMessageA(Window(), BM_SETSTYLE, Style(), TRUE);
      return;
    }
    WindowPeer::Changed(what, index);
  }

 protected:
  bool Reflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
    switch (message) {
      case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) button_.Click();
        result = 0;
        return true;
      case WM_CTLCOLORBTN:
        result = reinterpret_cast<LRESULT>(BackgroundBrush());
        return true;
    }
    return false;
  }

 private:
  DWORD Style() const { return button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }
  TButton& button_;
};

// A check box or a radio button. The system's button only reports the click; the control decides the
// check mark, which the window then shows.
template <typename Box>
class CheckPeer final : public WindowPeer {
 public:
  CheckPeer(Win32Backend& backend, Box& box, DWORD kind) : WindowPeer(backend, box, kButton), check_(box) {
    clickEvents_ = false;
    capturesMouse_ = false;
    CreateChild(kind);
    Changed(Change::Checked, -1);
  }

  void Changed(Change what, int index) override {
    if (!Window()) return;
    if (what == Change::Checked) {
      SendMessageA(Window(), BM_SETCHECK, check_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
      return;
    }
    WindowPeer::Changed(what, index);
  }

 protected:
  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    switch (message) {
      case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) check_.Click();
        result = 0;
        return true;
      case WM_CTLCOLORSTATIC: {
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
  Box& check_;
};

// A group box: an etched frame whose top line runs through the middle of the caption. Tab and the
// dialog keys reach the controls inside it (WS_EX_CONTROLPARENT).
class GroupBoxPeer final : public WindowPeer {
 public:
  GroupBoxPeer(Win32Backend& backend, TGroupBox& group) : WindowPeer(backend, group, kGroupBox) {
    CreateChild(WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
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
        Paint(dc.Get());
        return 0;
      }
    }
    return WindowPeer::Message(message, wParam, lParam);
  }

 private:
  void Paint(HDC dc) {
    Selected font(dc, backend_.Fonts().Handle(control_.Font()));
    const std::string& caption = control_.Caption();
    SIZE text{};
    GetTextExtentPoint32A(dc, caption.empty() ? " " : caption.c_str(), std::max<int>(1, caption.size()), &text);
    RECT frame = ClientRect(Window());
    frame.top = text.cy / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (caption.empty()) return;
    RECT label{kCaptionLeft, 0, kCaptionLeft + text.cx + 2 * kCaptionGap, text.cy};
    FillRect(dc, &label, BackgroundBrush());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRef(control_.Enabled() ? control_.FontColor() : clGrayText));
    TextOutA(dc, kCaptionLeft + kCaptionGap, 0, caption.c_str(), static_cast<int>(caption.size()));
  }

  static constexpr int kCaptionLeft = 6, kCaptionGap = 2;
};

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

std::unique_ptr<Peer> MakeButtonPeer(Win32Backend& backend, TButton& button) {
  return std::make_unique<ButtonPeer>(backend, button);
}

std::unique_ptr<Peer> MakeCheckBoxPeer(Win32Backend& backend, TCheckBox& box) {
  return std::make_unique<CheckPeer<TCheckBox>>(backend, box, BS_CHECKBOX);
}

std::unique_ptr<Peer> MakeRadioButtonPeer(Win32Backend& backend, TRadioButton& radio) {
  return std::make_unique<CheckPeer<TRadioButton>>(backend, radio, BS_RADIOBUTTON);
}

std::unique_ptr<Peer> MakeGroupBoxPeer(Win32Backend& backend, TGroupBox& group) {
  return std::make_unique<GroupBoxPeer>(backend, group);
}

std::unique_ptr<Peer> MakeSpeedButtonPeer(Win32Backend& backend, TSpeedButton& button) {
  return std::make_unique<SpeedButtonPeer>(backend, button);
}

}  // namespace ui::win32
