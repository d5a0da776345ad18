// The kind of a file failure from the system's error code, for every service that touches files.
#pragma once

#include <windows.h>

#include "os/file_system.h"

namespace os {

FileError FileErrorOf(DWORD code);

}  // namespace os
