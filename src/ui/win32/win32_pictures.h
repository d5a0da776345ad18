// Icons and mouse pointers drawn from pictures: 32 rows of 32 letters, '.' for transparent and a colour
// letter otherwise ('k' black, 'w' white, 'g' gray, 'r' red, 'l' lime, 'y' yellow, 'b' blue); line
// breaks between the rows are left out.
#pragma once

#include "ui/win32/windows_api.h"

#include <string>

namespace ui::win32 {

constexpr int kPictureSize = 32;

// nullptr when the picture has the wrong size or an unknown letter. The caller destroys the icon.
HICON IconFromPicture(const std::string& picture);
// A pointer whose hot spot is at the given pixel; the caller destroys it (DestroyCursor).
HCURSOR CursorFromPicture(const std::string& picture, POINT hotSpot);

}  // namespace ui::win32
