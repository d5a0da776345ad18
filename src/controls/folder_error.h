// The error the file box's lists raise for a drive or folder they cannot read: the library's error,
// with a text that tells the user why, which the standard error box shows.
#pragma once

#include <string>

#include "os/file_system.h"
#include "ui/types.h"

namespace controls {

ui::Exception FolderError(os::FileError error, const std::string& folder);

}  // namespace controls
