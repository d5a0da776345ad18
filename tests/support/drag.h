// Drag and drop as a user does it with the left button, headless: a press on a control, moves over
// controls, a release. Each step runs as the message loop runs an event, so an error that escapes a
// handler lands in the standard error box. The controls must be showing on a form for the mouse to
// find them.
#pragma once

#include "ui/control.h"

namespace testing_support {

class MouseDrag {
 public:
  // Presses the left button on the control at a client point (a control in automatic drag mode
  // begins a drag there).
  MouseDrag(ui::TControl& control, ui::TPoint at, ui::TShiftState shift = 0);
  // Moves the mouse over a control's client point.
  MouseDrag& MoveTo(ui::TControl& control, ui::TPoint at);
  // Releases the button where the mouse is, or over a control's client point.
  void Release();
  void ReleaseAt(ui::TControl& control, ui::TPoint at);
  // Esc during the drag.
  void Cancel();

 private:
  ui::TPoint screen_;
};

// Press on the source at one point, one move over the target's point (far enough to start the drag
// unless it is within the drag distance of the press), release there.
void DragAndDrop(ui::TControl& source, ui::TPoint from, ui::TControl& target, ui::TPoint to);

}  // namespace testing_support
