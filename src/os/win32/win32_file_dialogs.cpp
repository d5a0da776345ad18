#include "os/win32/win32_file_dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <cstdio>
#include <vector>

namespace os {

namespace {

// The library's "Description|*.ext" becomes the system's pairs of NUL-ended texts, ended by one more NUL.
std::string SystemFilter(const std::string& filter) {
  std::string pairs = filter;
  for (char& c : pairs)
    if (c == '|') c = '\0';
  pairs.push_back('\0');
  pairs.push_back('\0');
  return pairs;
}

std::optional<std::string> Ask(bool save, const FileDialogRequest& request) {
  const std::string filter = SystemFilter(request.filter);
  // Room for any path the system can return.
  std::vector<char> name(32768, '\0');
  request.fileName.copy(name.data(), name.size() - 1);

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = reinterpret_cast<HWND>(request.owner);
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
  dialog.lpstrTitle = request.title.c_str();
  dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
  dialog.Flags = 0;

  if (save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog)) return std::string(name.data());
  const DWORD error = CommDlgExtendedError();
  if (error == 0) return std::nullopt;
  char text[64];
  std::snprintf(text, sizeof text, "The file dialog failed (error 0x%04lX)", static_cast<unsigned long>(error));
  throw FileDialogError(text);
}

}  // namespace

std::optional<std::string> Win32FileDialogs::AskFileToOpen(const FileDialogRequest& request) {
  return Ask(false, request);
}

std::optional<std::string> Win32FileDialogs::AskFileToSave(const FileDialogRequest& request) {
  return Ask(true, request);
}

}  // namespace os
