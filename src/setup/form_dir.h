// The target folder dialog: the installation folder typed or picked with the drive box and the folder
// list, then created and filled with the installed files.
#pragma once

#include "controls/directory_list_box.h"
#include "controls/drive_combo_box.h"
#include "setup/setup_state.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/forms.h"
#include "ui/stdctrls.h"

namespace setup {

class TFormDir : public ui::TForm {
 public:
  // A dialog of the welcome window, which it hides while it shows; Continue sets the state's
  // installation folder.
  TFormDir(ui::TForm* welcome, SetupState& state);

  ui::TLabel Label1{this, "Label1"};
  ui::TEdit DirEdit{this, "DirEdit"};
  ui::TLabel Label2{this, "Label2"};
  controls::TDirectoryListBox DirectoryListBox{this, "DirectoryListBox"};
  ui::TLabel Label3{this, "Label3"};
  // Only the drives an installation can go to: fixed, network and RAM drives.
  controls::TDriveComboBox DriveComboBox{
      this, "DriveComboBox", {os::DriveType::Fixed, os::DriveType::Remote, os::DriveType::RamDisk}};
  ui::TLabel Label4{this, "Label4"};
  ui::TLabel Label5{this, "Label5"};
  ui::TButton ButDirCont{this, "ButDirCont"};
  ui::TButton ButDirQuit{this, "ButDirQuit"};

  // Hides the welcome window and proposes the default folder on the Windows drive.
  void FormCreate(ui::TObject* sender);
  // Proposes a folder for the folder list's choice.
  void DirectoryListBoxChange(ui::TObject* sender);
  // Creates the folder and copies the files; closes with OK, or ends setup when that fails.
  void ButDirContClick(ui::TObject* sender);
  // Ends setup.
  void ButDirQuitClick(ui::TObject* sender);

 private:
  ui::TForm& welcome_;
  SetupState& state_;
};

}  // namespace setup
