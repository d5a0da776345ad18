// The Windows API for the library's Win32 code. The platform's MessageBox and TextOut macros would
// rename the backend's and the canvas's members of those names.
#pragma once

#include "ui/types.h"

#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#undef MessageBox
#undef TextOut
