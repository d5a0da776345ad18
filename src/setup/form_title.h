// The welcome window, setup's main window: the choice between installation and uninstallation, and,
// once installed, the finish page. It holds the setup state for the whole run.
#pragma once

#include <string>
#include <vector>

#include "setup/setup_state.h"
#include "ui/buttons.h"
#include "ui/forms.h"
#include "ui/stdctrls.h"

namespace setup {

class TFormTitle : public ui::TForm {
 public:
  // The command-line words after the program name: "/uninstall" (letter case ignored) chooses
  // uninstallation at the start, where it is offered, as the system's list of installed programs asks.
  explicit TFormTitle(std::vector<std::string> commandLine = {});

  ui::TLabel Label1{this, "Label1"};
  ui::TLabel Label2{this, "Label2"};
  ui::TLabel Label3{this, "Label3"};
  ui::TLabel Label4{this, "Label4"};
  ui::TGroupBox GroupBox1{this, "GroupBox1"};
  ui::TRadioButton RadioInstall{this, "RadioInstall"};
  ui::TRadioButton RadioUninstall{this, "RadioUninstall"};
  ui::TCheckBox CheckBox1{this, "CheckBox1"};
  ui::TCheckBox CheckBox2{this, "CheckBox2"};
  ui::TButton Button1{this, "Button1"};
  ui::TButton Button2{this, "Button2"};

  // Sets the source folder and offers uninstallation where there is something to uninstall.
  void FormCreate(ui::TObject* sender);
  // Continue: the installation, or the uninstallation; on the finish page, Finish.
  void Button1Click(ui::TObject* sender);
  // Quit: setup ends.
  void Button2Click(ui::TObject* sender);

  const SetupState& State() const { return state_; }
  bool OnFinishPage() const { return finishPage_; }

 private:
  void Install();
  void ShowFinishPage();
  SetupState state_;
  std::vector<std::string> commandLine_;
  bool finishPage_ = false;
};

}  // namespace setup
