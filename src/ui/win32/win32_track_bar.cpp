#include "ui/win32/win32_peers.h"

#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

// A horizontal track bar without tick marks that shows its selection range.
class TrackBarPeer final : public WindowPeer {
 public:
  TrackBarPeer(Win32Backend& backend, TTrackBar& trackBar)
      : WindowPeer(backend, trackBar, classes::kTrackBar), trackBar_(trackBar) {
    clickEvents_ = false;
    capturesMouse_ = false;
    CreateChild(TBS_HORZ | TBS_NOTICKS | TBS_ENABLESELRANGE);
    Changed(Change::Range, -1);
  }

  void Changed(Change what, int index) override {
    if (!Window()) return;
    switch (what) {
      case Change::Range:
        SendMessageA(Window(), TBM_SETRANGEMIN, FALSE, trackBar_.Min());
        SendMessageA(Window(), TBM_SETRANGEMAX, TRUE, trackBar_.Max());
        ShowSelection();  // the window cut its ends to the range it had when they came
        [[fallthrough]];
      case Change::Position:
        SendMessageA(Window(), TBM_SETPOS, TRUE, trackBar_.Position());
        break;
      case Change::Selection:
        ShowSelection();
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
  // Only the ends the window does not hold go to it, and it repaints once: the refresh tick moves the
  // start five times a second. The window's own ends are read, as it cuts those outside its range.
  void ShowSelection() {
    const bool start = SendMessageA(Window(), TBM_GETSELSTART, 0, 0) != trackBar_.SelStart();
    const bool end = SendMessageA(Window(), TBM_GETSELEND, 0, 0) != trackBar_.SelEnd();
    if (start) SendMessageA(Window(), TBM_SETSELSTART, !end, trackBar_.SelStart());
    if (end) SendMessageA(Window(), TBM_SETSELEND, TRUE, trackBar_.SelEnd());
  }

  TTrackBar& trackBar_;
};

}  // namespace

std::unique_ptr<Peer> MakeTrackBarPeer(Win32Backend& backend, TTrackBar& trackBar) {
  return std::make_unique<TrackBarPeer>(backend, trackBar);
}

}  // namespace ui::win32
