#include "ui/win32/win32_pictures.h"

#include <algorithm>
#include <vector>

#include "ui/win32/win32_gdi.h"

namespace ui::win32 {

namespace {

bool PictureColor(char letter, COLORREF& color) {
  switch (letter) {
    case 'k': color = RGB(0, 0, 0); return true;
    case 'w': color = RGB(255, 255, 255); return true;
    case 'g': color = RGB(128, 128, 128); return true;
    case 'r': color = RGB(255, 0, 0); return true;
    case 'l': color = RGB(0, 255, 0); return true;
    case 'y': color = RGB(255, 255, 0); return true;
    case 'b': color = RGB(0, 0, 255); return true;
    default: return false;
  }
}

HICON FromPicture(const std::string& picture, bool icon, POINT hotSpot) {
  constexpr int kPixels = kPictureSize * kPictureSize;
  std::string letters;
  for (char c : picture)
    if (c != '\n' && c != '\r') letters += c;
  if (letters.size() != kPixels) return nullptr;

  // Colour bits (top-down, 32 bits a pixel) and the mask (1 where transparent), one bit a pixel.
  std::vector<DWORD> colour(kPixels, 0);
  std::vector<BYTE> mask(kPixels / 8, 0);
  for (int i = 0; i < kPixels; ++i) {
    if (letters[i] == '.') {
      mask[i / 8] |= static_cast<BYTE>(0x80 >> (i % 8));
      continue;
    }
    COLORREF c;
    if (!PictureColor(letters[i], c)) return nullptr;
    colour[i] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kPictureSize;
  info.bmiHeader.biHeight = -kPictureSize;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Bitmap colourBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  Bitmap maskBitmap(CreateBitmap(kPictureSize, kPictureSize, 1, 1, mask.data()));
  if (!colourBitmap || !maskBitmap || !bits) return nullptr;
  std::copy(colour.begin(), colour.end(), static_cast<DWORD*>(bits));
  ICONINFO made{};
  made.fIcon = icon;
  made.xHotspot = static_cast<DWORD>(hotSpot.x);
  made.yHotspot = static_cast<DWORD>(hotSpot.y);
  made.hbmMask = maskBitmap.Get();
  made.hbmColor = colourBitmap.Get();
  return CreateIconIndirect(&made);  // copies both bitmaps
}

}  // namespace

HICON IconFromPicture(const std::string& picture) { return FromPicture(picture, true, POINT{}); }

HCURSOR CursorFromPicture(const std::string& picture, POINT hotSpot) {
  return static_cast<HCURSOR>(FromPicture(picture, false, hotSpot));
}

}  // namespace ui::win32
