#include "os/fake/fake_shell.h"

#include "base/text.h"

namespace os {

namespace {

// The first line of every shortcut file the fake writes; a file without it is no shortcut.
constexpr char kLinkMark[] = "[Shell link]\r\n";
// The longest name the system's link object saves under: its wide buffer holds 260 characters with
// the terminating NUL.
constexpr std::size_t kLongestName = 259;

bool IsRelative(const std::string& name) {
  return !(name.starts_with('\\') || name.starts_with('/') || (name.size() >= 2 && name[1] == ':'));
}

}  // namespace

FakeShell::FakeShell(FakeFileSystem& files) : files_(files) {
  specialFolders_ = {{SpecialFolder::Programs, "C:\\Users\\Player\\Start Menu\\Programs"},
                     {SpecialFolder::Desktop, "C:\\Users\\Player\\Desktop"},
                     {SpecialFolder::ProgramFiles, "C:\\Program Files"},
                     {SpecialFolder::Windows, "C:\\Windows"}};
}

void FakeShell::MakeSpecialFolders() {
  for (const auto& [folder, path] : specialFolders_) {
    if (!path.empty()) files_.AddFolder(path);
  }
}

IconHandle FakeShell::SmallFileIcon(const std::string& fileName) {
  ++requests_;
  const auto extension = base::LowerCase(base::FileExtension(fileName));
  return icons_.try_emplace(extension, 0x1000 + icons_.size()).first->second;
}

std::string FakeShell::SpecialFolderPath(SpecialFolder folder) {
  const auto found = specialFolders_.find(folder);
  if (found == specialFolders_.end() || found->second.empty() || !files_.FolderExists(found->second)) return {};
  return found->second;
}

FileError FakeShell::Open(const std::string& file, const std::string& folder, ShowState show) {
  const std::string name = IsRelative(file) && !folder.empty() ? folder + "\\" + file : file;
  const std::string path = files_.FullPath(name);
  if (path.empty()) return FileError::NotFound;
  if (!files_.FileExists(path) && !files_.FolderExists(path)) {
    return files_.FolderExists(path.substr(0, path.rfind('\\') + 1)) ? FileError::NotFound
                                                                     : FileError::PathNotFound;
  }
  opened_.push_back({path, show});
  return FileError::None;
}

FileError FakeShell::SaveLink(const std::string& linkFile, const ShellLink& link) {
  if (linkFile.size() > kLongestName) return FileError::InvalidName;
  return files_.WriteFile(linkFile, kLinkMark + link.target + "\r\n" + link.description);
}

FileError FakeShell::LoadLink(const std::string& linkFile, ShellLink& link) {
  std::string bytes;
  if (const FileError error = files_.ReadFile(linkFile, bytes); error != FileError::None) return error;
  if (!bytes.starts_with(kLinkMark)) return FileError::Failed;
  bytes.erase(0, sizeof kLinkMark - 1);
  const auto cut = bytes.find("\r\n");
  if (cut == std::string::npos) return FileError::Failed;
  link = {bytes.substr(0, cut), bytes.substr(cut + 2)};
  return FileError::None;
}

}  // namespace os
