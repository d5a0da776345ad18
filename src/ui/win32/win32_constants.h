// The library's numbers that are the platform's own, held to the platform's values: the model names
// them without <windows.h>, and the Win32 peers hand them to the system (and back) unchanged, so a
// wrong number fails this build instead of a user's click. Also the library's own window messages,
// which must not meet one another.
#pragma once

#include "ui/win32/windows_api.h"

#include "os/win32/win32_message_loop.h"
#include "ui/message_window.h"
#include "ui/stdctrls.h"
#include "ui/types.h"

namespace ui::win32 {

// System colours carry their GetSysColor index in the low byte.
static_assert((clBtnFace & 0xFF) == COLOR_BTNFACE);
static_assert((clWindow & 0xFF) == COLOR_WINDOW);
static_assert((clWindowText & 0xFF) == COLOR_WINDOWTEXT);
static_assert((clBtnShadow & 0xFF) == COLOR_BTNSHADOW);
static_assert((clBtnText & 0xFF) == COLOR_BTNTEXT);
static_assert((clGrayText & 0xFF) == COLOR_GRAYTEXT);
// Other colours are COLORREFs.
static_assert(clRed == RGB(255, 0, 0) && clLime == RGB(0, 255, 0) && clNavy == RGB(0, 0, 128));

static_assert((clHighlight & 0xFF) == COLOR_HIGHLIGHT && (clHighlightText & 0xFF) == COLOR_HIGHLIGHTTEXT);

// The states owner-drawn items are drawn in.
static_assert(odSelected == ODS_SELECTED && odDisabled == ODS_DISABLED && odFocused == ODS_FOCUS &&
              odComboBoxEdit == ODS_COMBOBOXEDIT);

// Message-box flags and the answers of boxes and modal forms.
static_assert(mbOK == MB_OK && mbOKCancel == MB_OKCANCEL && mbYesNoCancel == MB_YESNOCANCEL && mbYesNo == MB_YESNO);
static_assert(mbIconError == MB_ICONERROR && mbIconQuestion == MB_ICONQUESTION && mbIconWarning == MB_ICONWARNING &&
              mbIconInformation == MB_ICONINFORMATION);
static_assert(mbDefButton2 == MB_DEFBUTTON2 && mbTopMost == MB_TOPMOST);
static_assert(mrOk == IDOK && mrCancel == IDCANCEL && mrYes == IDYES && mrNo == IDNO);

// Virtual keys.
static_assert(vkBack == VK_BACK && vkTab == VK_TAB && vkReturn == VK_RETURN && vkEscape == VK_ESCAPE &&
              vkSpace == VK_SPACE);
static_assert(vkPrior == VK_PRIOR && vkNext == VK_NEXT && vkEnd == VK_END && vkHome == VK_HOME);
static_assert(vkLeft == VK_LEFT && vkUp == VK_UP && vkRight == VK_RIGHT && vkDown == VK_DOWN);
static_assert(vkInsert == VK_INSERT && vkDelete == VK_DELETE && vkF1 == VK_F1 && vkF12 == VK_F12 &&
              vkF24 == VK_F24);

// The library's own messages, in the application's range and apart from one another.
static_assert(kShellRestartedMessage == WM_APP + 0x40);
static_assert(os::kMsgPostedTask >= WM_APP && os::kMsgWake >= WM_APP && os::kMsgPostedTask != os::kMsgWake);
static_assert(kShellRestartedMessage != os::kMsgPostedTask && kShellRestartedMessage != os::kMsgWake);

}  // namespace ui::win32
