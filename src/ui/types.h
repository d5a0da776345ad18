// Basic types of the component library: events, colours, geometry, short-cuts, message-box codes, and
// the library's exceptions, which the application shows in its standard error box.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace ui {

class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

using TShiftState = unsigned;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssDouble = 64;

using TMouseEvent = std::function<void(TObject* sender, TMouseButton, TShiftState, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState, int x, int y)>;

// 0x00BBGGRR colour numbers; system colours carry the high byte 0xFF and the system index below.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clFuchsia = 0xFF00FF, clWhite = 0xFFFFFF, clGray = 0x808080, clSilver = 0xC0C0C0,
                 clNavy = 0x800000;
constexpr TColor clBtnFace = 0xFF00000F, clWindow = 0xFF000005, clWindowText = 0xFF000008,
                 clBtnShadow = 0xFF000010, clBtnText = 0xFF000012, clGrayText = 0xFF000011;
constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == 0xFF000000u; }

struct TPoint {
  int x = 0, y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int cx = 0, cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// Short-cut: a virtual-key code with the modifier bits of the library.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;
constexpr TShortCut Ctrl(char key) { return static_cast<TShortCut>(scCtrl | static_cast<unsigned char>(key)); }
// "Ctrl+M" and the like, as menus show them.
std::string ShortCutToText(TShortCut shortCut);

// Mouse pointers: the arrow, the hourglass, the drag pointers of drag and drop, and the split pointers
// of splitter bars (crHSplit for a vertical bar moved sideways, crVSplit for a horizontal one).
enum class TCursor { crDefault, crHourGlass, crDrag, crMultiDrag, crNoDrop, crHSplit, crVSplit };

// Message-box flags and answers: the platform's own numbers.
constexpr unsigned MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4,
                   MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30,
                   MB_ICONINFORMATION = 0x40, MB_DEFBUTTON2 = 0x100, MB_TOPMOST = 0x40000;
constexpr int IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7;

// The library's error; its message is shown followed by "." under the application title.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An index outside a list: "List index out of bounds (<index>)".
class EListError : public Exception {
 public:
  explicit EListError(int index) : Exception("List index out of bounds (" + std::to_string(index) + ")") {}
};

class EMCIDeviceError : public Exception {
 public:
  using Exception::Exception;
};

// A file that cannot be opened for reading: "Cannot open file <name>".
class EFOpenError : public Exception {
 public:
  using Exception::Exception;
};

// A file that cannot be created: "Cannot create file <name>".
class EFCreateError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace ui
