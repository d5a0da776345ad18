#include "ui/win32/win32_peers.h"

#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

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
          Selected font(dc.Get(), backend_.Fonts().Handle(panel_.Font()));
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
  LabelPeer(Win32Backend& backend, TLabel& label) : WindowPeer(backend, label, classes::kLabel), label_(label) {
    // SS_NOTIFY: without it the static control lets the mouse through to its parent.
    CreateChild(Kind() | SS_NOTIFY);
  }

  void Changed(Change what, int index) override {
    if (!Window()) return;
    if (what != Change::Style) {
      WindowPeer::Changed(what, index);
      return;
    }
    const LONG style = GetWindowLongA(Window(), GWL_STYLE);
    SetWindowLongA(Window(), GWL_STYLE, (style & ~SS_TYPEMASK) | Kind());
    InvalidateRect(Window(), nullptr, TRUE);
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

 private:
  // A left-aligned label without word wrap cuts a caption too wide at its edge, never breaking it onto
  // a line that does not show; centred and right-aligned static text always breaks between words.
  DWORD Kind() const {
    switch (label_.Alignment()) {
      case TAlignment::taCenter: return SS_CENTER;
      case TAlignment::taRightJustify: return SS_RIGHT;
      default: return label_.WordWrap() ? SS_LEFT : SS_LEFTNOWORDWRAP;
    }
  }
  TLabel& label_;
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

}  // namespace

std::unique_ptr<Peer> MakePanelPeer(Win32Backend& backend, TPanel& panel) {
  return std::make_unique<PanelPeer>(backend, panel);
}
std::unique_ptr<Peer> MakeLabelPeer(Win32Backend& backend, TLabel& label) {
  return std::make_unique<LabelPeer>(backend, label);
}
std::unique_ptr<Peer> MakeBevelPeer(TBevel& bevel) { return std::make_unique<BevelPeer>(bevel); }

}  // namespace ui::win32
