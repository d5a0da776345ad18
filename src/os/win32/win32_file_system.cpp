#include "os/win32/win32_file_system.h"

#include <windows.h>

#include <map>

#include "base/text.h"
#include "os/win32/win32_file_error.h"

namespace os {

static_assert(static_cast<DWORD>(FileAttributes::ReadOnly) == FILE_ATTRIBUTE_READONLY);
static_assert(static_cast<DWORD>(FileAttributes::Hidden) == FILE_ATTRIBUTE_HIDDEN);
static_assert(static_cast<DWORD>(FileAttributes::System) == FILE_ATTRIBUTE_SYSTEM);
static_assert(static_cast<DWORD>(FileAttributes::Folder) == FILE_ATTRIBUTE_DIRECTORY);
static_assert(static_cast<DWORD>(FileAttributes::Archive) == FILE_ATTRIBUTE_ARCHIVE);
static_assert(static_cast<UINT>(DriveType::Unknown) == DRIVE_UNKNOWN);
static_assert(static_cast<UINT>(DriveType::NoRoot) == DRIVE_NO_ROOT_DIR);
static_assert(static_cast<UINT>(DriveType::Removable) == DRIVE_REMOVABLE);
static_assert(static_cast<UINT>(DriveType::Fixed) == DRIVE_FIXED);
static_assert(static_cast<UINT>(DriveType::Remote) == DRIVE_REMOTE);
static_assert(static_cast<UINT>(DriveType::CdRom) == DRIVE_CDROM);
static_assert(static_cast<UINT>(DriveType::RamDisk) == DRIVE_RAMDISK);

namespace {

constexpr DWORD kKnownAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                   FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_ARCHIVE;

FileError LastError() { return FileErrorOf(GetLastError()); }

FileError Done(BOOL succeeded) { return succeeded ? FileError::None : LastError(); }

class ScopedFile {
 public:
  explicit ScopedFile(HANDLE handle) : handle_(handle) {}
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;
  ~ScopedFile() { Close(); }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  BOOL Close() {
    const BOOL closed = Valid() ? CloseHandle(handle_) : TRUE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

// Windows refuses to write over a read-only file; Wine would replace one by a rename, and under root
// even open it for writing, so the attribute is checked first.
bool IsReadOnlyFile(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (attributes & FILE_ATTRIBUTE_READONLY);
}

std::string InFolder(const std::string& folder, std::string_view name) {
  const bool separated = folder.ends_with('\\') || folder.ends_with('/') || folder.ends_with(':');
  return folder + (separated ? "" : "\\") + std::string(name);
}

// The name of an existing file or folder in the letter case the disk holds it.
std::string NameOnDisk(const std::string& path) {
  WIN32_FIND_DATAA data;
  const HANDLE search = FindFirstFileA(path.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return {};
  FindClose(search);
  return data.cFileName;
}

// Every entry the system's search gives for the pattern except "." and "..", by lower-case name.
FileError Search(const std::string& pattern, bool folders, std::map<std::string, FolderEntry>& found) {
  WIN32_FIND_DATAA data;
  const HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_NO_MORE_FILES ? FileError::None : FileErrorOf(code);
  }
  do {
    const std::string name = data.cFileName;
    const bool folder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    if (folder != folders || name == "." || name == "..") continue;
    const auto size = folder ? 0 : (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    found[base::LowerCase(name)] = {name, static_cast<FileAttributes>(data.dwFileAttributes & kKnownAttributes), size};
  } while (FindNextFileA(search, &data));
  const DWORD code = GetLastError();
  FindClose(search);
  return code == ERROR_NO_MORE_FILES ? FileError::None : FileErrorOf(code);
}

// Whether the folder can be listed: a missing one is PathNotFound whatever the pattern, a file in its
// place InvalidName.
FileError ListableFolder(const std::string& folder) {
  if (folder.empty()) return FileError::PathNotFound;
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const auto error = LastError();
    return error == FileError::NotFound ? FileError::PathNotFound : error;
  }
  return attributes & FILE_ATTRIBUTE_DIRECTORY ? FileError::None : FileError::InvalidName;
}

FileError ListInto(const std::map<std::string, FolderEntry>& found, FileError error,
                   std::vector<FolderEntry>& entries) {
  if (error != FileError::None) return error;
  for (const auto& [key, entry] : found) entries.push_back(entry);
  return FileError::None;
}

}  // namespace

Win32FileSystem::Win32FileSystem() { SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS); }

FileError Win32FileSystem::ReadFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  // Others may read the file meanwhile, nobody may write it.
  ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return LastError();
  constexpr DWORD chunk = 65536;
  for (;;) {
    const auto held = bytes.size();
    bytes.resize(held + chunk);
    DWORD read = 0;
    if (!::ReadFile(file.Get(), bytes.data() + held, chunk, &read, nullptr)) {
      const auto error = LastError();
      bytes.clear();
      return error;
    }
    bytes.resize(held + read);
    if (read == 0) return FileError::None;
  }
}

FileError Win32FileSystem::WriteFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) return FileError::PathNotFound;
  const DWORD old = GetFileAttributesA(path.c_str());
  if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_DIRECTORY)) return FileError::AccessDenied;
  if (IsReadOnlyFile(old)) return FileError::AccessDenied;
  const DWORD kept = old == INVALID_FILE_ATTRIBUTES ? 0 : old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

  // The new content goes to a file of its own in the same folder, which replaces the old file only once
  // it is complete and on the disk.
  const std::string temporary = path + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
  ScopedFile file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              kept ? kept : FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return LastError();
  const auto fail = [&] {
    const auto error = LastError();
    file.Close();
    DeleteFileA(temporary.c_str());
    return error;
  };
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto size = static_cast<DWORD>(bytes.size() < 65536 ? bytes.size() : 65536);
    if (!::WriteFile(file.Get(), bytes.data(), size, &written, nullptr)) return fail();
    bytes.remove_prefix(written);
  }
  if (!FlushFileBuffers(file.Get()) || !file.Close()) return fail();
  if (!MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return fail();
  return FileError::None;
}

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32FileSystem::FullPath(const std::string& path) {
  std::string full(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return {};
    if (length < full.size()) {
      full.resize(length);
      return full;
    }
    full.resize(length);
  }
}

std::string Win32FileSystem::GetCurrentFolder() {
  std::string folder(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), folder.data());
    if (length == 0) return {};
    if (length < folder.size()) {
      folder.resize(length);
      return folder;
    }
    folder.resize(length);
  }
}

FileError Win32FileSystem::SetCurrentFolder(const std::string& path) {
  return Done(SetCurrentDirectoryA(path.c_str()));
}

std::string Win32FileSystem::ProgramFileFolder() {
  const std::string file = ProgramFilePath();
  return file.substr(0, file.rfind('\\'));
}

std::string Win32FileSystem::ProgramFilePath() {
  std::string file(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, file.data(), static_cast<DWORD>(file.size()));
    if (length == 0) return {};
    // A name that fills the buffer may have been cut short.
    if (length < file.size()) {
      file.resize(length);
      return file;
    }
    file.resize(file.size() * 2);
  }
}

std::vector<Drive> Win32FileSystem::Drives() {
  char roots[26 * 4 + 1] = {};
  const DWORD length = GetLogicalDriveStringsA(sizeof roots, roots);
  std::vector<Drive> drives;
  if (length == 0 || length >= sizeof roots) return drives;
  for (const char* root = roots; *root; root += std::char_traits<char>::length(root) + 1) {
    drives.push_back({root, static_cast<DriveType>(GetDriveTypeA(root))});
  }
  return drives;
}

FileError Win32FileSystem::DriveReady(const std::string& root) {
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
  return Done(GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters));
}

FileError Win32FileSystem::ListFolders(const std::string& folder, std::vector<FolderEntry>& folders) {
  folders.clear();
  if (const auto error = ListableFolder(folder); error != FileError::None) return error;
  std::map<std::string, FolderEntry> found;
  return ListInto(found, Search(InFolder(folder, "*"), true, found), folders);
}

FileError Win32FileSystem::ListFiles(const std::string& folder, std::string_view mask,
                                     std::vector<FolderEntry>& files) {
  files.clear();
  FileError error = ListableFolder(folder);
  std::map<std::string, FolderEntry> found;
  // One search per pattern, so that each is matched as the system matches it, short names included.
  for (std::size_t start = 0; start <= mask.size() && error == FileError::None;) {
    auto end = mask.find(';', start);
    if (end == std::string_view::npos) end = mask.size();
    if (end > start) error = Search(InFolder(folder, mask.substr(start, end - start)), false, found);
    start = end + 1;
  }
  return ListInto(found, error, files);
}

FileError Win32FileSystem::CreateFolder(const std::string& path) {
  return Done(CreateDirectoryA(path.c_str(), nullptr));
}

FileError Win32FileSystem::RemoveFolder(const std::string& path) { return Done(RemoveDirectoryA(path.c_str())); }

FileError Win32FileSystem::Move(const std::string& from, const std::string& to) {
  // Without MOVEFILE_COPY_ALLOWED another volume fails as ERROR_NOT_SAME_DEVICE.
  if (!MoveFileExA(from.c_str(), to.c_str(), 0)) return LastError();
  const auto source = FullPath(from), target = FullPath(to);
  if (source == target || !base::SameText(source, target) || NameOnDisk(target) == base::NameAfterBackslash(target)) {
    return FileError::None;
  }
  // Wine takes a new letter case of the same name as done and keeps the old one; through another name
  // the new one sticks.
  const std::string between = source + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
  if (!MoveFileExA(source.c_str(), between.c_str(), 0)) return LastError();
  if (!MoveFileExA(between.c_str(), target.c_str(), 0)) {
    const auto error = LastError();
    MoveFileExA(between.c_str(), source.c_str(), 0);
    return error;
  }
  return FileError::None;
}

FileError Win32FileSystem::Delete(const std::string& path) { return Done(DeleteFileA(path.c_str())); }

FileError Win32FileSystem::Copy(const std::string& from, const std::string& to, IfExists ifExists) {
  if (ifExists == IfExists::Overwrite && FileExists(from) && IsReadOnlyFile(GetFileAttributesA(to.c_str()))) {
    return FileError::AccessDenied;
  }
  return Done(CopyFileA(from.c_str(), to.c_str(), ifExists == IfExists::Fail));
}

FileError Win32FileSystem::GetAttributes(const std::string& path, FileAttributes& attributes) {
  const DWORD found = GetFileAttributesA(path.c_str());
  if (found == INVALID_FILE_ATTRIBUTES) return LastError();
  attributes = static_cast<FileAttributes>(found & kKnownAttributes);
  return FileError::None;
}

FileError Win32FileSystem::SetAttributes(const std::string& path, FileAttributes attributes) {
  const DWORD value = static_cast<DWORD>(attributes) & kKnownAttributes & ~FILE_ATTRIBUTE_DIRECTORY;
  return Done(SetFileAttributesA(path.c_str(), value ? value : FILE_ATTRIBUTE_NORMAL));
}

}  // namespace os
