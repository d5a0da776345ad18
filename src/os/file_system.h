// The file system by full Windows path: whole files read and written as bytes, drives, folder listings,
// folders, moves, copies, attributes and the process's current folder. Relative names are taken from the
// current folder; "X:name" with X not the current drive is taken from X's root, as Win32 does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace os {

// Why a file operation failed; None when it did not.
enum class FileError {
  None,
  NotFound,          // no such file or folder
  PathNotFound,      // a folder on the way, or the drive, does not exist
  AccessDenied,      // a folder in its place, read-only, or no rights
  SharingViolation,  // another open handle refuses the access
  DifferentDevice,   // a move to another drive or volume, which would need a copy
  Exists,            // the target already exists
  NotEmpty,          // a folder that still holds entries
  NotReady,          // the drive has no medium
  InvalidName,       // characters a name cannot hold, or a file where a folder is expected
  Failed,            // anything else
};

// The attributes the programs use, with the file system's own bit values.
enum class FileAttributes : std::uint32_t {
  None = 0,
  ReadOnly = 0x01,
  Hidden = 0x02,
  System = 0x04,
  Folder = 0x10,
  Archive = 0x20,
};

constexpr FileAttributes operator|(FileAttributes a, FileAttributes b) {
  return static_cast<FileAttributes>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr FileAttributes operator&(FileAttributes a, FileAttributes b) {
  return static_cast<FileAttributes>(static_cast<std::uint32_t>(a) & static_cast<std::uint32_t>(b));
}
constexpr FileAttributes operator~(FileAttributes a) {
  return static_cast<FileAttributes>(~static_cast<std::uint32_t>(a) & 0x37u);
}
// Whether every attribute of flags is set.
constexpr bool Has(FileAttributes set, FileAttributes flags) { return (set & flags) == flags; }

// The system's drive types, with its own numbers.
enum class DriveType { Unknown = 0, NoRoot = 1, Removable = 2, Fixed = 3, Remote = 4, CdRom = 5, RamDisk = 6 };

struct Drive {
  std::string root;  // "C:\"
  DriveType type;
};

// One entry of a folder: its long name (no folder part), attributes and size in bytes (0 for folders).
struct FolderEntry {
  std::string name;
  FileAttributes attributes;
  std::uint64_t size;
};

// What a copy does when the target exists.
enum class IfExists { Fail, Overwrite };

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Reads the whole file, byte-exact; bytes is left empty on failure.
  virtual FileError ReadFile(const std::string& path, std::string& bytes) = 0;
  // Writes exactly these bytes as the file's new content, replacing an existing file only once the new
  // content is complete: a failure (full disk, a folder that cannot be written) or a crash mid-write
  // leaves the old file whole. A read-only file is refused; a hidden or system file keeps those
  // attributes.
  virtual FileError WriteFile(const std::string& path, std::string_view bytes) = 0;
  // Whether a file (not a folder) of that name exists.
  virtual bool FileExists(const std::string& path) = 0;
  // Whether a folder of that name exists (a drive root is one).
  virtual bool FolderExists(const std::string& path) = 0;

  // The full path of a name: drive, folders and name, "." and ".." resolved, slashes made backslashes,
  // trailing dots and blanks of the name dropped; a trailing backslash and a root's backslash kept.
  // "" when the name cannot be resolved. Nothing needs to exist.
  virtual std::string FullPath(const std::string& path) = 0;
  // The process's current folder, without a trailing backslash except at a drive root.
  virtual std::string GetCurrentFolder() = 0;
  virtual FileError SetCurrentFolder(const std::string& path) = 0;
  // The folder of the running program's file, without a trailing backslash ("C:" for a program at a
  // drive's root), so that a backslash and a name can follow.
  virtual std::string ProgramFileFolder() = 0;
  // The running program's file, as a full path.
  virtual std::string ProgramFilePath() = 0;

  // The drives present, "A:\" to "Z:\", with their types.
  virtual std::vector<Drive> Drives() = 0;
  // None when the drive has a medium and can be read; NotReady when a removable drive has none;
  // PathNotFound when there is no such drive.
  virtual FileError DriveReady(const std::string& root) = 0;

  // The subfolders of a folder ("." and ".." left out), sorted by name ignoring case.
  virtual FileError ListFolders(const std::string& folder, std::vector<FolderEntry>& folders) = 0;
  // The files (no folders) of a folder whose long or short (8.3) name matches any of the ";"-separated
  // patterns of mask as the system matches them: case ignored, "*" and "?", "*.*" every name, "*." the
  // names without a dot, a pattern's trailing dots and blanks dropped. Each file once, sorted by name
  // ignoring case. A missing folder is PathNotFound; no match is an empty list.
  virtual FileError ListFiles(const std::string& folder, std::string_view mask, std::vector<FolderEntry>& files) = 0;

  // Creates one folder; its parent must exist.
  virtual FileError CreateFolder(const std::string& path) = 0;
  // Removes an empty folder.
  virtual FileError RemoveFolder(const std::string& path) = 0;

  // Renames or moves a file or folder on its volume: never copies (another volume is DifferentDevice)
  // and never overwrites (an existing target is Exists). A change of letter case only is a rename.
  virtual FileError Move(const std::string& from, const std::string& to) = 0;
  // Deletes a file; a read-only one is refused.
  virtual FileError Delete(const std::string& path) = 0;
  // Copies a file with its attributes; a read-only target is refused.
  virtual FileError Copy(const std::string& from, const std::string& to, IfExists ifExists) = 0;

  virtual FileError GetAttributes(const std::string& path, FileAttributes& attributes) = 0;
  // Sets ReadOnly, Hidden, System and Archive as given; Folder is the entry's own and is not changed.
  virtual FileError SetAttributes(const std::string& path, FileAttributes attributes) = 0;
};

}  // namespace os
