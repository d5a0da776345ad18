// What the file-system contract suites share: the subject, its folder and a few short-hands.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "file_system_subject.h"

namespace os {

// Failures by name in the test output.
inline void PrintTo(FileError error, std::ostream* out) {
  static const char* const names[] = {"None",     "NotFound", "PathNotFound", "AccessDenied", "SharingViolation",
                                      "DifferentDevice", "Exists", "NotEmpty", "NotReady", "InvalidName", "Failed"};
  *out << names[static_cast<int>(error)];
}

}  // namespace os

namespace contract {

class FileSystemContract : public testing::Test {
 protected:
  std::string In(const std::string& name) const { return subject->Folder() + "\\" + name; }

  std::string Read(const std::string& path) {
    std::string bytes;
    EXPECT_EQ(files.ReadFile(path, bytes), os::FileError::None) << path;
    return bytes;
  }
  void Write(const std::string& path, std::string_view bytes = "x") {
    ASSERT_EQ(files.WriteFile(path, bytes), os::FileError::None) << path;
  }
  os::FileAttributes Attributes(const std::string& path) {
    os::FileAttributes attributes = os::FileAttributes::None;
    EXPECT_EQ(files.GetAttributes(path, attributes), os::FileError::None) << path;
    return attributes;
  }
  static std::vector<std::string> NamesOf(const std::vector<os::FolderEntry>& entries) {
    std::vector<std::string> names;
    for (const auto& entry : entries) names.push_back(entry.name);
    return names;
  }
  std::vector<std::string> FilesIn(const std::string& folder, std::string_view mask = "*.*") {
    std::vector<os::FolderEntry> entries;
    EXPECT_EQ(files.ListFiles(folder, mask, entries), os::FileError::None) << folder << " " << mask;
    return NamesOf(entries);
  }
  std::vector<std::string> FoldersIn(const std::string& folder) {
    std::vector<os::FolderEntry> entries;
    EXPECT_EQ(files.ListFolders(folder, entries), os::FileError::None) << folder;
    return NamesOf(entries);
  }

  std::unique_ptr<FileSystemSubject> subject = MakeFileSystemSubject();
  os::FileSystem& files = subject->Files();
};

}  // namespace contract
