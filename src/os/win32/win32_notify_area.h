// The notification area through the shell's Shell_NotifyIconA, with the original 88-byte record.
#pragma once

#include "os/notify_area.h"

namespace os {

class Win32NotifyArea final : public NotifyArea {
 public:
  bool Add(const NotifyIconRecord& record) override;
  bool Modify(const NotifyIconRecord& record) override;
  bool Delete(const NotifyIconRecord& record) override;
};

}  // namespace os
