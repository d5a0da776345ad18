// Push buttons, check boxes and radio buttons, and the framed box that groups them.
#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

class TForm;

// A push button. A click fires OnClick; a button with a modal result first gives it to its form, which
// ends the form's modal run once the click has been handled (a handler may set the form's result back
// to mrNone to keep it open).
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner, std::string name = {});

  // The default button: Enter presses it, unless the focus is on another button.
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  // The cancel button: Esc presses it.
  bool Cancel = false;
  int ModalResult = mrNone;

  void Click() override;

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;

 private:
  bool default_ = false;
};

// A check box. The program's changes of the check mark are silent; a user's click toggles it, then
// fires OnClick.
class TCheckBox : public TWinControl {
 public:
  explicit TCheckBox(TComponent* owner, std::string name = {});

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  void Click() override;

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;

 private:
  bool checked_ = false;
};

// A radio button: checking one unchecks the other radio buttons of the same parent. A user's click
// checks it and fires OnClick, unless it was checked already.
class TRadioButton : public TWinControl {
 public:
  explicit TRadioButton(TComponent* owner, std::string name = {});

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  void Click() override;

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;

 private:
  bool checked_ = false;
};

// A frame with its caption at the top left, around the controls placed in it.
class TGroupBox : public TWinControl {
 public:
  using TWinControl::TWinControl;

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;
};

// The form a control lies on; nullptr for a control on no form.
TForm* ParentForm(const TControl& control);
// The button Enter presses on a form: the focused button, else the default button; nullptr for none.
// Only a showing, enabled button counts.
TButton* EnterButton(const TForm& form);
// The button Esc presses: the cancel button; nullptr for none.
TButton* EscapeButton(const TForm& form);

}  // namespace ui
