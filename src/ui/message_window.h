// A hidden window of the component's own that receives messages sent to its handle: the shell's
// tray-icon callbacks. Without windows a test delivers the messages itself.
#pragma once

#include <memory>

#include "ui/backend.h"

namespace ui {

// The shell's registered "TaskbarCreated" broadcast (the shell restarted and lost its notification-area
// icons), as a message window's peer hands it on: the registered number is the system's per session.
constexpr unsigned kShellRestartedMessage = 0x8000 + 0x40;  // WM_APP + 0x40

class TMessageWindow {
 public:
  explicit TMessageWindow(MessageHandler handler);
  std::uintptr_t Handle() const { return peer_->Handle(); }
  // What the window system does for a message to this window; errors go to the error box.
  void Deliver(unsigned message, std::uint32_t wParam, std::uint32_t lParam);

 private:
  MessageHandler handler_;
  std::unique_ptr<MessageWindowPeer> peer_;
};

}  // namespace ui
