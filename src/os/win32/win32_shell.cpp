#include "os/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>

#include "base/text.h"

namespace os {

Win32Shell::~Win32Shell() {
  for (const auto& [extension, icon] : smallIcons_) {
    if (icon) DestroyIcon(reinterpret_cast<HICON>(icon));
  }
}

IconHandle Win32Shell::SmallFileIcon(const std::string& fileName) {
  const auto extension = base::LowerCase(base::FileExtension(fileName));
  if (const auto known = smallIcons_.find(extension); known != smallIcons_.end()) return known->second;
  // With the file's attributes given the shell looks at the extension only, never at the file, and each
  // answer is a new icon of the service's own.
  SHFILEINFOA info = {};
  const std::string name = "x" + extension;
  const bool found = SHGetFileInfoA(name.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                                    SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES) != 0;
  const auto icon = found ? reinterpret_cast<IconHandle>(info.hIcon) : 0;
  smallIcons_[extension] = icon;
  return icon;
}

}  // namespace os
