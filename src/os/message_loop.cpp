#include "os/message_loop.h"

namespace os {

void MessageLoop::Report(std::exception_ptr error) {
  if (errorHandler_) {
    // A copy: the handler may replace itself.
    const ErrorHandler handler = errorHandler_;
    try {
      handler(error);
      return;
    } catch (...) {
      error = std::current_exception();
    }
  }
  Unhandled(error);
}

}  // namespace os
