// Drag and drop between controls. The drag's course lives here, apart from any window system: the
// peers feed it the mouse for a real user (capturing the mouse while a drag waits or runs), a test
// feeds it for a pretended one, and the backend says which control lies under the mouse.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/types.h"

namespace ui {

class Backend;
class TControl;

// dmAutomatic: a left press on the control begins a drag of it; dmManual: only BeginDrag does.
enum class TDragMode { dmManual, dmAutomatic };
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// Points are in the client coordinates of the control the event is about (the sender, or the target
// for the end of a drag).
using TDragOverEvent =
    std::function<void(TObject* sender, TObject* source, int x, int y, TDragState state, bool& accept)>;
using TDragDropEvent = std::function<void(TObject* sender, TObject* source, int x, int y)>;
// target is nullptr (and the point 0, 0) when the drag ended without a drop.
using TEndDragEvent = std::function<void(TObject* sender, TObject* target, int x, int y)>;
// Files dropped from the shell, with their full paths.
using TDropFilesEvent =
    std::function<void(TObject* sender, const std::vector<std::string>& files, int x, int y)>;

// How far the mouse moves, along either axis, before a drag waiting for it starts: the system's drag
// distance.
constexpr int kDragThreshold = 5;

// One drag at a time: waiting for the mouse to move far enough (pending), then running until the
// button is released or the drag is cancelled.
class DragManager {
 public:
  explicit DragManager(Backend& backend) : backend_(backend) {}
  DragManager(const DragManager&) = delete;
  DragManager& operator=(const DragManager&) = delete;

  // Begins a drag of source from a screen point, cancelling any other: at once when immediate, else
  // once the mouse has moved threshold pixels from there (-1: kDragThreshold).
  void Begin(TControl& source, bool immediate, int threshold, TPoint screen);

  // The mouse moved: a pending drag starts once far enough (the source's OnStartDrag); a running one
  // finds the target under the mouse, sends it dsDragEnter (after dsDragLeave to the previous one)
  // and dsDragMove, and shows the drag pointer: the source's DragCursor when the target accepts,
  // crNoDrop otherwise.
  void MouseMoved(TPoint screen);
  // The button was released: over an accepting target, the target's OnDragDrop then the source's
  // OnEndDrag with that target; otherwise as Cancel. A drag still pending just ends (a click).
  void MouseReleased(TPoint screen);
  // Esc, or the mouse capture lost: the target under the mouse gets dsDragLeave and the source its
  // OnEndDrag without a target.
  void Cancel();

  // A control about to be destroyed: a drag of it ends without events; as the target it is dropped.
  void Forget(const TControl& control);

  // The control being dragged, pending or running; nullptr without a drag.
  TControl* Source() const { return source_; }
  bool Pending() const { return source_ && !running_; }
  bool Running() const { return running_; }
  // The control under the mouse while the drag runs, and whether it accepts the source.
  TControl* Target() const { return target_; }
  bool Accepted() const { return accepted_; }

 private:
  void Start(TPoint screen);
  void Move(TPoint screen);
  bool Over(TControl& target, TControl& source, TPoint screen, TDragState state);
  void Finish(TControl* dropTarget, TPoint screen);
  void Reset();

  Backend& backend_;
  TControl* source_ = nullptr;
  TControl* target_ = nullptr;
  bool running_ = false;
  bool accepted_ = false;
  int threshold_ = kDragThreshold;
  TPoint start_, last_;
};

}  // namespace ui
