// The file system in memory, with Windows' naming: drive letters, backslashes (slashes accepted),
// names compared ignoring case, "." and ".." resolved, relative names taken from the current folder,
// the characters <>:"|?* refused in names, short (8.3) names matched by listings. Files carry the
// attributes and refuse what Windows refuses: a read-only file cannot be deleted, written or copied over,
// a folder that holds entries cannot be removed, nor can the current folder. UNC names are not known.
// It starts with an empty fixed drive C:.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "os/file_system.h"

namespace os {

class FakeFileSystem final : public FileSystem {
 public:
  FakeFileSystem();

  FileError ReadFile(const std::string& path, std::string& bytes) override;
  FileError WriteFile(const std::string& path, std::string_view bytes) override;
  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  std::string FullPath(const std::string& path) override;
  std::string GetCurrentFolder() override;
  FileError SetCurrentFolder(const std::string& path) override;
  std::string ProgramFileFolder() override;
  std::string ProgramFilePath() override;
  std::vector<Drive> Drives() override;
  FileError DriveReady(const std::string& root) override;
  FileError ListFolders(const std::string& folder, std::vector<FolderEntry>& folders) override;
  FileError ListFiles(const std::string& folder, std::string_view mask, std::vector<FolderEntry>& files) override;
  FileError CreateFolder(const std::string& path) override;
  FileError RemoveFolder(const std::string& path) override;
  FileError Move(const std::string& from, const std::string& to) override;
  FileError Delete(const std::string& path) override;
  FileError Copy(const std::string& from, const std::string& to, IfExists ifExists) override;
  FileError GetAttributes(const std::string& path, FileAttributes& attributes) override;
  FileError SetAttributes(const std::string& path, FileAttributes attributes) override;

  // Test set-up: a file or a folder, with every folder (and drive) on the way created.
  void AddFile(const std::string& path, std::string_view bytes);
  void AddFolder(const std::string& path);
  // Adds a drive, or changes an existing one's type and medium; its files stay. On a drive without a
  // medium everything fails as NotReady.
  void AddDrive(char letter, DriveType type, bool hasMedium = true);
  // Another program holds the file or folder open and shares nothing: it cannot be read, replaced,
  // deleted, moved or copied over (SharingViolation; a write fails as AccessDenied, as a replace does).
  void SetInUse(const std::string& path, bool inUse);
  // The folder's own entries cannot be listed or read (AccessDenied).
  void DenyReading(const std::string& folder, bool denied = true);
  // No entry can be created, written, deleted, or moved into or out of the folder (AccessDenied).
  void DenyWriting(const std::string& folder, bool denied = true);

  // The folder relative names are resolved against; "\name" is on its drive.
  std::string CurrentFolder = "C:\\";
  // The running program's file, as a full path; nothing makes it exist.
  std::string ProgramFile = "C:\\MIDI_Tunora.exe";

 private:
  struct Entry {
    bool folder = false;
    std::string name;  // the last part of the path, in the letter case it was created with
    std::string bytes = {};
    FileAttributes attributes = FileAttributes::None;  // never Folder
    bool inUse = false;
    bool denyReading = false;
    bool denyWriting = false;
  };
  struct DriveState {
    DriveType type;
    bool hasMedium;
  };
  // A name resolved to its full path (parts separated by single backslashes, "C:" for a root), or why
  // it cannot be used: PathNotFound, InvalidName, NotReady.
  struct Resolved {
    std::string full;
    FileError error = FileError::None;
  };

  std::string FullPathOf(std::string_view path) const;
  Resolved Resolve(std::string_view path) const;
  Entry* Find(const std::string& fullPath);
  const Entry* Find(const std::string& fullPath) const;
  Entry& Existing(const std::string& path);
  const Entry* Parent(const std::string& fullPath) const;
  // NotFound, or PathNotFound when the folder that would hold it is missing too.
  FileError Missing(const std::string& fullPath) const;
  bool ParentDeniesWriting(const std::string& fullPath) const;
  bool HasEntries(const std::string& fullPath) const;
  FileError List(const std::string& folder, bool folders, std::string_view mask, std::vector<FolderEntry>& entries);
  void AddFolders(const std::string& fullPath);

  std::map<std::string, Entry> entries_;     // by lower-case full path
  std::map<char, DriveState> drives_;        // by upper-case letter
};

}  // namespace os
