// The program group dialog: the group's name typed or chosen among the groups there are; Continue
// makes the group, its shortcuts and, on request, the desktop shortcut.
#pragma once

#include <string>

#include "setup/setup_state.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/forms.h"
#include "ui/stdctrls.h"

namespace setup {

class TFormGroup : public ui::TForm {
 public:
  // A dialog of the welcome window; Continue sets the state's group folder.
  TFormGroup(ui::TForm* welcome, SetupState& state);

  ui::TLabel Label1{this, "Label1"};
  ui::TEdit Edit{this, "Edit"};
  ui::TLabel Label2{this, "Label2"};
  ui::TListBox ListBox{this, "ListBox"};
  ui::TLabel Label3{this, "Label3"};
  ui::TButton ButGpCon{this, "ButGpCon"};
  ui::TButton ButGpQuit{this, "ButGpQuit"};

  // Finds the Programs folder and lists its groups. Without a Programs folder no group can be made:
  // Continue is disabled, and Quit or closing the dialog are left.
  void FormCreate(ui::TObject* sender);
  // The clicked group's name goes to the edit box.
  void ListBoxClick(ui::TObject* sender);
  // Makes the group and the shortcuts; the dialog then closes with OK.
  void ButGpConClick(ui::TObject* sender);
  // Ends setup.
  void ButGpQuitClick(ui::TObject* sender);

 private:
  SetupState& state_;
  std::string programsFolder_;
};

}  // namespace setup
