#include "controls/splitter_wnd.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "ui/canvas.h"
#include "ui/forms.h"

namespace controls {

namespace {

// numerator / denominator rounded to the nearest integer, halves to the even neighbour; both not
// negative, the denominator above 0.
int RoundDiv(std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t quotient = numerator / denominator, twice = 2 * (numerator % denominator);
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) return static_cast<int>(quotient + 1);
  return static_cast<int>(quotient);
}

std::uint16_t ToSize(int value) {
  return static_cast<std::uint16_t>(std::clamp(value, 0, int{std::numeric_limits<std::uint16_t>::max()}));
}

}  // namespace

TSplitterWnd::TSplitterWnd(ui::TComponent* owner, std::string name) : ui::TPanel(owner, std::move(name)) {
  BevelOuter = TBevelCut::bvNone;
  SetBounds(0, 0, 400, 200);
  ApplyCursor();
}

TSplitterWnd::~TSplitterWnd() {
  for (TPane* pane : panes_) {
    pane->splitter_ = nullptr;
    pane->index_ = -1;
  }
}

void TSplitterWnd::Loaded() {
  SetCaption("");
  loaded_ = true;
  Fit();
  LayOut();
}

void TSplitterWnd::SetOrientation(TOrientation orientation) {
  if (orientation == orientation_) return;
  CancelDrag();
  const int oldExtent = Extent();
  orientation_ = orientation;
  ApplyCursor();
  if (!loaded_ || panes_.empty()) return;
  // A splitter without extent has nothing to scale from; the fit gives the new extent to the last pane.
  if (oldExtent > 0)
    for (TPane* pane : panes_) pane->size_ = ToSize(RoundDiv(std::int64_t{pane->size_} * Extent(), oldExtent));
  Fit();
  LayOut();
}

void TSplitterWnd::SetThickness(std::uint8_t thickness) {
  CancelDrag();
  thickness_ = thickness == 0 ? 1 : thickness;
  LayOut();
}

void TSplitterWnd::SetCursorHorz(ui::TCursor cursor) {
  cursorHorz_ = cursor;
  ApplyCursor();
}

void TSplitterWnd::SetCursorVert(ui::TCursor cursor) {
  cursorVert_ = cursor;
  ApplyCursor();
}

void TSplitterWnd::ApplyCursor() {
  SetCursor(orientation_ == TOrientation::swHorizontal ? cursorHorz_ : cursorVert_);
}

int TSplitterWnd::Extent() const { return orientation_ == TOrientation::swVertical ? Width() : Height(); }

int TSplitterWnd::HalfBefore() const { return thickness_ / 2; }

int TSplitterWnd::HalfAfter() const { return RoundDiv(thickness_, 2); }

int TSplitterWnd::SizeThrough(int i) const {
  int sum = 0;
  for (int j = 0; j <= i && j < PaneCount(); ++j) sum += panes_[j]->size_;
  return sum;
}

int TSplitterWnd::MinSize(int i) const {
  if (const int own = panes_[i]->MinPaneSize) return own;
  ui::Backend& backend = ui::Application().GetBackend();
  return 2 * (orientation_ == TOrientation::swVertical ? backend.ScrollBarWidth() : backend.ScrollBarHeight());
}

void TSplitterWnd::AddPane(TPane& pane) {
  panes_.push_back(&pane);
  pane.splitter_ = this;
  Renumber();
  // The panes already there make room for the new last one.
  if (loaded_) Rescale(false);
}

void TSplitterWnd::RemovePane(TPane& pane) {
  CancelDrag();
  std::erase(panes_, &pane);
  pane.splitter_ = nullptr;
  pane.index_ = -1;
  Renumber();
  if (!loaded_) return;
  if (ProportionalResize) {
    Rescale(true);
  } else {
    Fit();
    LayOut();
  }
}

void TSplitterWnd::MovePane(TPane& pane, int index) {
  CancelDrag();
  index = std::clamp(index, 0, PaneCount() - 1);
  std::erase(panes_, &pane);
  panes_.insert(panes_.begin() + index, &pane);
  Renumber();
  LayOut();
}

void TSplitterWnd::Renumber() {
  for (int i = 0; i < PaneCount(); ++i) panes_[i]->index_ = i;
}

void TSplitterWnd::ResizePane(TPane& pane, int size) {
  // The last pane's size, a single pane's included, follows from the others' through the fit.
  const int i = pane.index_;
  if (i < PaneCount() - 1) {
    TPane& next = *panes_[i + 1];
    const int pair = pane.size_ + next.size_;
    const int largest = pair - thickness_ - MinSize(i + 1);
    if (size > largest) {
      size = largest;
    } else if (size < MinSize(i)) {
      size = MinSize(i);
    }
    // Panes too small for their minimums and a bar still keep sizes that are not negative.
    size = std::clamp(size, 0, pair);
    pane.size_ = ToSize(size);
    next.size_ = ToSize(pair - size);
  }
  Fit();
  LayOut();
}

void TSplitterWnd::Fit() {
  if (!loaded_ || panes_.empty()) return;
  int difference = Extent() - SizeThrough(PaneCount() - 1);
  // The last pane absorbs the difference; when it cannot shrink that far, the panes before it give up
  // the rest, so that no size goes below 0.
  for (int i = PaneCount() - 1; i >= 0 && difference != 0; --i) {
    const int size = panes_[i]->size_ + difference;
    panes_[i]->size_ = ToSize(size);
    difference = size < 0 ? size : 0;
  }
}

void TSplitterWnd::LayOut() {
  if (!loaded_ || panes_.empty()) return;
  if (PaneCount() == 1) {
    panes_[0]->SetBounds(0, 0, Width(), Height());
    return;
  }
  const int t = thickness_, h = HalfBefore(), r = HalfAfter();
  for (int i = 0; i < PaneCount(); ++i) {
    // Pane i begins right after the bar before it, which starts at S(i - 1) - h.
    const int start = i == 0 ? 0 : SizeThrough(i - 1) - h + t;
    const int trim = i == 0 ? h : i == PaneCount() - 1 ? r : t;
    const int length = std::max(0, panes_[i]->size_ - trim);
    if (orientation_ == TOrientation::swVertical) {
      panes_[i]->SetBounds(start, 0, length, Height());
    } else {
      panes_[i]->SetBounds(0, start, Width(), length);
    }
  }
}

void TSplitterWnd::Rescale(bool includeLast) {
  if (!loaded_ || panes_.empty()) return;
  const int count = includeLast ? PaneCount() : PaneCount() - 1;
  const int space = std::max(0, includeLast ? Extent() : Extent() - panes_.back()->size_);
  const int total = SizeThrough(count - 1);
  for (int i = 0; i < count; ++i) {
    // Panes that have no size between them share the space equally.
    panes_[i]->size_ = ToSize(total > 0 ? RoundDiv(std::int64_t{panes_[i]->size_} * space, total)
                                        : RoundDiv(space, count));
  }
  Fit();
  LayOut();
}

void TSplitterWnd::Resize() {
  if (!loaded_) return;
  if (ProportionalResize) {
    Rescale(true);
  } else {
    Fit();
    LayOut();
  }
}

int TSplitterWnd::BarAt(int along) const {
  const int h = HalfBefore(), r = HalfAfter();
  int found = -1;
  for (int i = 0; i + 1 < PaneCount(); ++i) {
    const int boundary = SizeThrough(i);
    if (along >= boundary - h && along < boundary + r + 1) found = i;
  }
  return found;
}

ui::TRect TSplitterWnd::DragRect(int along) const {
  const int from = along - HalfBefore(), to = along + HalfAfter() + 1;
  if (orientation_ == TOrientation::swVertical) return ui::TRect{from, 0, to, Height()};
  return ui::TRect{0, from, Width(), to};
}

void TSplitterWnd::InvertDragLine(int along, const TDrawDragRectEvent& event) {
  ui::TRect rect = DragRect(along);
  bool ownerDraw = true;
  if (event) event(this, rect, ownerDraw);
  if (!ownerDraw) return;
  if (BarStyle == TBarStyle::sbCheckered) {
    Canvas().PatternInvert(rect);
  } else {
    Canvas().InvertRect(rect);
  }
}

void TSplitterWnd::CancelDrag() {
  if (dragBar_ < 0) return;
  InvertDragLine(dragAt_, OnEraseDragRect);
  dragBar_ = -1;
}

void TSplitterWnd::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  ui::TPanel::MouseDown(button, shift, x, y);
  const int across = orientation_ == TOrientation::swVertical ? y : x;
  const int acrossExtent = orientation_ == TOrientation::swVertical ? Height() : Width();
  if (dragBar_ >= 0 || across < 0 || across >= acrossExtent) return;
  const int bar = BarAt(Along(x, y));
  if (bar < 0) return;
  dragBar_ = bar;
  dragAt_ = Along(x, y);
  InvertDragLine(dragAt_, OnDrawDragRect);
}

void TSplitterWnd::MouseMove(ui::TShiftState shift, int x, int y) {
  ui::TPanel::MouseMove(shift, x, y);
  if (dragBar_ < 0) return;
  const int i = dragBar_;
  const int lowest = SizeThrough(i - 1) + MinSize(i), highest = SizeThrough(i + 1) - MinSize(i + 1);
  const int along = std::min(std::max(Along(x, y), lowest), highest);
  if (DragRect(along) != DragRect(dragAt_)) {
    InvertDragLine(dragAt_, OnEraseDragRect);
    InvertDragLine(along, OnDrawDragRect);
  }
  dragAt_ = along;
}

void TSplitterWnd::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  ui::TPanel::MouseUp(button, shift, x, y);
  if (dragBar_ < 0) return;
  const int i = std::exchange(dragBar_, -1);
  InvertDragLine(dragAt_, OnEraseDragRect);
  TPane& pane = *panes_[i];
  ResizePane(pane, pane.size_ + dragAt_ - SizeThrough(i));
}

TPane::TPane(ui::TComponent* owner, std::string name) : ui::TPanel(owner, std::move(name)) {
  BevelOuter = TBevelCut::bvNone;
}

TPane::~TPane() {
  if (splitter_) splitter_->RemovePane(*this);
}

void TPane::SetSplitterWnd(TSplitterWnd* splitter) {
  if (splitter == splitter_) return;
  if (splitter_) splitter_->RemovePane(*this);
  SetParent(splitter);
  if (splitter) splitter->AddPane(*this);
}

void TPane::SetPaneIndex(int index) {
  if (splitter_) splitter_->MovePane(*this, index);
}

void TPane::SetPaneSize(std::uint16_t size) {
  // Outside a splitter, or while the splitter's creator is still setting it up, the size is only kept.
  if (!splitter_ || !splitter_->loaded_) {
    size_ = size;
    return;
  }
  splitter_->ResizePane(*this, size);
}

ui::TControl* TPane::ClientControl() const {
  // A client that was destroyed or moved elsewhere is no longer among the children.
  return std::ranges::find(Controls(), client_) != Controls().end() ? client_ : nullptr;
}

void TPane::SetClientControl(ui::TControl* control) {
  client_ = control;
  if (control) control->SetParent(this);
  FillClient();
}

void TPane::Resize() { FillClient(); }

void TPane::FillClient() {
  if (ui::TControl* client = ClientControl()) client->SetBounds(0, 0, ClientWidth(), ClientHeight());
}

}  // namespace controls
