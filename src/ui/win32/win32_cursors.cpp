#include "ui/win32/win32_cursors.h"

#include <cstddef>
#include <initializer_list>
#include <string>

#include "ui/win32/win32_pictures.h"

namespace ui::win32 {

namespace {

// The pointer's arrow, its tip the hot spot.
constexpr const char* kArrow[] = {
    "k",          "kk",         "kwk",         "kwwk",       "kwwwk",      "kwwwwk",
    "kwwwwwk",    "kwwwwwwk",   "kwwwwwwwk",   "kwwwwwwwwk", "kwwwwwkkkkk", "kwwkwwk",
    "kwk.kwwk",   "kk..kwwk",   "k....kwwk",   ".....kwwk",  "......kk",
};

// A page with a folded corner and lines of text.
constexpr const char* kPage[] = {
    "kkkkkkk...", "kwwwwwkk..", "kwwwwwkwk.", "kwwwwwkkkk", "kwwwwwwwwk", "kwkkkkkwwk",
    "kwwwwwwwwk", "kwkkkkkwwk", "kwwwwwwwwk", "kwkkkkkwwk", "kwwwwwwwwk", "kkkkkkkkkk",
};

// Draws a sprite's letters (its '.' left transparent) into a picture at (left, top).
template <std::size_t Rows>
void Draw(std::string& picture, const char* const (&sprite)[Rows], int left, int top) {
  for (int y = 0; y < static_cast<int>(Rows); ++y)
    for (int x = 0; sprite[y][x]; ++x)
      if (sprite[y][x] != '.') picture[(top + y) * kPictureSize + left + x] = sprite[y][x];
}

// The arrow with pages below and to the right of it, the front page last.
HCURSOR ArrowWithPages(std::initializer_list<POINT> pages) {
  std::string picture(kPictureSize * kPictureSize, '.');
  Draw(picture, kArrow, 0, 0);
  for (POINT at : pages) Draw(picture, kPage, at.x, at.y);
  return CursorFromPicture(picture, POINT{0, 0});
}

}  // namespace

Cursors::~Cursors() {
  if (drag_) DestroyCursor(drag_);
  if (multiDrag_) DestroyCursor(multiDrag_);
}

HCURSOR Cursors::Handle(TCursor cursor) {
  HCURSOR drawn = nullptr;
  switch (cursor) {
    case TCursor::crHourGlass: return LoadCursorA(nullptr, IDC_WAIT);
    case TCursor::crNoDrop: return LoadCursorA(nullptr, IDC_NO);
    case TCursor::crHSplit: return LoadCursorA(nullptr, IDC_SIZEWE);
    case TCursor::crVSplit: return LoadCursorA(nullptr, IDC_SIZENS);
    case TCursor::crDrag:
      if (!drag_) drag_ = ArrowWithPages({{10, 14}});
      drawn = drag_;
      break;
    case TCursor::crMultiDrag:
      if (!multiDrag_) multiDrag_ = ArrowWithPages({{14, 12}, {12, 15}, {10, 18}});
      drawn = multiDrag_;
      break;
    case TCursor::crDefault: break;
  }
  return drawn ? drawn : LoadCursorA(nullptr, IDC_ARROW);
}

}  // namespace ui::win32
