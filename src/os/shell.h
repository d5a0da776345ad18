// The Windows shell: the small icon it shows for a type of file, its special folders, opening documents,
// folders and programs as a double-click in Explorer does, and shell links (shortcut files).
#pragma once

#include <cstdint>
#include <string>

#include "os/file_system.h"

namespace os {

using IconHandle = std::uintptr_t;

// The folders of the shell that the programs use.
enum class SpecialFolder {
  Programs,      // the Start menu's Programs folder of the current user
  Desktop,       // the desktop folder of the current user (its files, not the virtual desktop)
  ProgramFiles,  // the folder that holds installed programs
  Windows,       // the Windows directory
};

// How the window of what the shell opens first shows.
enum class ShowState { Normal, Maximized, Default };

// What a shortcut file holds of the programs' concern: the file it points at and its description.
struct ShellLink {
  std::string target;
  std::string description;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // The shell's small (16 x 16) icon for files of this name's type, found by the name's extension alone
  // (the file need not exist); 0 when the shell has none. The service asks the shell once per extension,
  // letter case ignored, and owns the icons: they live as long as the service.
  virtual IconHandle SmallFileIcon(const std::string& fileName) = 0;

  // The folder's full path without a trailing backslash; "" when the system cannot say where it is.
  virtual std::string SpecialFolderPath(SpecialFolder folder) = 0;

  // Opens a document with its type's program, a folder in an Explorer window, or starts a program,
  // with the shell's "open" verb and no parameters. A relative name is taken from folder, which is also
  // the started program's current folder; an empty folder means the process's current folder. None
  // once the shell has started it; NotFound or PathNotFound when there is nothing of that name,
  // AccessDenied, or Failed (no program for the type, among others).
  virtual FileError Open(const std::string& file, const std::string& folder, ShowState show) = 0;

  // Saves a shortcut file pointing at link.target with link.description, replacing an existing one.
  // The shortcut's name must fit the system's path limit (259 characters); a longer one is InvalidName.
  // The shell's link object is a COM object: the thread must have initialised COM (see the program's
  // entry), or this fails.
  virtual FileError SaveLink(const std::string& linkFile, const ShellLink& link) = 0;
  // Reads a shortcut file back.
  virtual FileError LoadLink(const std::string& linkFile, ShellLink& link) = 0;
};

}  // namespace os
