// Scheduling priority of the calling thread: each thread sets its own.
#pragma once

namespace os {

class ThreadPriority {
 public:
  // The system's seven levels, lowest first; a new thread runs at Normal.
  enum class Level { Idle, Lowest, Lower, Normal, Higher, Highest, TimeCritical };

  virtual ~ThreadPriority() = default;

  // Applies the level to the calling thread. Throws std::system_error when the system refuses it.
  virtual void SetCurrent(Level level) = 0;
  // The level the calling thread runs at.
  virtual Level Current() const = 0;
};

}  // namespace os
