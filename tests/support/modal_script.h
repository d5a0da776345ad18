// The user in the modal forms a headless program shows: the test says, form by form in the order they
// show, what the user does in each (checks a box, types, presses OK or Cancel), and the helpers below
// act on a form's controls as the user does, found by their names:
//
//   env.modal.When("FRegDlg", [](ui::TForm& dialog) {
//     SetChecked(dialog, "CheckBoxAvi", true);
//     Press(dialog, "OKBtn");
//   });
//
// A modal form that shows without a step of its own left is closed as with its close box (mrCancel), as
// a message box without a scripted answer takes its default button.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/forms.h"
#include "ui/headless/headless_backend.h"

namespace testing_support {

class ModalScript {
 public:
  using Act = std::function<void(ui::TForm&)>;

  explicit ModalScript(ui::HeadlessBackend& backend);
  // A step that no form used fails the test.
  ~ModalScript();
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  // The next modal form to show is the one named; once it shows, the user does `act` in it, as one
  // event of the form's message loop (an error that escapes goes to the standard error box). A form
  // that the step leaves open ends with mrCancel.
  void When(std::string form, Act act);
  // The steps not yet used.
  std::size_t Pending() const { return steps_.size(); }

 private:
  struct Step {
    std::string form;
    Act act;
  };
  void Shown(ui::TForm& form);
  std::deque<Step> steps_;
};

// A control of the form by its name, at any depth of ownership; a missing one or one of another kind
// fails the test and throws.
ui::TComponent& FindNamed(ui::TForm& form, std::string_view name);
template <typename Control>
Control& Find(ui::TForm& form, std::string_view name) {
  auto* control = dynamic_cast<Control*>(&FindNamed(form, name));
  if (!control) {
    ADD_FAILURE() << std::string(name) << " is not of the kind the test asked for";
    throw std::logic_error("control of another kind");
  }
  return *control;
}

// What the user does. Each needs the control to show and be enabled, as the user does, and fails the
// test otherwise.
void Press(ui::TForm& form, std::string_view button);
// Clicks the check box when its mark differs from the one wanted.
void SetChecked(ui::TForm& form, std::string_view checkBox, bool checked);
// Selects the edit's whole text and types over it.
void TypeInto(ui::TForm& form, std::string_view edit, const std::string& text);
// The dialog keys: Enter presses the focused or default button, Esc the cancel button; without such a
// button nothing happens.
void PressEnter(ui::TForm& form);
void PressEscape(ui::TForm& form);

}  // namespace testing_support
