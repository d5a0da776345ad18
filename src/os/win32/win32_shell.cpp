#include "os/win32/win32_shell.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "base/text.h"
#include "os/win32/win32_file_error.h"

namespace os {

namespace {

int FolderId(SpecialFolder folder) {
  switch (folder) {
    case SpecialFolder::Programs: return CSIDL_PROGRAMS;
    case SpecialFolder::Desktop: return CSIDL_DESKTOPDIRECTORY;
    case SpecialFolder::ProgramFiles: return CSIDL_PROGRAM_FILES;
    case SpecialFolder::Windows: return CSIDL_WINDOWS;
  }
  return CSIDL_WINDOWS;
}

int ShowCommand(ShowState show) {
  switch (show) {
    case ShowState::Normal: return SW_SHOWNORMAL;
    case ShowState::Maximized: return SW_SHOWMAXIMIZED;
    case ShowState::Default: return SW_SHOWDEFAULT;
  }
  return SW_SHOWNORMAL;
}

// COM answers about files carry the system's error code in their low word.
FileError ComError(HRESULT result) {
  if (HRESULT_FACILITY(result) == FACILITY_WIN32 || HRESULT_FACILITY(result) == FACILITY_STORAGE) {
    return FileErrorOf(HRESULT_CODE(result));
  }
  return FileError::Failed;
}

// Holds one interface of a COM object and releases it.
template <typename Interface>
class Held {
 public:
  Held() = default;
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ~Held() {
    if (pointer_) pointer_->Release();
  }
  Interface* operator->() const { return pointer_; }
  void** Out() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

// The link file's name as the persistence interface takes it: UTF-16 from the ANSI code page, in a
// buffer of the system's path limit; false when it does not fit.
bool WideName(const std::string& name, WCHAR (&wide)[MAX_PATH]) {
  return MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide, MAX_PATH) != 0;
}

HRESULT NewShellLink(Held<IShellLinkA>& shellLink) {
  return CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, shellLink.Out());
}

}  // namespace

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

std::string Win32Shell::SpecialFolderPath(SpecialFolder folder) {
  char path[MAX_PATH] = {};
  // The ANSI call answers S_FALSE for a folder the system knows of but that does not exist.
  if (SHGetFolderPathA(nullptr, FolderId(folder), nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) return {};
  std::string result = path;
  if (result.size() > 3 && result.ends_with('\\')) result.pop_back();
  return result;
}

FileError Win32Shell::Open(const std::string& file, const std::string& folder, ShowState show) {
  const auto answer = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", file.c_str(), nullptr,
                                                              folder.empty() ? nullptr : folder.c_str(),
                                                              ShowCommand(show)));
  if (answer > 32) return FileError::None;
  // The small answers of the shell reuse the system's error codes for a missing file or path and for
  // refused access; the others (no program for the type, a bad program file...) are failures.
  return answer == 0 ? FileError::Failed : FileErrorOf(static_cast<DWORD>(answer));
}

FileError Win32Shell::SaveLink(const std::string& linkFile, const ShellLink& link) {
  WCHAR name[MAX_PATH];
  if (!WideName(linkFile, name)) return FileError::InvalidName;
  Held<IShellLinkA> shellLink;
  HRESULT result = NewShellLink(shellLink);
  if (result != S_OK) return ComError(result);
  if ((result = shellLink->SetPath(link.target.c_str())) != S_OK) return ComError(result);
  if ((result = shellLink->SetDescription(link.description.c_str())) != S_OK) return ComError(result);
  Held<IPersistFile> file;
  if ((result = shellLink->QueryInterface(IID_IPersistFile, file.Out())) != S_OK) return ComError(result);
  return (result = file->Save(name, TRUE)) == S_OK ? FileError::None : ComError(result);
}

FileError Win32Shell::LoadLink(const std::string& linkFile, ShellLink& link) {
  WCHAR name[MAX_PATH];
  if (!WideName(linkFile, name)) return FileError::InvalidName;
  Held<IShellLinkA> shellLink;
  HRESULT result = NewShellLink(shellLink);
  if (result != S_OK) return ComError(result);
  Held<IPersistFile> file;
  if ((result = shellLink->QueryInterface(IID_IPersistFile, file.Out())) != S_OK) return ComError(result);
  if ((result = file->Load(name, STGM_READ)) != S_OK) return ComError(result);
  char target[MAX_PATH] = {};
  char description[INFOTIPSIZE] = {};
  if ((result = shellLink->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) != S_OK) return ComError(result);
  if ((result = shellLink->GetDescription(description, INFOTIPSIZE)) != S_OK) return ComError(result);
  link = {target, description};
  return FileError::None;
}

}  // namespace os
