#include "thread_priority_subject.h"

#include "os/fake/fake_thread_priority.h"

namespace contract {

std::unique_ptr<os::ThreadPriority> MakeThreadPrioritySubject() {
  return std::make_unique<os::FakeThreadPriority>();
}

}  // namespace contract
