// Owners for GDI objects and device contexts, and the mapping of the library's colours.
#pragma once

#include "ui/win32/windows_api.h"

#include <utility>

#include "ui/types.h"

namespace ui::win32 {

// A system colour carries its GetSysColor index in the low byte.
inline COLORREF ColorRef(TColor color) {
  return IsSystemColor(color) ? GetSysColor(static_cast<int>(color & 0xFF)) : static_cast<COLORREF>(color);
}

inline RECT ClientRect(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return r;
}

// The font the controls are drawn with.
inline HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

// A GDI object deleted with its owner.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
  }

 private:
  Handle handle_ = nullptr;
};
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;

inline Brush SolidBrush(TColor color) { return Brush(CreateSolidBrush(ColorRef(color))); }

// Selects an object into a DC and puts the previous one back.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selected() { SelectObject(dc_, previous_); }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The DC of a window outside its paint request: its own DC when its class gives it one, else one from
// the cache, which does not clip children, so drag lines can cross them.
class WindowDC {
 public:
  explicit WindowDC(HWND window)
      : window_(window), dc_(GetDCEx(window, nullptr, DCX_CLIPSIBLINGS | CacheFlag(window))) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  static DWORD CacheFlag(HWND window) {
    return window && (GetClassLongA(window, GCL_STYLE) & CS_OWNDC) ? 0 : DCX_CACHE;
  }
  HWND window_;
  HDC dc_;
};

// A paint request's DC, from BeginPaint to EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
  ~PaintDC() { EndPaint(window_, &ps_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

}  // namespace ui::win32
