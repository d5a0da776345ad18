#include "os/win32/win32_thread_priority.h"

#include <windows.h>

#include <system_error>

namespace os {
namespace {

constexpr int kSystemLevels[] = {THREAD_PRIORITY_IDLE,   THREAD_PRIORITY_LOWEST,  THREAD_PRIORITY_BELOW_NORMAL,
                                 THREAD_PRIORITY_NORMAL, THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
                                 THREAD_PRIORITY_TIME_CRITICAL};

[[noreturn]] void ThrowLastError(const char* what) {
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

}  // namespace

void Win32ThreadPriority::SetCurrent(Level level) {
  if (!SetThreadPriority(GetCurrentThread(), kSystemLevels[static_cast<int>(level)]))
    ThrowLastError("SetThreadPriority");
}

ThreadPriority::Level Win32ThreadPriority::Current() const {
  const int value = GetThreadPriority(GetCurrentThread());
  if (value == THREAD_PRIORITY_ERROR_RETURN) ThrowLastError("GetThreadPriority");
  // A value between two levels (a passing boost) reads as the lower one.
  Level level = Level::Idle;
  for (int i = 0; i < 7; ++i)
    if (kSystemLevels[i] <= value) level = static_cast<Level>(i);
  return level;
}

}  // namespace os
