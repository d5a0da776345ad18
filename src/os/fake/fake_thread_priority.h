// Thread priorities recorded per thread instead of applied, so that the tests can see which level each
// thread asked for.
#pragma once

#include <map>
#include <mutex>
#include <thread>

#include "os/thread_priority.h"

namespace os {

class FakeThreadPriority final : public ThreadPriority {
 public:
  void SetCurrent(Level level) override;
  Level Current() const override;

  // The level the given thread last set; Normal for a thread that set none.
  Level Of(std::thread::id thread) const;

 private:
  mutable std::mutex mutex_;
  std::map<std::thread::id, Level> levels_;
};

}  // namespace os
