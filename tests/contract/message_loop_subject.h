// The message loop under test and the two ways its time passes: on the fake a virtual clock, under
// Win32 real milliseconds during which the thread's queue is served.
#pragma once

#include <chrono>
#include <memory>

#include "os/message_loop.h"

namespace contract {

class MessageLoopSubject {
 public:
  virtual ~MessageLoopSubject() = default;
  virtual os::MessageLoop& Loop() = 0;
  // Lets ms of the loop's clock pass, running whatever falls due meanwhile.
  virtual void Pass(unsigned ms) = 0;
  // Holds the GUI thread for ms without serving the queue, as a long handler does (the fake's clock
  // stands still inside a handler, so there it returns at once).
  virtual void Block(unsigned ms) = 0;
  // Serves worker threads' hand-overs for up to the given real time.
  virtual void Serve(std::chrono::milliseconds span) = 0;
  // How late (in ms of the loop's clock) the system may deliver a tick; the fake is exact.
  virtual unsigned TimerSlackMs() const = 0;
};

std::unique_ptr<MessageLoopSubject> MakeMessageLoopSubject();

}  // namespace contract
