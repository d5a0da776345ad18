#include "setup/form_title.h"

#include "base/text.h"
#include "setup/finish_page.h"
#include "setup/form_dir.h"
#include "setup/form_group.h"
#include "setup/hour_glass.h"
#include "setup/installation_record.h"
#include "setup/uninstallation.h"

namespace setup {

namespace {

constexpr ui::TColor kAqua = 0xFFFF00;

void Place(ui::TControl& control, ui::TWinControl& parent, int left, int top, int width, int height) {
  control.SetParent(&parent);
  control.SetBounds(left, top, width, height);
}

ui::TFont Typeface(const char* name, int pixels, bool bold, bool italic) {
  ui::TFont font;
  font.Name = name;
  font.Height = -pixels;
  font.Bold = bold;
  font.Italic = italic;
  return font;
}

}  // namespace

TFormTitle::TFormTitle(std::vector<std::string> commandLine)
    : ui::TForm(nullptr, "FormTitle"), commandLine_(std::move(commandLine)) {
  SetCaption("MIDI Tunora Setup");
  BorderStyle = ui::TFormBorderStyle::bsDialog;
  BorderIcons = ui::biSystemMenu;
  Position = ui::TPosition::poScreenCenter;
  SetClientWidth(342);
  SetClientHeight(186);

  Label2.SetCaption("MIDI Tunora");
  Label2.SetFont(Typeface("Arial", 32, false, true));
  Label2.SetFontColor(ui::clRed);
  Place(Label2, *this, 8, 4, 0, 0);
  Label3.SetCaption("1.0");
  Label3.SetFont(Typeface("MS Sans Serif", 32, true, false));
  Label3.SetFontColor(kAqua);
  Place(Label3, *this, 196, 4, 0, 0);
  Label4.SetCaption("Setup");
  Label4.SetFont(Typeface("Arial", 23, true, true));
  Label4.SetFontColor(ui::clBlack);
  Place(Label4, *this, 252, 12, 0, 0);
  Label1.SetCaption(
      "Welocme to MIDI Tunora setup program.  You may install or uninstall MIDI Tunora. Click one of the radio "
      "buttons then press 'Continue' to proceed.          Press 'Quit' to leave this program.       ");
  Label1.SetWordWrap(true);
  Place(Label1, *this, 8, 46, 326, 52);

  // The finish page centres Button1 below the group box, which holds the check boxes in place of the
  // radio buttons.
  GroupBox1.SetCaption("");
  Place(GroupBox1, *this, 8, 100, 326, 48);
  RadioInstall.SetCaption("Install MIDI Tunora");
  RadioInstall.SetChecked(true);
  Place(RadioInstall, GroupBox1, 12, 18, 148, 20);
  RadioUninstall.SetCaption("Uninstall MIDI Tunora");
  Place(RadioUninstall, GroupBox1, 166, 18, 148, 20);
  CheckBox1.SetCaption("View ReadMe.txt");
  CheckBox1.SetChecked(true);
  CheckBox1.SetVisible(false);
  Place(CheckBox1, GroupBox1, 12, 18, 148, 20);
  CheckBox2.SetCaption("Launch MIDI Tunora");
  CheckBox2.SetChecked(true);
  CheckBox2.SetVisible(false);
  Place(CheckBox2, GroupBox1, 166, 18, 148, 20);

  Button1.SetCaption("&Continue");
  Button1.SetDefault(true);
  Place(Button1, *this, 162, 155, 84, 25);
  Button2.SetCaption("&Quit");
  Button2.Cancel = true;
  Place(Button2, *this, 250, 155, 84, 25);

  OnCreate = [this](ui::TObject* sender) { FormCreate(sender); };
  Button1.OnClick = [this](ui::TObject* sender) { Button1Click(sender); };
  Button2.OnClick = [this](ui::TObject* sender) { Button2Click(sender); };
}

void TFormTitle::FormCreate(ui::TObject*) {
  os::Services& services = ui::Application().Services();
  state_.SourceFolder = services.files.GetCurrentFolder();
  const bool offered = UninstallOffered(services.registry);
  RadioUninstall.SetEnabled(offered);
  for (const std::string& word : commandLine_) {
    if (offered && base::SameText(word, "/uninstall")) RadioUninstall.SetChecked(true);
  }
}

void TFormTitle::Button1Click(ui::TObject*) {
  ui::TApplication& application = ui::Application();
  if (finishPage_) {
    Finish(application, state_, CheckBox1.Checked(), CheckBox2.Checked());
    application.Terminate();
  } else if (RadioUninstall.Checked()) {
    if (Uninstall(application, state_)) application.Terminate();
  } else {
    Install();
  }
}

void TFormTitle::Button2Click(ui::TObject*) { ui::Application().Terminate(); }

void TFormTitle::Install() {
  ui::TApplication& application = ui::Application();
  {
    TFormDir dialog(this, state_);
    application.CreateForm(dialog);
    dialog.ShowModal();
  }
  // The dialog's closing shows the welcome window again; setup may have ended in it.
  SetVisible(true);
  if (application.Terminated() || state_.TargetFolder.empty()) return;
  SetVisible(false);
  {
    TFormGroup dialog(this, state_);
    application.CreateForm(dialog);
    dialog.ShowModal();
  }
  SetVisible(true);
  if (application.Terminated() || state_.GroupFolder.empty()) return;
  SetVisible(false);
  {
    HourGlass busy(application);
    ShowFinishPage();
    if (!RecordInstallation(application, state_)) {
      application.Terminate();
      return;
    }
  }
  SetVisible(true);
  Button1.SetFocus();
}

void TFormTitle::ShowFinishPage() {
  finishPage_ = true;
  SetCaption("MIDI Tunora Installation Complete");
  Label1.SetCaption(
      "You have finisned the installation of MIDI Tunora 1.0. If you want to view readme text and launch MIDI "
      "Tunora now, click 'Finish' button to proceed.");
  Label2.SetCaption("Installation");
  ui::TFont complete = Label3.Font();
  complete.SetSize(24);
  Label3.SetFont(complete);
  Label3.SetCaption("Complete");
  Label3.SetAutoSize(false);
  Label3.SetBounds(Label3.Left(), Label2.Top(), ClientWidth() - Label3.Left() - 2, Label3.Height());
  Label4.SetVisible(false);
  RadioInstall.SetVisible(false);
  RadioUninstall.SetVisible(false);
  Button2.SetVisible(false);
  CheckBox1.SetVisible(true);
  CheckBox2.SetVisible(true);
  Button1.SetCaption("&Finish");
  Button1.SetLeft((ClientWidth() - Button1.Width()) / 2);
}

}  // namespace setup
