#include "setup/form_group.h"

#include "setup/program_group.h"

namespace setup {

namespace {

void Place(ui::TControl& control, ui::TWinControl& parent, int left, int top, int width, int height) {
  control.SetParent(&parent);
  control.SetBounds(left, top, width, height);
}

}  // namespace

TFormGroup::TFormGroup(ui::TForm* welcome, SetupState& state) : ui::TForm(welcome, "FormGroup"), state_(state) {
  SetCaption("Create MIDI Tunora Program Group");
  BorderStyle = ui::TFormBorderStyle::bsDialog;
  BorderIcons = ui::biSystemMenu;
  Position = ui::TPosition::poScreenCenter;
  SetClientWidth(377);
  SetClientHeight(243);

  Label1.SetCaption("&Create Program Group Folder:");
  Place(Label1, *this, 8, 8, 0, 0);
  Edit.SetText(kDefaultGroupName);
  Place(Edit, *this, 8, 24, 361, 21);
  Label2.SetCaption("&Existing Program Groups:");
  Place(Label2, *this, 8, 54, 0, 0);
  Place(ListBox, *this, 8, 70, 217, 165);
  Label3.SetCaption(
      "Click 'Continue' or press Enter If you accept the default name of MIDI Tunora program group. You may also "
      "type a name in the edit box to create a program group.");
  Label3.SetWordWrap(true);
  Place(Label3, *this, 236, 70, 133, 104);
  ButGpCon.SetCaption("&Continue");
  ButGpCon.SetDefault(true);
  ButGpCon.ModalResult = ui::mrOk;
  Place(ButGpCon, *this, 236, 178, 133, 25);
  ButGpQuit.SetCaption("&Quit");
  Place(ButGpQuit, *this, 236, 210, 133, 25);
  ActiveControl = &Edit;

  OnCreate = [this](ui::TObject* sender) { FormCreate(sender); };
  ListBox.OnClick = [this](ui::TObject* sender) { ListBoxClick(sender); };
  ButGpCon.OnClick = [this](ui::TObject* sender) { ButGpConClick(sender); };
  ButGpQuit.OnClick = [this](ui::TObject* sender) { ButGpQuitClick(sender); };
}

void TFormGroup::FormCreate(ui::TObject*) {
  SetTopMost(true);
  programsFolder_ = FindProgramsFolder(ui::Application());
  ButGpCon.SetEnabled(!programsFolder_.empty());
  if (programsFolder_.empty()) return;
  ListBox.Assign(ExistingGroups(ui::Application().Services().files, programsFolder_));
}

void TFormGroup::ListBoxClick(ui::TObject*) {
  if (ListBox.ItemIndex() >= 0) Edit.SetText(ListBox.Item(ListBox.ItemIndex()));
}

void TFormGroup::ButGpConClick(ui::TObject*) {
  ui::TApplication& application = ui::Application();
  if (!CreateProgramGroup(application, state_, programsFolder_, Edit.Text())) return;
  SetVisible(false);
  MakeShortcuts(application, state_);
}

void TFormGroup::ButGpQuitClick(ui::TObject*) { ui::Application().Terminate(); }

}  // namespace setup
