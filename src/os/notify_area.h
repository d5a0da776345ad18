// The shell's notification area (the tray): add, modify and delete an icon described by its record.
#pragma once

#include <cstdint>

namespace os {

using WindowHandle = std::uintptr_t;
using IconHandle = std::uintptr_t;

// The shell's notification-icon data, 88 bytes on 32-bit Windows.
struct NotifyIconRecord {
  std::uint32_t size = 88;
  WindowHandle window = 0;
  std::uint32_t id = 0;
  std::uint32_t flags = 7;                 // message, icon and tip are valid
  std::uint32_t callbackMessage = 0x40A;   // WM_USER + 10
  IconHandle icon = 0;
  char tip[64] = {};
};

class NotifyArea {
 public:
  virtual ~NotifyArea() = default;
  // Each returns whether the shell accepted the request.
  virtual bool Add(const NotifyIconRecord& record) = 0;
  virtual bool Modify(const NotifyIconRecord& record) = 0;
  virtual bool Delete(const NotifyIconRecord& record) = 0;
};

}  // namespace os
