#include "os/fake/fake_thread_priority.h"

namespace os {

void FakeThreadPriority::SetCurrent(Level level) {
  std::lock_guard lock(mutex_);
  levels_[std::this_thread::get_id()] = level;
}

ThreadPriority::Level FakeThreadPriority::Current() const { return Of(std::this_thread::get_id()); }

ThreadPriority::Level FakeThreadPriority::Of(std::thread::id thread) const {
  std::lock_guard lock(mutex_);
  const auto found = levels_.find(thread);
  return found == levels_.end() ? Level::Normal : found->second;
}

}  // namespace os
