// The Windows API for the library's Win32 code. The library's own names for message-box flags and
// answers carry the platform's numbers and must be declared before the platform's macros of the same
// names; and the platform's MessageBox macro would rename the backend's member.
#pragma once

#include "ui/types.h"

#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#undef MessageBox
