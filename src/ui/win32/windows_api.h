// The Windows API for the library's Win32 code.
#pragma once

#include "ui/types.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

