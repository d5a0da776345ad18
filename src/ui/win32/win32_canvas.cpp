#include "ui/win32/win32_canvas.h"

#include "ui/win32/win32_gdi.h"

namespace ui::win32 {

template <typename Draw>
void Win32Canvas::OnDC(Draw draw) {
  if (bound_) {
    draw(bound_);
    return;
  }
  HWND window = reinterpret_cast<HWND>(control_.Handle());
  if (!window) return;
  WindowDC dc(window);
  if (dc.Get()) draw(dc.Get());
}

void Win32Canvas::FillRect(const TRect& rect, TColor color) {
  OnDC([&](HDC dc) {
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    Brush brush = SolidBrush(color);
    ::FillRect(dc, &r, brush.Get());
  });
}

void Win32Canvas::DrawLine(TPoint from, TPoint to, TColor color) {
  OnDC([&](HDC dc) {
    Pen pen(CreatePen(PS_SOLID, 1, ColorRef(color)));
    Selected selected(dc, pen.Get());
    MoveToEx(dc, from.x, from.y, nullptr);
    ::LineTo(dc, to.x, to.y);  // leaves the end point undrawn, as the canvas promises
  });
}

void Win32Canvas::PatternInvert(const TRect& rect) {
  OnDC([&](HDC dc) {
    // An 8 x 8 checker board, one row a WORD.
    static constexpr WORD kChecker[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    Bitmap pattern(CreateBitmap(8, 8, 1, 1, kChecker));
    Brush brush(CreatePatternBrush(pattern.Get()));
    Selected selected(dc, brush.Get());
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    PatBlt(dc, rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
  });
}

void Win32Canvas::InvertRect(const TRect& rect) {
  OnDC([&](HDC dc) {
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    ::InvertRect(dc, &r);
  });
}

template <typename Measure>
void Win32Canvas::Measuring(Measure measure) {
  // The font the control's window draws its text with (a label's static control), else the control's font.
  HWND window = reinterpret_cast<HWND>(control_.Handle());
  HFONT font = window ? reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)) : nullptr;
  if (!font) font = fonts_.Handle(control_.Font());
  if (bound_) {
    Selected selected(bound_, font);
    measure(bound_);
  } else {
    // Without a window the screen's DC measures the same font.
    WindowDC dc(window);
    Selected selected(dc.Get(), font);
    measure(dc.Get());
  }
}

TSize Win32Canvas::TextExtent(const std::string& text) {
  SIZE size{};
  Measuring([&](HDC dc) { GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size); });
  return TSize{size.cx, size.cy};
}

int Win32Canvas::WrappedTextHeight(const std::string& text, int width) {
  // As a static control breaks its text.
  RECT r{0, 0, width, 0};
  Measuring([&](HDC dc) { DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS); });
  return r.bottom;
}

void Win32Canvas::TextAt(int x, int y, const std::string& text) {
  OnDC([&](HDC dc) {
    Selected font(dc, fonts_.Handle(control_.Font()));
    SetTextColor(dc, ColorRef(FontColor));
    SetBkColor(dc, ColorRef(BrushColor));
    SetBkMode(dc, OPAQUE);
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
  });
}

void Win32Canvas::DrawIcon(int x, int y, std::uintptr_t icon, int size) {
  OnDC([&](HDC dc) { DrawIconEx(dc, x, y, reinterpret_cast<HICON>(icon), size, size, 0, nullptr, DI_NORMAL); });
}

}  // namespace ui::win32
