// What the thread priority contract runs against.
#pragma once

#include <memory>

#include "os/thread_priority.h"

namespace contract {

std::unique_ptr<os::ThreadPriority> MakeThreadPrioritySubject();

}  // namespace contract
