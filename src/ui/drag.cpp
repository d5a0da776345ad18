#include "ui/drag.h"

#include <cstdlib>
#include <utility>

#include "ui/backend.h"
#include "ui/control.h"

namespace ui {

void DragManager::Begin(TControl& source, bool immediate, int threshold, TPoint screen) {
  Cancel();
  source_ = &source;
  threshold_ = threshold < 0 ? kDragThreshold : threshold;
  start_ = last_ = screen;
  if (immediate) Start(screen);
}

void DragManager::Start(TPoint screen) {
  running_ = true;
  TControl* source = source_;
  source->DoStartDrag();
  // The handler may have ended the drag already.
  if (source_ == source && running_) Move(screen);
}

void DragManager::MouseMoved(TPoint screen) {
  if (!source_) return;
  if (running_) {
    Move(screen);
  } else if (std::abs(screen.x - start_.x) >= threshold_ || std::abs(screen.y - start_.y) >= threshold_) {
    Start(screen);
  }
}

bool DragManager::Over(TControl& target, TControl& source, TPoint screen, TDragState state) {
  const TPoint p = target.ScreenToClient(screen);
  bool accept = true;
  target.DragOver(&source, p.x, p.y, state, accept);
  return accept;
}

void DragManager::Move(TPoint screen) {
  TControl* source = source_;
  last_ = screen;
  // Each handler may end the drag or destroy a control; after each the state is read again.
  auto ended = [&] { return source_ != source || !running_; };
  TControl* under = backend_.ControlAtScreen(screen);
  if (under != target_) {
    accepted_ = false;
    if (TControl* previous = std::exchange(target_, nullptr)) {
      Over(*previous, *source, screen, TDragState::dsDragLeave);
      if (ended()) return;
    }
    target_ = under;
    if (target_) {
      Over(*target_, *source, screen, TDragState::dsDragEnter);
      if (ended()) return;
    }
  }
  bool accept = false;
  if (target_) {
    accept = Over(*target_, *source, screen, TDragState::dsDragMove);
    if (ended()) return;
  }
  accepted_ = accept;
  backend_.ShowDragCursor(accepted_ ? source->DragCursor : TCursor::crNoDrop);
}

void DragManager::MouseReleased(TPoint screen) {
  if (!source_) return;
  if (!running_) {
    Reset();
    return;
  }
  if (!(screen == last_)) {
    TControl* source = source_;
    Move(screen);
    if (source_ != source || !running_) return;
  }
  Finish(accepted_ ? target_ : nullptr, screen);
}

void DragManager::Cancel() {
  if (!source_) return;
  if (!running_) {
    Reset();
    return;
  }
  Finish(nullptr, last_);
}

void DragManager::Finish(TControl* dropTarget, TPoint screen) {
  TControl& source = *source_;
  TControl* under = target_;
  Reset();
  backend_.ShowDragCursor(TCursor::crDefault);
  const TPoint p = dropTarget ? dropTarget->ScreenToClient(screen) : TPoint{};
  // The source hears of the end whatever the target does with the drop.
  try {
    if (dropTarget) {
      dropTarget->DragDrop(&source, p.x, p.y);
    } else if (under) {
      Over(*under, source, screen, TDragState::dsDragLeave);
    }
  } catch (...) {
    source.DoEndDrag(dropTarget, p.x, p.y);
    throw;
  }
  source.DoEndDrag(dropTarget, p.x, p.y);
}

void DragManager::Forget(const TControl& control) {
  if (target_ == &control) {
    target_ = nullptr;
    accepted_ = false;
  }
  if (source_ == &control) {
    const bool running = running_;
    Reset();
    if (running) backend_.ShowDragCursor(TCursor::crDefault);
  }
}

void DragManager::Reset() {
  source_ = target_ = nullptr;
  running_ = accepted_ = false;
}

}  // namespace ui
