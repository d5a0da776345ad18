// The standard controls the programs place on their forms.
#pragma once

#include <cstdint>
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

class TLabel : public TControl {
 public:
  using TControl::TControl;

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;
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

// A single-selection list box.
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

  // The selected item, -1 for none. Changing the items keeps the platform's rules: deleting or
  // clearing drops a selection that no longer stands.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);

  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int index);
  int ItemHeight = 13;

  // Width in pixels the list can scroll horizontally to; 0 means no horizontal scrolling.
  int HorizontalExtent() const { return horizontalExtent_; }
  void SetHorizontalExtent(int extent);

  // The list's own select-by-prefix search: the first item after start whose text begins with the
  // prefix, ignoring case, searching on from the top; -1 starts at the top. Returns the index found
  // (and selects it and scrolls it into view) or -1, leaving the selection alone.
  int SelectByPrefix(int start, const std::string& prefix);

  // The user selects an item (clicking it or with the keys): the selection changes, then OnClick.
  void UserSelect(int index);

  // A scroll bar message, after the list has handled it (and scrolled): the request code (SB_* values)
  // and the message's 16-bit position.
  virtual void Scrolled(bool vertical, int code, std::uint16_t position) {}

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;

 private:
  void ScrollIntoView(int index);
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int topIndex_ = 0;
  int horizontalExtent_ = 0;
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
