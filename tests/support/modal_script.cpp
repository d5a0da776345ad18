#include "support/modal_script.h"

#include <stdexcept>

namespace testing_support {

ModalScript::ModalScript(ui::HeadlessBackend& backend) {
  backend.OnModalShown = [this](ui::TForm& form) { Shown(form); };
}

ModalScript::~ModalScript() {
  for (const Step& step : steps_) ADD_FAILURE() << "the modal form " << step.form << " never showed";
}

void ModalScript::When(std::string form, Act act) { steps_.push_back({std::move(form), std::move(act)}); }

void ModalScript::Shown(ui::TForm& form) {
  if (steps_.empty()) return;
  Step step = std::move(steps_.front());
  steps_.pop_front();
  if (step.form != form.Name()) {
    ADD_FAILURE() << "the modal form " << form.Name() << " showed where the test expected " << step.form;
    return;
  }
  ui::Application().Dispatch([&] { step.act(form); });
}

namespace {

ui::TComponent* Search(ui::TComponent& owner, std::string_view name) {
  for (ui::TComponent* component : owner.Components()) {
    if (component->Name() == name) return component;
    if (ui::TComponent* found = Search(*component, name)) return found;
  }
  return nullptr;
}

// The user can reach only a control that shows and is enabled.
template <typename Control>
Control& Reachable(ui::TForm& form, std::string_view name) {
  Control& control = Find<Control>(form, name);
  if (!control.Showing() || !control.Enabled()) {
    ADD_FAILURE() << std::string(name) << " is out of the user's reach (hidden or disabled)";
    throw std::logic_error("control out of reach");
  }
  return control;
}

}  // namespace

ui::TComponent& FindNamed(ui::TForm& form, std::string_view name) {
  ui::TComponent* found = Search(form, name);
  if (!found) {
    ADD_FAILURE() << form.Name() << " has no " << std::string(name);
    throw std::logic_error("no such control");
  }
  return *found;
}

void Press(ui::TForm& form, std::string_view button) {
  auto& pressed = Reachable<ui::TButton>(form, button);
  pressed.SetFocus();
  pressed.Click();
}

void SetChecked(ui::TForm& form, std::string_view checkBox, bool checked) {
  auto& box = Reachable<ui::TCheckBox>(form, checkBox);
  box.SetFocus();
  if (box.Checked() != checked) box.Click();
}

void TypeInto(ui::TForm& form, std::string_view edit, const std::string& text) {
  auto& box = Reachable<ui::TEdit>(form, edit);
  box.SetFocus();
  box.SelectAll();
  box.UserType(text);
}

void PressEnter(ui::TForm& form) {
  if (ui::TButton* button = ui::EnterButton(form)) button->Click();
}

void PressEscape(ui::TForm& form) {
  if (ui::TButton* button = ui::EscapeButton(form)) button->Click();
}

}  // namespace testing_support
