#include "os/win32/win32_notify_area.h"

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <cstring>

namespace os {

namespace {
// The record's size is that of the first version of the shell's structure, which every shell accepts.
static_assert(NotifyIconRecord{}.size == offsetof(NOTIFYICONDATAA, szTip) + 64);
static_assert(NOTIFYICONDATAA_V1_SIZE == 88);

bool Send(DWORD message, const NotifyIconRecord& record) {
  NOTIFYICONDATAA data{};
  data.cbSize = record.size;
  data.hWnd = reinterpret_cast<HWND>(record.window);
  data.uID = record.id;
  data.uFlags = record.flags;
  data.uCallbackMessage = record.callbackMessage;
  data.hIcon = reinterpret_cast<HICON>(record.icon);
  static_assert(sizeof record.tip == 64);
  std::memcpy(data.szTip, record.tip, sizeof record.tip);
  data.szTip[63] = '\0';
  return Shell_NotifyIconA(message, &data) != FALSE;
}
}  // namespace

bool Win32NotifyArea::Add(const NotifyIconRecord& record) { return Send(NIM_ADD, record); }

bool Win32NotifyArea::Modify(const NotifyIconRecord& record) { return Send(NIM_MODIFY, record); }

bool Win32NotifyArea::Delete(const NotifyIconRecord& record) { return Send(NIM_DELETE, record); }

}  // namespace os
