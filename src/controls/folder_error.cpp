#include "controls/folder_error.h"

namespace controls {

ui::Exception FolderError(os::FileError error, const std::string& folder) {
  const std::string drive = folder.substr(0, 2);
  switch (error) {
    case os::FileError::NotReady: return ui::Exception("Drive " + drive + " is not ready");
    case os::FileError::NotFound:
    case os::FileError::PathNotFound:
      // A root that cannot be found is a drive that is not there.
      if (folder.size() <= 3) return ui::Exception("Drive " + drive + " does not exist");
      return ui::Exception("Folder " + folder + " does not exist");
    case os::FileError::AccessDenied:
    case os::FileError::SharingViolation: return ui::Exception("Cannot read folder " + folder + ": access denied");
    case os::FileError::InvalidName: return ui::Exception("\"" + folder + "\" is not a valid folder name");
    default: return ui::Exception("Cannot read folder " + folder);
  }
}

}  // namespace controls
