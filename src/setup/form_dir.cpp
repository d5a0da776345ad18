#include "setup/form_dir.h"

#include "setup/target_folder.h"

namespace setup {

namespace {

void Place(ui::TControl& control, ui::TWinControl& parent, int left, int top, int width, int height) {
  control.SetParent(&parent);
  control.SetBounds(left, top, width, height);
}

}  // namespace

TFormDir::TFormDir(ui::TForm* welcome, SetupState& state)
    : ui::TForm(welcome, "FormDir"), welcome_(*welcome), state_(state) {
  SetCaption("Create Program Files Folder");
  BorderStyle = ui::TFormBorderStyle::bsDialog;
  BorderIcons = ui::biSystemMenu;
  Position = ui::TPosition::poScreenCenter;
  SetClientWidth(425);
  SetClientHeight(249);

  Label1.SetCaption("&Install to this directory:");
  Place(Label1, *this, 8, 8, 0, 0);
  Place(DirEdit, *this, 8, 24, 409, 21);
  Label2.SetCaption("&Directory:");
  Place(Label2, *this, 8, 54, 0, 0);
  Place(DirectoryListBox, *this, 8, 70, 201, 126);
  Label3.SetCaption("Dri&ve:");
  Place(Label3, *this, 8, 202, 0, 0);
  Place(DriveComboBox, *this, 8, 218, 201, 22);
  DriveComboBox.SetDirList(&DirectoryListBox);
  Label4.SetCaption(
      "If you want to install MIDI Tunora to the default target directory, simply click 'Continue' button or "
      "press Enter to proceed.");
  Label4.SetWordWrap(true);
  Place(Label4, *this, 220, 58, 197, 56);
  Label5.SetCaption(
      "If you want to install MIDI Tunora to a different directory, you can change path in drive and directory "
      "box, then type a name to specify the new directory you want to create.");
  Label5.SetWordWrap(true);
  Place(Label5, *this, 220, 120, 197, 72);
  ButDirCont.SetCaption("&Continue");
  ButDirCont.SetDefault(true);
  Place(ButDirCont, *this, 220, 216, 94, 25);
  ButDirQuit.SetCaption("&Quit");
  ButDirQuit.Cancel = true;
  Place(ButDirQuit, *this, 323, 216, 94, 25);
  ActiveControl = &DirEdit;

  OnCreate = [this](ui::TObject* sender) { FormCreate(sender); };
  DirectoryListBox.OnChange = [this](ui::TObject* sender) { DirectoryListBoxChange(sender); };
  // Choosing a drive changes the folder list as much as opening one of its rows.
  DriveComboBox.OnChange = [this](ui::TObject*) { DirectoryListBoxChange(&DirectoryListBox); };
  ButDirCont.OnClick = [this](ui::TObject* sender) { ButDirContClick(sender); };
  ButDirQuit.OnClick = [this](ui::TObject* sender) { ButDirQuitClick(sender); };
}

void TFormDir::FormCreate(ui::TObject*) {
  welcome_.SetVisible(false);
  os::Services& services = ui::Application().Services();
  std::string windows = services.shell.SpecialFolderPath(os::SpecialFolder::Windows);
  // Without a Windows folder the drive of the current folder will do.
  if (windows.empty()) windows = services.files.GetCurrentFolder();
  const std::string root = windows.substr(0, 2) + "\\";
  DriveComboBox.SetDrive(root[0]);
  DirectoryListBox.SetDirectory(root);
  DirEdit.SetText(ProposedTargetFolder(DirectoryListBox.Directory()));
}

void TFormDir::DirectoryListBoxChange(ui::TObject*) {
  DirEdit.SetText(ProposedTargetFolder(DirectoryListBox.Directory()));
}

void TFormDir::ButDirContClick(ui::TObject*) {
  if (InstallFiles(ui::Application(), state_, DirEdit.Text()) == Outcome::EndSetup) {
    ui::Application().Terminate();
    return;
  }
  SetModalResult(ui::mrOk);
}

void TFormDir::ButDirQuitClick(ui::TObject*) { ui::Application().Terminate(); }

}  // namespace setup
