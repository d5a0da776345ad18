// Basic types of the component library: events, colours, geometry, keys and short-cuts, message-box codes, and
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
// A key pressed: a virtual-key code (vk* below, or an upper-case letter or digit). A handler that sets
// the key to 0 has consumed it: the control's own handling of the key is skipped.
using TKeyEvent = std::function<void(TObject* sender, std::uint16_t& key, TShiftState shift)>;
// A character typed, in the system code page; a handler that sets it to 0 has consumed it.
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;

// 0x00BBGGRR colour numbers; system colours carry the high byte 0xFF and the system index below.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clFuchsia = 0xFF00FF, clWhite = 0xFFFFFF, clGray = 0x808080, clSilver = 0xC0C0C0,
                 clNavy = 0x800000;
constexpr TColor clBtnFace = 0xFF00000F, clWindow = 0xFF000005, clWindowText = 0xFF000008,
                 clBtnShadow = 0xFF000010, clBtnText = 0xFF000012, clGrayText = 0xFF000011,
                 clHighlight = 0xFF00000D, clHighlightText = 0xFF00000E;
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

// Virtual-key codes of key events and short-cuts, numbered as the platform numbers them. Letters and
// digits are their upper-case characters.
constexpr std::uint16_t vkBack = 0x08, vkTab = 0x09, vkReturn = 0x0D, vkEscape = 0x1B, vkSpace = 0x20,
                        vkPrior = 0x21, vkNext = 0x22, vkEnd = 0x23, vkHome = 0x24, vkLeft = 0x25, vkUp = 0x26,
                        vkRight = 0x27, vkDown = 0x28, vkInsert = 0x2D, vkDelete = 0x2E, vkF1 = 0x70, vkF2 = 0x71,
                        vkF3 = 0x72, vkF4 = 0x73, vkF5 = 0x74, vkF6 = 0x75, vkF7 = 0x76, vkF8 = 0x77, vkF9 = 0x78,
                        vkF10 = 0x79, vkF11 = 0x7A, vkF12 = 0x7B, vkF24 = 0x87;

// Short-cut: a virtual-key code with the modifier bits of the library.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;
constexpr TShortCut Ctrl(char key) { return static_cast<TShortCut>(scCtrl | static_cast<unsigned char>(key)); }
// "Ctrl+M" and the like, as menus show them.
std::string ShortCutToText(TShortCut shortCut);

// Mouse pointers: the arrow, the hourglass, the drag pointers of drag and drop, and the split pointers
// of splitter bars (crHSplit for a vertical bar moved sideways, crVSplit for a horizontal one).
enum class TCursor { crDefault, crHourGlass, crDrag, crMultiDrag, crNoDrop, crHSplit, crVSplit };

// Message-box flags and the modal results a box or a modal form answers with: the platform's own
// numbers, under names of the library's own so that they never meet the platform's macros.
constexpr unsigned mbOK = 0x0, mbOKCancel = 0x1, mbYesNoCancel = 0x3, mbYesNo = 0x4, mbIconError = 0x10,
                   mbIconQuestion = 0x20, mbIconWarning = 0x30, mbIconInformation = 0x40, mbDefButton2 = 0x100,
                   mbTopMost = 0x40000;
constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7;

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
