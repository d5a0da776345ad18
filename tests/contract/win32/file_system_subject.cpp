#include "file_system_subject.h"

#include <windows.h>

#include <stdexcept>

#include "os/win32/win32_file_system.h"

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

class Win32Subject final : public FileSystemSubject {
 public:
  Win32Subject() {
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) throw std::runtime_error("no temporary folder");
    folder_ = std::string(temp) + "Tunora Contract " + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(++count_);
    RemoveTree(folder_);
    MakeFolder(folder_);
  }
  ~Win32Subject() override { RemoveTree(folder_); }

  os::FileSystem& Files() override { return files_; }
  std::string Folder() const override { return folder_; }
  void MakeFolder(const std::string& path) override {
    if (!CreateDirectoryA(path.c_str(), nullptr)) throw std::runtime_error("cannot create folder " + path);
  }

 private:
  static inline unsigned count_ = 0;
  std::string folder_;
  os::Win32FileSystem files_;
};

}  // namespace

std::unique_ptr<FileSystemSubject> MakeFileSystemSubject() { return std::make_unique<Win32Subject>(); }

}  // namespace contract
