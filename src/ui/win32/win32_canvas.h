// The canvas of a control on Win32: the paint request's DC while the control paints, otherwise the
// window's own DC for each drawing call.
#pragma once

#include "ui/win32/windows_api.h"

#include "ui/canvas.h"
#include "ui/control.h"
#include "ui/win32/win32_fonts.h"

namespace ui::win32 {

class Win32Canvas final : public TCanvas {
 public:
  Win32Canvas(TControl& control, Fonts& fonts) : control_(control), fonts_(fonts) {}

  // Draws on a paint DC for as long as it lives.
  class Binding {
   public:
    Binding(Win32Canvas& canvas, HDC dc) : canvas_(canvas), previous_(canvas.bound_) { canvas.bound_ = dc; }
    ~Binding() { canvas_.bound_ = previous_; }
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

   private:
    Win32Canvas& canvas_;
    HDC previous_;
  };

  void FillRect(const TRect& rect, TColor color) override;
  void PatternInvert(const TRect& rect) override;
  void InvertRect(const TRect& rect) override;
  TSize TextExtent(const std::string& text) override;
  void TextAt(int x, int y, const std::string& text) override;
  int WrappedTextHeight(const std::string& text, int width) override;
  void DrawIcon(int x, int y, std::uintptr_t icon, int size = 16) override;

 protected:
  void DrawLine(TPoint from, TPoint to, TColor color) override;

 private:
  // Runs the drawing on the DC to draw on; nothing when the control has no window.
  template <typename Draw>
  void OnDC(Draw draw);
  // Runs the measuring on a DC with the control's font selected.
  template <typename Measure>
  void Measuring(Measure measure);
  TControl& control_;
  Fonts& fonts_;
  HDC bound_ = nullptr;
};

}  // namespace ui::win32
