#include "ui/buttons.h"

#include "ui/forms.h"

namespace ui {

TForm* ParentForm(const TControl& control) {
  const TControl* top = &control;
  while (top->Parent()) top = top->Parent();
  return dynamic_cast<TForm*>(const_cast<TControl*>(top));
}

namespace {
// The first showing, enabled button among the container's controls, at any depth, that matches.
template <typename Match>
TButton* FindButton(const TWinControl& container, Match match) {
  for (TControl* child : container.Controls()) {
    if (!child->Visible() || !child->Enabled()) continue;
    if (auto* button = dynamic_cast<TButton*>(child); button && match(*button)) return button;
    if (auto* inner = dynamic_cast<TWinControl*>(child))
      if (TButton* found = FindButton(*inner, match)) return found;
  }
  return nullptr;
}
}  // namespace

TButton* EnterButton(const TForm& form) {
  auto* focused = dynamic_cast<TButton*>(Application().Screen().ActiveControl());
  if (focused && ParentForm(*focused) == &form && focused->Showing() && focused->Enabled()) return focused;
  return FindButton(form, [](const TButton& button) { return button.Default(); });
}

TButton* EscapeButton(const TForm& form) {
  return FindButton(form, [](const TButton& button) { return button.Cancel; });
}

TButton::TButton(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) { SetTabStop(true); }

std::unique_ptr<Peer> TButton::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }

void TButton::SetDefault(bool isDefault) {
  if (isDefault == default_) return;
  default_ = isDefault;
  Changed(Change::Style);
}

void TButton::Click() {
  if (ModalResult != mrNone) {
    if (TForm* form = ParentForm(*this)) form->SetModalResult(ModalResult);
  }
  TWinControl::Click();
}

TCheckBox::TCheckBox(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {
  SetTabStop(true);
}

std::unique_ptr<Peer> TCheckBox::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }

void TCheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed(Change::Checked);
}

void TCheckBox::Click() {
  SetChecked(!checked_);
  TWinControl::Click();
}

TRadioButton::TRadioButton(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {
  SetTabStop(true);
}

std::unique_ptr<Peer> TRadioButton::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed(Change::Checked);
  if (!checked_ || !Parent()) return;
  for (TControl* sibling : Parent()->Controls())
    if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio && radio != this) radio->SetChecked(false);
}

void TRadioButton::Click() {
  if (checked_) return;
  SetChecked(true);
  TWinControl::Click();
}

std::unique_ptr<Peer> TGroupBox::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }

}  // namespace ui
