#include "ui/win32/win32_owner_draw.h"

#include "ui/win32/win32_canvas.h"

namespace ui::win32 {

void DrawOwnerItem(TControl& control, const DRAWITEMSTRUCT& item,
                   const std::function<void(int index, TRect rect, TOwnerDrawState state)>& draw) {
  auto* canvas = dynamic_cast<Win32Canvas*>(&control.Canvas());
  if (!canvas) return;
  const RECT& r = item.rcItem;
  {
    Win32Canvas::Binding binding(*canvas, item.hDC);
    draw(static_cast<int>(item.itemID), TRect{r.left, r.top, r.right, r.bottom}, item.itemState);
  }
  // Every request, a change of focus included, redraws the whole item, so the rectangle never doubles.
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &r);
}

}  // namespace ui::win32
