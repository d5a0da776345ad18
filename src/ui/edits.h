// The one-line edit box and the up-down control that steps a number in one.
#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

class TUpDown;

enum class TBorderStyle { bsNone, bsSingle };

// A one-line edit box. Its text is its caption; every change of the text, the program's or the user's,
// fires OnChange.
class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner, std::string name = {});
  ~TEdit() override;

  const std::string& Text() const { return Caption(); }
  // Replaces the text; the caret goes to its start, nothing selected.
  void SetText(const std::string& text);

  // The user may select and copy the text, not change it.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  // A single border is sunken, or with Ctl3D off a flat line.
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool ctl3D);
  // Typed text passes through the OEM character set, as file names do; read when the window is made.
  bool OEMConvert = false;
  // The whole text is selected when the box gets the focus.
  bool AutoSelect = true;

  // The selection, or with a length of 0 the caret, in characters from the start of the text; kept
  // within the text.
  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  void SetSelStart(int start);
  void SetSelLength(int length);
  void SelectAll();
  std::string SelText() const { return Text().substr(selStart_, selLength_); }

  TNotifyEvent OnChange;

  // With an up-down control attached, the up and down keys step it.
  void KeyDown(std::uint16_t& key, TShiftState shift) override;

  // The user types characters: each goes through OnKeyPress and, unless consumed, replaces the
  // selection (a backspace removes it, or the character before the caret); a read-only box takes none.
  void UserType(const std::string& characters);
  // The window holds a text the user edited, with the caret where the user left it.
  void TextEdited(const std::string& text, int selStart, int selLength);
  // The user moved the caret or the selection in the window.
  void SelectionMoved(int selStart, int selLength);

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;
  void DoEnter() override;
  virtual void Change();

 private:
  friend class TUpDown;
  void Select(int start, int length);
  bool readOnly_ = false;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  bool ctl3D_ = true;
  int selStart_ = 0, selLength_ = 0;
  TUpDown* upDown_ = nullptr;
};

enum class TUDBtnType { btNext, btPrev };

// Up and down arrows that step a number between Min and Max, shown as the text of an edit box
// attached to it (its Associate), which it sits beside.
class TUpDown : public TWinControl {
 public:
  using TWinControl::TWinControl;
  ~TUpDown() override;

  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int v);
  void SetMax(int v);
  // Read from the associate's text first: a whole number within Min..Max becomes the position, any
  // other text leaves it as it was. Setting it keeps it within Min..Max and writes it into the
  // associate.
  int Position() const;
  void SetPosition(int v);
  int Increment = 1;
  // Stepping past Max goes to Min, and past Min to Max; without it a step stops there.
  bool Wrap = false;

  TEdit* Associate() const { return associate_; }
  void SetAssociate(TEdit* edit);

  // Before a user's step; a handler that clears the flag keeps the position.
  std::function<void(TObject* sender, bool& allowChange)> OnChanging;

  // The user presses an arrow (or the up or down key in the associate): the position steps, then
  // OnClick.
  void UserClick(TUDBtnType button);

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;

 private:
  friend class TEdit;
  void ShowPosition();
  int min_ = 0, max_ = 100;
  mutable int position_ = 0;
  TEdit* associate_ = nullptr;
};

}  // namespace ui
