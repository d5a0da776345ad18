#include "file_system_subject.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

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

std::string CurrentDirectory() {
  char folder[MAX_PATH];
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
  return length > 0 && length < MAX_PATH ? folder : "";
}

class Win32Subject final : public FileSystemSubject {
 public:
  Win32Subject() : current_(CurrentDirectory()) {
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) throw std::runtime_error("no temporary folder");
    folder_ = std::string(temp) + UniqueName();
    RemoveTree(folder_);
    MakeFolder(folder_);
  }
  ~Win32Subject() override {
    ReleaseAll();
    SetCurrentDirectoryA(current_.c_str());
    RemoveTree(folder_);
    if (!other_.empty()) RemoveTree(other_);
  }

  os::FileSystem& Files() override { return files_; }
  std::string Folder() const override { return folder_; }
  void MakeFolder(const std::string& path) override {
    if (!CreateDirectoryA(path.c_str(), nullptr)) throw std::runtime_error("cannot create folder " + path);
  }
  void HoldOpen(const std::string& path) override {
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
    held_.push_back(handle);
  }
  void HoldOpenForReading(const std::string& path) override {
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
    held_.push_back(handle);
  }
  void ReleaseAll() override {
    for (const HANDLE handle : held_) CloseHandle(handle);
    held_.clear();
  }
  // Wine maps drive letters to Unix folders, so a drive letter is no volume of its own; its /dev/shm is
  // a memory file system, another device than the prefix's drive C: on a disk.
  std::string OtherVolumeFolder() override {
    const DWORD shm = GetFileAttributesA("Z:\\dev\\shm");
    if (!RunsOnWine() || shm == INVALID_FILE_ATTRIBUTES || !(shm & FILE_ATTRIBUTE_DIRECTORY)) return "";
    other_ = "Z:\\dev\\shm\\" + UniqueName();
    RemoveTree(other_);
    MakeFolder(other_);
    return other_;
  }
  bool RunsOnWine() const override {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
  }

 private:
  static std::string UniqueName() {
    return "Tunora Contract " + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count_);
  }

  static inline unsigned count_ = 0;
  std::string current_;
  std::string folder_;
  std::string other_;
  std::vector<HANDLE> held_;
  os::Win32FileSystem files_;
};

}  // namespace

std::unique_ptr<FileSystemSubject> MakeFileSystemSubject() { return std::make_unique<Win32Subject>(); }

}  // namespace contract
