// The splitter window: a panel divided among panes laid side by side (vertical bars) or one above the
// other (horizontal bars). The user drags a bar to share the space differently: an inverted line follows
// the mouse within the allowed range, and the sizes change on release. Resizing the splitter keeps the
// panes' proportions.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/stdctrls.h"

namespace controls {

class TPane;

enum class TOrientation { swHorizontal, swVertical };
enum class TBarStyle { sbCheckered, sbSolid };

// Called before the drag line is drawn or erased; a handler that paints the line itself clears
// ownerDraw, otherwise the splitter inverts drawRect.
using TDrawDragRectEvent = std::function<void(ui::TObject* sender, ui::TRect& drawRect, bool& ownerDraw)>;

class TSplitterWnd : public ui::TPanel {
 public:
  explicit TSplitterWnd(ui::TComponent* owner, std::string name = {});
  ~TSplitterWnd() override;

  // swVertical: vertical bars, panes from left to right, sizes are widths; swHorizontal: horizontal
  // bars, panes from top to bottom, sizes are heights. Changing it converts the sizes in proportion.
  TOrientation Orientation() const { return orientation_; }
  void SetOrientation(TOrientation orientation);
  // Pixels of every bar; 0 is taken as 1.
  std::uint8_t Thickness() const { return thickness_; }
  void SetThickness(std::uint8_t thickness);
  // The control's pointer while the orientation is swHorizontal, and while it is swVertical.
  ui::TCursor CursorHorz() const { return cursorHorz_; }
  void SetCursorHorz(ui::TCursor cursor);
  ui::TCursor CursorVert() const { return cursorVert_; }
  void SetCursorVert(ui::TCursor cursor);

  // When the splitter is resized or loses a pane: all panes scale in proportion; otherwise the last
  // pane takes the whole change.
  bool ProportionalResize = true;
  TBarStyle BarStyle = TBarStyle::sbCheckered;
  TDrawDragRectEvent OnDrawDragRect;
  TDrawDragRectEvent OnEraseDragRect;

  // The panes in display order.
  const std::vector<TPane*>& Panes() const { return panes_; }
  int PaneCount() const { return static_cast<int>(panes_.size()); }
  // The bar being dragged (bar i lies between pane i and pane i + 1), -1 when none is.
  int DraggedBar() const { return dragBar_; }

  // The creator has set the stored properties and panes: until now they were only recorded, from
  // here on the splitter keeps its panes laid out.
  void Loaded() override;

  // A press on a bar starts dragging it, moves drag its line, the release sets the sizes.
  void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void MouseMove(ui::TShiftState shift, int x, int y) override;
  void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;

 protected:
  void Resize() override;

 private:
  friend class TPane;
  // The extent along the orientation: the width for vertical bars, the height for horizontal ones.
  int Extent() const;
  int HalfBefore() const;  // h: the bar's part before a pane boundary
  int HalfAfter() const;   // r: its part after it
  // The sum of the sizes of panes 0 to i; 0 for i < 0.
  int SizeThrough(int i) const;
  int MinSize(int i) const;
  void ApplyCursor();

  void AddPane(TPane& pane);
  void RemovePane(TPane& pane);
  void MovePane(TPane& pane, int index);
  void ResizePane(TPane& pane, int size);
  void Renumber();
  void Fit();
  void LayOut();
  void Rescale(bool includeLast);

  int BarAt(int along) const;
  int Along(int x, int y) const { return orientation_ == TOrientation::swVertical ? x : y; }
  ui::TRect DragRect(int along) const;
  void InvertDragLine(int along, const TDrawDragRectEvent& event);
  // Ends a drag whose bar or line no longer stands, erasing its line.
  void CancelDrag();

  TOrientation orientation_ = TOrientation::swVertical;
  std::uint8_t thickness_ = 3;
  ui::TCursor cursorHorz_ = ui::TCursor::crVSplit;
  ui::TCursor cursorVert_ = ui::TCursor::crHSplit;
  std::vector<TPane*> panes_;
  bool loaded_ = false;
  int dragBar_ = -1;
  int dragAt_ = 0;  // the last drag point's coordinate along the orientation
};

// A pane of a splitter: a container whose client control, if any, fills it.
class TPane : public ui::TPanel {
 public:
  explicit TPane(ui::TComponent* owner, std::string name = {});
  ~TPane() override;

  // Setting it leaves the previous splitter, makes the new one the parent and joins it at the end.
  TSplitterWnd* SplitterWnd() const { return splitter_; }
  void SetSplitterWnd(TSplitterWnd* splitter);
  // The position in the splitter's list, -1 in none; setting it moves the pane there.
  int PaneIndex() const { return index_; }
  void SetPaneIndex(int index);
  // The share of the splitter's extent, the pane's part of the adjoining bars included. In a loaded
  // splitter, setting it moves the boundary with the next pane within both panes' minimum sizes.
  std::uint16_t PaneSize() const { return size_; }
  void SetPaneSize(std::uint16_t size);
  // The smallest size a drag leaves; 0 means twice the system's scroll bar width (the vertical bar's
  // width for vertical bars, the horizontal bar's height for horizontal ones).
  std::uint16_t MinPaneSize = 0;

  // The child that fills the pane: it becomes a child of the pane and gets its client area now and
  // whenever the pane changes size. nullptr for none.
  ui::TControl* ClientControl() const;
  void SetClientControl(ui::TControl* control);

 protected:
  void Resize() override;

 private:
  friend class TSplitterWnd;
  void FillClient();
  TSplitterWnd* splitter_ = nullptr;
  int index_ = -1;
  std::uint16_t size_ = 0;
  ui::TControl* client_ = nullptr;
};

}  // namespace controls
