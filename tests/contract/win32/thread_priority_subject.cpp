#include "thread_priority_subject.h"

#include "os/win32/win32_thread_priority.h"

namespace contract {

std::unique_ptr<os::ThreadPriority> MakeThreadPrioritySubject() {
  return std::make_unique<os::Win32ThreadPriority>();
}

}  // namespace contract
