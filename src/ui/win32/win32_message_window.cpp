#include "ui/win32/win32_message_window.h"

#include "ui/win32/windows_api.h"

#include "os/win32/window_binding.h"
#include "ui/message_window.h"
#include "ui/win32/win32_window.h"

namespace ui::win32 {

namespace {

// A hidden top-level window that hands every message it gets to its handler: broadcasts such as the
// shell's "TaskbarCreated" reach it, which they would not on a message-only window.
class MessageWindow final : public MessageWindowPeer, public os::BoundWindow {
 public:
  MessageWindow(os::MessageLoop& loop, MessageHandler handler) : loop_(loop), handler_(std::move(handler)) {
    os::WindowSpec spec;
    spec.style = WS_POPUP;
    spec.exStyle = WS_EX_TOOLWINDOW;
    CreateBoundWindow(classes::kMessageWindow, spec);
    ready_ = true;
  }
  ~MessageWindow() override { DestroyBoundWindow(); }
  std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(Window()); }

 private:
  LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (ready_) {
      // The shell's restart broadcast has a number known only at run time; components see it as the
      // library's own message.
      static const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
      const unsigned delivered = message == taskbarCreated ? kShellRestartedMessage : message;
      loop_.Guard([&] {
        handler_(delivered, static_cast<std::uint32_t>(wParam), static_cast<std::uint32_t>(lParam));
      });
    }
    // Nobody closes this window but its owner.
    if (message == WM_CLOSE) return 0;
    return DefaultMessage(message, wParam, lParam);
  }

  os::MessageLoop& loop_;
  MessageHandler handler_;
  bool ready_ = false;  // no messages to the handler while the window is made
};

}  // namespace

std::unique_ptr<MessageWindowPeer> MakeMessageWindow(os::MessageLoop& loop, MessageHandler handler) {
  return std::make_unique<MessageWindow>(loop, std::move(handler));
}

}  // namespace ui::win32
