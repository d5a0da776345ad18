#include "ui/message_window.h"

#include "ui/forms.h"

namespace ui {

TMessageWindow::TMessageWindow(MessageHandler handler)
    : handler_(std::move(handler)),
      peer_(Application().GetBackend().CreateMessageWindow(
          [this](unsigned m, std::uint32_t w, std::uint32_t l) { Deliver(m, w, l); })) {}

void TMessageWindow::Deliver(unsigned message, std::uint32_t wParam, std::uint32_t lParam) {
  Application().Dispatch([&] { handler_(message, wParam, lParam); });
}

}  // namespace ui
