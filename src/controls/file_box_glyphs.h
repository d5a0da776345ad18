// The file box's small pictures: one for each kind of drive, and the folder list's open, closed and
// current folders. Each is 32 rows of 32 colour letters (see ui::TIcon::FromPicture) with every pixel
// of a 16 x 16 drawing doubled, so that the small icon drawn at 16 x 16 shows the drawing exactly.
#pragma once

#include <string>

#include "os/file_system.h"

namespace controls::file_box_glyphs {

// The picture of a drive of that type; an unknown type has the fixed disk's.
std::string Drive(os::DriveType type);
std::string OpenFolder();
std::string ClosedFolder();
std::string CurrentFolder();

}  // namespace controls::file_box_glyphs
