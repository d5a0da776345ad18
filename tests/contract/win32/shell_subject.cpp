#include "shell_subject.h"

#include <windows.h>
#include <objbase.h>

#include <stdexcept>

#include "os/win32/win32_file_system.h"
#include "os/win32/win32_shell.h"

namespace contract {

namespace {

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

class Win32Subject final : public ShellSubject {
 public:
  // The link object is a COM object: the thread initialises COM, as the setup program's entry does.
  Win32Subject() {
    CoInitialize(nullptr);
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) throw std::runtime_error("no temporary folder");
    folder_ = std::string(temp) + "Tunora Shell " + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(++count_);
    RemoveTree(folder_);
    if (!CreateDirectoryA(folder_.c_str(), nullptr)) throw std::runtime_error("cannot create " + folder_);
  }
  // A program the shell started may still be ending with the folder as its current folder, which keeps
  // the folder until it has gone.
  ~Win32Subject() override {
    for (int i = 0; i < 250 && GetFileAttributesA(folder_.c_str()) != INVALID_FILE_ATTRIBUTES; ++i) {
      RemoveTree(folder_);
      Sleep(20);
    }
    CoUninitialize();
  }

  os::Shell& Shell() override { return shell_; }
  os::FileSystem& Files() override { return files_; }
  std::string Folder() const override { return folder_; }
  std::optional<int> IconSize(os::IconHandle icon) override {
    ICONINFO info;
    if (!GetIconInfo(reinterpret_cast<HICON>(icon), &info)) return std::nullopt;
    BITMAP bitmap = {};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    if (!info.hbmColor) bitmap.bmHeight /= 2;  // a monochrome icon's mask holds the image below it
    if (bitmap.bmWidth != bitmap.bmHeight) return std::nullopt;
    return bitmap.bmWidth;
  }
  std::string MakeProgram(const std::string& name) override {
    const std::string path = folder_ + "\\" + name;
    if (files_.WriteFile(path, "@echo ran> ran.txt\r\n") != os::FileError::None) {
      throw std::runtime_error("cannot write " + path);
    }
    return path;
  }
  bool Ran(const std::string&, const std::string& currentFolder) override {
    // The batch file runs in a process of its own; a generous wait, only the outcome counts.
    const std::string trace = currentFolder + "\\ran.txt";
    for (int i = 0; i < 1000; ++i) {
      if (GetFileAttributesA(trace.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
      Sleep(20);
    }
    return false;
  }
  bool RunsOnWine() const override {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
  }

 private:
  static inline unsigned count_ = 0;
  std::string folder_;
  os::Win32FileSystem files_;
  os::Win32Shell shell_;
};

}  // namespace

std::unique_ptr<ShellSubject> MakeShellSubject() { return std::make_unique<Win32Subject>(); }

}  // namespace contract
