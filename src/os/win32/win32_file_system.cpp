#include "os/win32/win32_file_system.h"

#include <windows.h>

namespace os {

namespace {

FileError ErrorKind(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND: return FileError::NotFound;
    case ERROR_PATH_NOT_FOUND: return FileError::PathNotFound;
    case ERROR_ACCESS_DENIED: return FileError::AccessDenied;
    case ERROR_SHARING_VIOLATION: return FileError::SharingViolation;
    default: return FileError::Failed;
  }
}

class ScopedFile {
 public:
  explicit ScopedFile(HANDLE handle) : handle_(handle) {}
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;
  ~ScopedFile() {
    if (Valid()) CloseHandle(handle_);
  }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

FileError Win32FileSystem::ReadFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  // Others may read the file meanwhile, nobody may write it.
  ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return ErrorKind(GetLastError());
  constexpr DWORD chunk = 65536;
  for (;;) {
    const auto held = bytes.size();
    bytes.resize(held + chunk);
    DWORD read = 0;
    if (!::ReadFile(file.Get(), bytes.data() + held, chunk, &read, nullptr)) {
      const auto error = ErrorKind(GetLastError());
      bytes.clear();
      return error;
    }
    bytes.resize(held + read);
    if (read == 0) return FileError::None;
  }
}

FileError Win32FileSystem::WriteFile(const std::string& path, std::string_view bytes) {
  ScopedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr));
  if (!file.Valid()) return ErrorKind(GetLastError());
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto size = static_cast<DWORD>(bytes.size() < 65536 ? bytes.size() : 65536);
    if (!::WriteFile(file.Get(), bytes.data(), size, &written, nullptr)) return ErrorKind(GetLastError());
    bytes.remove_prefix(written);
  }
  return FileError::None;
}

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace os
