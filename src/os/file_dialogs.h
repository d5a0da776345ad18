// The system's common dialogs that ask for the name of a file to open or to save under. A dialog sets
// no options of its own: it accepts a name that does not exist, asks nothing before an overwrite and
// may leave the process's current folder where the user browsed to.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace os {

struct FileDialogRequest {
  // The window the dialog is modal to (a window handle); 0 for none.
  std::uintptr_t owner = 0;
  std::string title;
  // One entry in the component library's notation: description, a vertical bar, pattern
  // ("Media Play List File (*.mpl)|*.mpl").
  std::string filter;
  // Added with its dot to a name typed without an extension ("mpl").
  std::string defaultExtension;
  // Where the dialog starts; "" leaves the choice to the system.
  std::string initialFolder;
  // The name the dialog offers; a pattern such as "*.mpl" lists matching files instead.
  std::string fileName;
};

// The dialog could not be shown or failed while it was up; what() says why.
class FileDialogError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The full name the user chose, or nothing when the dialog was cancelled. Throws FileDialogError.
  virtual std::optional<std::string> AskFileToOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> AskFileToSave(const FileDialogRequest& request) = 0;
};

}  // namespace os
