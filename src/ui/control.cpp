#include "ui/control.h"

#include <algorithm>
#include <utility>

#include "ui/canvas.h"
#include "ui/forms.h"

namespace ui {

TControl::TControl(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {}

TControl::~TControl() {
  if (HasApplication()) Application().Drag().Forget(*this);
  peer_.reset();
  if (parent_) std::erase(parent_->children_, this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  ConstrainBounds(width, height);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Changed(Change::Bounds);
  if (resized) Resize();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(Change::Visible);
}

TPoint TControl::ClientToScreen(TPoint client) const {
  TPoint p = client;
  const TControl* c = this;
  for (; c->parent_; c = c->parent_) {
    p.x += c->left_;
    p.y += c->top_;
  }
  // A form's client area is where the backend puts it; any other top control stands for its window.
  const auto* form = dynamic_cast<const TForm*>(c);
  const TPoint origin = form ? Application().GetBackend().ClientOrigin(*form) : TPoint{c->left_, c->top_};
  return {p.x + origin.x, p.y + origin.y};
}

TPoint TControl::ScreenToClient(TPoint screen) const {
  const TPoint origin = ClientToScreen({0, 0});
  return {screen.x - origin.x, screen.y - origin.y};
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed(Change::Enabled);
}

void TControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed(Change::Text);
  CaptionChanged();
}

void TControl::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Changed(Change::Hint);
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed(Change::Color);
}

void TControl::SetFontColor(TColor color) {
  if (color == fontColor_) return;
  fontColor_ = color;
  Changed(Change::FontColor);
}

const TFont& TControl::Font() const { return parentFont_ && parent_ ? parent_->Font() : font_; }

void TControl::SetFont(const TFont& font) {
  if (!parentFont_ && font == font_) return;
  const bool shown = Font() == font;
  font_ = font;
  parentFont_ = false;
  if (!shown) FontChanged();
}

void TControl::SetParentFont(bool parentFont) {
  if (parentFont == parentFont_) return;
  const TFont before = Font();
  parentFont_ = parentFont;
  if (Font() != before) FontChanged();
}

void TControl::FontChanged() {
  Changed(Change::Font);
  // The children that show this font follow it.
  if (auto* container = dynamic_cast<TWinControl*>(this))
    for (TControl* child : container->children_)
      if (child->parentFont_) child->FontChanged();
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  Changed(Change::Cursor);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  peer_.reset();
  if (parent_) std::erase(parent_->children_, this);
  const TFont before = Font();
  parent_ = parent;
  if (parent_) parent_->children_.push_back(this);
  if (Font() != before) FontChanged();
  if (parent_ && parent_->GetPeer()) CreateHandle();
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
  // A drag the handler began itself stands.
  if (button == TMouseButton::mbLeft && DragMode == TDragMode::dmAutomatic && !Dragging())
    Application().Drag().Begin(*this, false, -1, ClientToScreen({x, y}));
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::KeyDown(std::uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TControl::BeginDrag(bool immediate, int threshold) {
  Application().Drag().Begin(*this, immediate, threshold, Application().GetBackend().CursorPos());
}

bool TControl::Dragging() const { return HasApplication() && Application().Drag().Source() == this; }

void TControl::DoStartDrag() {
  if (OnStartDrag) OnStartDrag(this);
}

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
  accept = static_cast<bool>(OnDragOver);
  if (OnDragOver) OnDragOver(this, source, x, y, state, accept);
}

void TControl::DragDrop(TObject* source, int x, int y) {
  if (OnDragDrop) OnDragDrop(this, source, x, y);
}

void TControl::DoEndDrag(TObject* target, int x, int y) {
  if (OnEndDrag) OnEndDrag(this, target, x, y);
}

void TControl::SetAcceptFiles(bool accept) {
  if (accept == acceptFiles_) return;
  acceptFiles_ = accept;
  Changed(Change::AcceptFiles);
}

void TControl::DropFiles(const std::vector<std::string>& files, int x, int y) {
  if (acceptFiles_ && OnDropFiles) OnDropFiles(this, files, x, y);
}

TCanvas& TControl::Canvas() {
  if (!canvas_) canvas_ = Application().GetBackend().CreateCanvas(*this);
  return *canvas_;
}

void TControl::CreateHandle() {
  if (!peer_) peer_ = MakePeer(Application().GetBackend());
}

void TControl::Changed(Change what, int index) {
  if (peer_) peer_->Changed(what, index);
}

TWinControl::~TWinControl() {
  if (HasApplication() && Application().Screen().activeControl_ == this) Application().Screen().activeControl_ = nullptr;
  for (TControl* child : children_) child->parent_ = nullptr;
}

void TWinControl::CreateHandle() {
  TControl::CreateHandle();
  if (!GetPeer()) return;
  for (TControl* child : children_) child->CreateHandle();
}

TControl* TWinControl::ControlAtPos(TPoint client, bool allowDisabled) const {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    TControl* child = *it;
    if (!child->Visible() || (!child->Enabled() && !allowDisabled)) continue;
    const TPoint p{client.x - child->left_, client.y - child->top_};
    if (p.x < 0 || p.y < 0 || p.x >= child->width_ || p.y >= child->height_) continue;
    if (auto* container = dynamic_cast<TWinControl*>(child))
      if (TControl* deeper = container->ControlAtPos(p, allowDisabled)) return deeper;
    return child;
  }
  return nullptr;
}

bool TWinControl::CanFocus() const { return Showing() && Enabled(); }

void TWinControl::SetFocus() {
  FocusReceived();
  Changed(Change::Focus);
}

void TWinControl::FocusReceived() {
  TWinControl*& active = Application().Screen().activeControl_;
  if (active == this) return;
  TWinControl* previous = std::exchange(active, this);
  if (previous) previous->DoExit();
  DoEnter();
}

void TWinControl::FocusLost() {
  TWinControl*& active = Application().Screen().activeControl_;
  if (active != this) return;
  active = nullptr;
  DoExit();
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::SetTabStop(bool tabStop) {
  if (tabStop == tabStop_) return;
  tabStop_ = tabStop;
  Changed(Change::TabStop);
}

void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

bool TWinControl::Focused() const { return Application().Screen().ActiveControl() == this; }

void TCustomControl::Invalidate() {
  if (GetPeer()) {
    Changed(Change::Invalidate);
  } else {
    Paint();
  }
}

std::unique_ptr<Peer> TCustomControl::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }

}  // namespace ui
