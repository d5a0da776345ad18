#include "support/drag.h"

#include <functional>

#include "ui/forms.h"
#include "ui/headless/headless_backend.h"

namespace testing_support {

namespace {
ui::DragManager& Drag() { return ui::Application().Drag(); }
void AsAnEvent(const std::function<void()>& work) { ui::Application().Dispatch(work); }

// The mouse is where the user put it, for a program that asks.
void PutMouse(ui::TPoint screen) {
  if (auto* headless = dynamic_cast<ui::HeadlessBackend*>(&ui::Application().GetBackend()))
    headless->cursorPos = screen;
}
}  // namespace

MouseDrag::MouseDrag(ui::TControl& control, ui::TPoint at, ui::TShiftState shift)
    : screen_(control.ClientToScreen(at)) {
  PutMouse(screen_);
  AsAnEvent([&] { control.MouseDown(ui::TMouseButton::mbLeft, shift | ui::ssLeft, at.x, at.y); });
}

MouseDrag& MouseDrag::MoveTo(ui::TControl& control, ui::TPoint at) {
  screen_ = control.ClientToScreen(at);
  PutMouse(screen_);
  AsAnEvent([&] { Drag().MouseMoved(screen_); });
  return *this;
}

void MouseDrag::Release() {
  AsAnEvent([&] { Drag().MouseReleased(screen_); });
}

void MouseDrag::ReleaseAt(ui::TControl& control, ui::TPoint at) {
  screen_ = control.ClientToScreen(at);
  PutMouse(screen_);
  Release();
}

void MouseDrag::Cancel() {
  AsAnEvent([&] { Drag().Cancel(); });
}

void DragAndDrop(ui::TControl& source, ui::TPoint from, ui::TControl& target, ui::TPoint to) {
  MouseDrag(source, from).MoveTo(target, to).Release();
}

}  // namespace testing_support
