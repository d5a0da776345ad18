// The file box's drive box: the drives the user can browse (removable, fixed, network, CD-ROM and RAM
// disks, or fewer kinds), each with a glyph for its kind. Choosing a drive moves a linked folder list to that drive.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "os/file_system.h"
#include "ui/icon.h"
#include "ui/stdctrls.h"

namespace controls {

class TDirectoryListBox;

// The kinds of drive a box lists.
using DriveKinds = std::vector<os::DriveType>;
// Every kind the user can browse.
inline const DriveKinds kBrowsableDrives = {os::DriveType::Removable, os::DriveType::Fixed, os::DriveType::Remote,
                                            os::DriveType::CdRom, os::DriveType::RamDisk};

class TDriveComboBox : public ui::TComboBox {
 public:
  // Reads the drives of the kinds given present now (a drive attached later appears only in a new box)
  // and shows the drive of the process's current folder, if it is one of them.
  explicit TDriveComboBox(ui::TComponent* owner, std::string name = {}, const DriveKinds& kinds = kBrowsableDrives);

  // The drive shown, its letter upper case; 0 when none is.
  char Drive() const;
  // Shows that drive (letter case ignored) and moves the folder list to it; a drive the box does not
  // list changes nothing. When the folder list cannot move, the box shows its drive again and throws.
  void SetDrive(char letter);
  os::DriveType DriveType(int index) const { return types_.at(index); }

  // The folder list that the user's choice of a drive moves.
  TDirectoryListBox* DirList() const { return dirList_; }
  void SetDirList(TDirectoryListBox* dirList) { dirList_ = dirList; }

  // Paints the box again; the drives stay those read when it was made.
  void Repaint();

  // The drive's glyph, then its letter and colon.
  void DrawItem(int index, ui::TRect rect, ui::TOwnerDrawState state) override;

 protected:
  // The folder list moves to the chosen drive before OnChange. When it cannot (no medium, no such
  // drive), the box shows the folder list's drive again and the error goes on to the error box.
  void Change() override;

 private:
  int IndexOf(char letter) const;
  void MoveDirList();
  std::vector<os::DriveType> types_;
  std::map<os::DriveType, ui::TIcon> glyphs_;
  TDirectoryListBox* dirList_ = nullptr;
};

}  // namespace controls
