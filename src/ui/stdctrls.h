// The standard controls the programs place on their forms.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class TPanel : public TWinControl {
 public:
  using TWinControl::TWinControl;
  enum class TBevelCut { bvNone, bvLowered, bvRaised };
  TBevelCut BevelOuter = TBevelCut::bvRaised;

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TControl {
 public:
  using TControl::TControl;

  // An auto-sized label takes the size of its caption in its font, whatever bounds it is given and
  // whenever the caption or the font changes; its left and top stay where they are. A word-wrapped
  // one keeps its width and takes the height of its lines.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // The caption broken into lines between words, as wide as the label.
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;
  void ConstrainBounds(int& width, int& height) override;
  void CaptionChanged() override { SetBounds(Left(), Top(), Width(), Height()); }
  void FontChanged() override;

 private:
  bool autoSize_ = true;
  bool wordWrap_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
};

class TBevel : public TControl {
 public:
  using TControl::TControl;

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;
};

// A flat tool button with a glyph the program draws: rows of '#' (set) and '.' (clear), drawn in the
// button text colour, or grayed while disabled. Its hint doubles as the window text.
class TSpeedButton : public TWinControl {
 public:
  using TWinControl::TWinControl;
  std::vector<std::string> Glyph;

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;
};

// Owner-drawn items: the window system asks the program to draw each item on the control's canvas.
enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed };
// The state an item is drawn in, as the platform numbers it.
using TOwnerDrawState = unsigned;
constexpr TOwnerDrawState odSelected = 0x1, odDisabled = 0x4, odFocused = 0x10, odComboBoxEdit = 0x1000;
using TDrawItemEvent = std::function<void(TObject* control, int index, TRect rect, TOwnerDrawState state)>;
// How lists draw an item: the canvas takes the colours of the state (highlighted when selected, else the
// control's own), then the handler draws, or without one the text goes on the background.
void DrawListItem(TControl& control, const TDrawItemEvent& onDrawItem, const std::string& text, int index,
                  TRect rect, TOwnerDrawState state);

// A list box, of single selection or of extended multiple selection (a click selects one item,
// Ctrl+click toggles one, Shift+click selects the range from the anchor, the item last clicked
// without Shift).
class TListBox : public TWinControl {
 public:
  using TWinControl::TWinControl;

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Item(int index) const { return items_.at(index); }
  const std::vector<std::string>& Items() const { return items_; }
  void Add(const std::string& text) { Insert(Count(), text); }
  void Insert(int index, const std::string& text);
  void Delete(int index);
  void Exchange(int a, int b);
  void SetItem(int index, const std::string& text);
  void Clear();
  // Replaces every item at once, the selection dropped: one change for the window, however many items.
  void Assign(std::vector<std::string> items);
  // Many changes in a row: the window neither repaints nor recomputes its scroll bars until the last
  // EndUpdate. Calls nest.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updates_ > 0; }

  // The selected item, -1 for none; in a multi-selection list, the focused item (which need not be
  // selected). Changing the items keeps the platform's rules: deleting or clearing drops a selection
  // that no longer stands. Setting it from the program does not scroll the list (the window does, and
  // its peer reads the top index back).
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);

  // Switching multiple selection on keeps the selected item as the selection; switching it off keeps
  // the focused item as the selection.
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool multiSelect);
  // Selection of one item (in a single-selection list, selecting an item makes it the ItemIndex).
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);
  int SelCount() const;

  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int index);
  int ItemHeight = 13;

  // The item under a client point, counting rows from the top index; below the last item -1, or with
  // existing off the count (where a drop there would insert). -1 outside the client area.
  int ItemAtPos(TPoint client, bool existing) const;
  // The rectangle of an item, 0 to Count (the row below the last), across the client width.
  TRect ItemRect(int index) const;

  // Width in pixels the list can scroll horizontally to; 0 means no horizontal scrolling.
  int HorizontalExtent() const { return horizontalExtent_; }
  void SetHorizontalExtent(int extent);

  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle style);
  // Draws an owner-drawn item (see DrawListItem); the peer calls it with the canvas on the item's DC.
  TDrawItemEvent OnDrawItem;
  virtual void DrawItem(int index, TRect rect, TOwnerDrawState state);

  // The list's own select-by-prefix search: the first item after start whose text begins with the
  // prefix, ignoring case, searching on from the top; -1 starts at the top. Returns the index found
  // (and selects it and scrolls it into view) or -1, leaving the selection alone.
  int SelectByPrefix(int start, const std::string& prefix);

  // The user selects an item (clicking it or with the keys), with the modifier keys held: the
  // selection changes, then OnClick.
  void UserSelect(int index, TShiftState shift = 0);

  // A scroll bar message, after the list has handled it (and scrolled): the request code (SB_* values)
  // and the message's 16-bit position.
  virtual void Scrolled(bool vertical, int code, std::uint16_t position) {}

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;

 private:
  void ScrollIntoView(int index);
  void CheckIndex(int index) const;
  void SelectOnly(int index);
  std::vector<std::string> items_;
  int updates_ = 0;
  std::vector<bool> selected_;  // multi-selection only
  int itemIndex_ = -1;
  int anchor_ = -1;
  int topIndex_ = 0;
  int horizontalExtent_ = 0;
  bool multiSelect_ = false;
  TListBoxStyle style_ = TListBoxStyle::lbStandard;
};

enum class TComboBoxStyle { csDropDownList, csOwnerDrawFixed };

// A drop-down list: the user picks one of its items; nothing can be typed in.
class TComboBox : public TWinControl {
 public:
  using TWinControl::TWinControl;

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Item(int index) const { return items_.at(index); }
  const std::vector<std::string>& Items() const { return items_; }
  void Add(const std::string& text) { Insert(Count(), text); }
  void Insert(int index, const std::string& text);
  void Delete(int index);
  void Clear();

  // The item shown, -1 for none; it follows its item as items come and go, and is dropped with it.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  int ItemHeight = 16;
  // Items the opened list shows without scrolling.
  int DropDownCount = 8;

  // The user's choice only, even of the item already shown; the program's changes are silent.
  TNotifyEvent OnChange;
  // Draws an owner-drawn item (see DrawListItem), the closed box's own face with odComboBoxEdit.
  TDrawItemEvent OnDrawItem;
  virtual void DrawItem(int index, TRect rect, TOwnerDrawState state);

  // The user picks an item from the opened list: it is shown, then Change.
  void UserSelect(int index);

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;
  // The user's choice is shown: fires OnChange. A box that acts on its choice itself (moving a linked
  // control) does so here, before the event.
  virtual void Change();

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  TComboBoxStyle style_ = TComboBoxStyle::csDropDownList;
};

class TTrackBar : public TWinControl {
 public:
  using TWinControl::TWinControl;

  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int v);
  void SetMax(int v);
  // Kept within Min..Max. Only the user's moves fire OnChange; the program's do not.
  int Position() const { return position_; }
  void SetPosition(int v);
  int SelStart() const { return selStart_; }
  int SelEnd() const { return selEnd_; }
  void SetSelStart(int v);
  void SetSelEnd(int v);

  TNotifyEvent OnChange;

  // The user moves the thumb (dragging, clicking the channel or with the keys).
  void UserMove(int position);

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;

 private:
  int min_ = 0, max_ = 10, position_ = 0, selStart_ = 0, selEnd_ = 0;
};

}  // namespace ui
