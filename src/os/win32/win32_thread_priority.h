// Thread priorities through SetThreadPriority and GetThreadPriority on the calling thread.
#pragma once

#include "os/thread_priority.h"

namespace os {

class Win32ThreadPriority final : public ThreadPriority {
 public:
  void SetCurrent(Level level) override;
  Level Current() const override;
};

}  // namespace os
