// Controls: plain objects that hold their properties and fire their events. When a window system is
// present, each control also has a native peer that mirrors every change (see backend.h).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/component.h"
#include "ui/drag.h"
#include "ui/font.h"

namespace ui {

class TCanvas;
class TPopupMenu;
class TWinControl;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner, std::string name = {});
  ~TControl() override;

  // Geometry in the parent's client coordinates.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual int ClientWidth() const { return width_; }
  virtual int ClientHeight() const { return height_; }
  // Between the control's client coordinates and the screen's, through the parents up to the form,
  // whose client area the backend places on the screen.
  TPoint ClientToScreen(TPoint client) const;
  TPoint ScreenToClient(TPoint screen) const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Visible, and so are all its parents.
  bool Showing() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The control's text: a form's title, a label's or panel's caption.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint = true;

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor color);
  // The font: the parent's while ParentFont holds, which setting a font of the control's own ends.
  const TFont& Font() const;
  void SetFont(const TFont& font);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);

  TPopupMenu* PopupMenu = nullptr;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TKeyEvent OnKeyDown;

  // The pointer shown over the control, unless the screen's pointer overrides it.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  // What the user does to the control; a peer calls these for a real user, a test for a pretended one.
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  // Fires OnKeyDown; the key comes back 0 when the handler consumed it.
  virtual void KeyDown(std::uint16_t& key, TShiftState shift);

  // Dragging the control: automatically by a left press (decided after OnMouseDown, which may switch
  // the mode for that very press), or by BeginDrag from the program. The drag starts at once when
  // immediate, else once the mouse has moved threshold pixels (-1: the system's drag distance).
  TDragMode DragMode = TDragMode::dmManual;
  TCursor DragCursor = TCursor::crDrag;
  void BeginDrag(bool immediate, int threshold = -1);
  // A drag of the control is pending or running.
  bool Dragging() const;
  TNotifyEvent OnStartDrag;
  // Without a handler the control refuses every drop; with one, accept starts true.
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;
  // The drag's calls to its source and targets.
  virtual void DoStartDrag();
  virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
  virtual void DragDrop(TObject* source, int x, int y);
  virtual void DoEndDrag(TObject* target, int x, int y);

  // Files dragged from the shell: the peer registers the window for them while AcceptFiles holds and
  // calls DropFiles with the files dropped, at the drop point.
  bool AcceptFiles() const { return acceptFiles_; }
  void SetAcceptFiles(bool accept);
  TDropFilesEvent OnDropFiles;
  virtual void DropFiles(const std::vector<std::string>& files, int x, int y);

  // The canvas the control draws on and measures text with (made on first use).
  TCanvas& Canvas();

  Peer* GetPeer() const { return peer_.get(); }
  std::uintptr_t Handle() const { return peer_ ? peer_->Handle() : 0; }
  // Makes the peer of this control and its children, when the backend has windows.
  virtual void CreateHandle();

 protected:
  virtual std::unique_ptr<Peer> MakePeer(Backend& backend) = 0;
  // Lets a control hold its size to its own rules whatever bounds it is given.
  virtual void ConstrainBounds(int& width, int& height) {}
  // Called once the control's width or height has changed.
  virtual void Resize() {}
  // The caption has changed (after its peer has heard of it).
  virtual void CaptionChanged() {}
  // The font the control shows has changed (after its peer has heard of it).
  virtual void FontChanged();
  void Changed(Change what, int index = -1);

 private:
  friend class TWinControl;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  std::string hint_;
  TColor color_ = clBtnFace;
  TColor fontColor_ = clWindowText;
  TFont font_;
  bool parentFont_ = true;
  TCursor cursor_ = TCursor::crDefault;
  bool acceptFiles_ = false;
  TWinControl* parent_ = nullptr;
  std::unique_ptr<Peer> peer_;
  std::unique_ptr<TCanvas> canvas_;
};

class TWinControl : public TControl {
 public:
  using TControl::TControl;
  ~TWinControl() override;

  const std::vector<TControl*>& Controls() const { return children_; }
  void CreateHandle() override;

  // The deepest visible child under a point of the client area, disabled ones skipped unless allowed;
  // nullptr when the point falls on no child. A later child lies above an earlier one.
  TControl* ControlAtPos(TPoint client, bool allowDisabled) const;

  // Keyboard focus: only a showing, enabled control can take it. The control that loses it hears
  // OnExit, then the one that gains it OnEnter.
  bool CanFocus() const;
  void SetFocus();
  bool Focused() const;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  // The window system moved the focus to this control, or away from it to a window that is none of
  // the library's; a peer calls these for a real user.
  void FocusReceived();
  void FocusLost();

  // Whether Tab stops at the control.
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);

  // A character typed while the control has the focus; a handler that sets it to 0 has consumed it.
  TKeyPressEvent OnKeyPress;
  virtual void KeyPress(char& key);

 protected:
  virtual void DoEnter();
  virtual void DoExit();

 private:
  friend class TControl;
  std::vector<TControl*> children_;
  bool tabStop_ = false;
};

// A windowed control that paints itself on its canvas.
class TCustomControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  // Paints the whole control; the peer calls it for the window system's paint requests.
  virtual void Paint() {}
  // Repaints the whole control: at once without windows, at the next paint request with them.
  void Invalidate();

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;
};

}  // namespace ui
