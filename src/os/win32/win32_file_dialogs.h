// The common Open and Save dialogs (GetOpenFileNameA, GetSaveFileNameA) with no option flags.
#pragma once

#include "os/file_dialogs.h"

namespace os {

class Win32FileDialogs final : public FileDialogs {
 public:
  std::optional<std::string> AskFileToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> AskFileToSave(const FileDialogRequest& request) override;
};

}  // namespace os
