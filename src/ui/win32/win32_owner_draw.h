// Owner-drawn items of list and combo boxes: the control draws each item itself, on its canvas bound to
// the DC the window system hands over.
#pragma once

#include "ui/win32/windows_api.h"

#include <functional>

#include "ui/stdctrls.h"

namespace ui::win32 {

// Draws the item a WM_DRAWITEM asks for (index -1 for none): draw(index, rect, state) with the
// control's canvas on the item's DC, then the focus rectangle over a focused item.
void DrawOwnerItem(TControl& control, const DRAWITEMSTRUCT& item,
                   const std::function<void(int index, TRect rect, TOwnerDrawState state)>& draw);

}  // namespace ui::win32
