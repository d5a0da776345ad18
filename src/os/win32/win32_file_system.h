// The file system through the Win32 file API (ANSI names). From its creation on, the system's "insert a
// disk" box never interrupts: a drive without a medium fails as NotReady.
#pragma once

#include "os/file_system.h"

namespace os {

class Win32FileSystem final : public FileSystem {
 public:
  Win32FileSystem();

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
};

}  // namespace os
