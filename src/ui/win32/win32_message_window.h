// The peer of a message window: a hidden window whose messages go to a handler.
#pragma once

#include <memory>

#include "os/message_loop.h"
#include "ui/backend.h"

namespace ui::win32 {

// The handler runs in the loop's Guard.
std::unique_ptr<MessageWindowPeer> MakeMessageWindow(os::MessageLoop& loop, MessageHandler handler);

}  // namespace ui::win32
