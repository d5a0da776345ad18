#include "ui/win32/win32_peers.h"

#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_canvas.h"

namespace ui::win32 {

namespace {

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

std::unique_ptr<Peer> MakeCustomControlPeer(Win32Backend& backend, TCustomControl& control) {
  return std::make_unique<CustomControlPeer>(backend, control);
}

}  // namespace ui::win32
