#include "os/fake/fake_file_system.h"

#include <vector>

#include "base/text.h"

namespace os {

namespace {

bool HasDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// Applies the parts of a relative name to a folder given as its parts, the drive first.
void Walk(std::vector<std::string>& parts, std::string_view rest) {
  std::size_t start = 0;
  while (start <= rest.size()) {
    auto end = rest.find('\\', start);
    if (end == std::string_view::npos) end = rest.size();
    const auto part = rest.substr(start, end - start);
    if (part == "..") {
      if (parts.size() > 1) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.emplace_back(part);
    }
    start = end + 1;
  }
}

std::string Join(const std::vector<std::string>& parts) {
  std::string path;
  for (const auto& part : parts) {
    if (!path.empty()) path += '\\';
    path += part;
  }
  return path;
}

std::string ParentOf(const std::string& fullPath) {
  const auto cut = fullPath.rfind('\\');
  return cut == std::string::npos ? std::string() : fullPath.substr(0, cut);
}

}  // namespace

FakeFileSystem::FakeFileSystem() { AddFolder("C:\\"); }

std::string FakeFileSystem::FullPath(std::string_view path) const {
  std::string name(path);
  for (auto& c : name) {
    if (c == '/') c = '\\';
  }
  if (name.empty() || name.starts_with("\\\\") || !HasDrive(CurrentFolder)) return {};

  std::vector<std::string> current{base::UpperCase(CurrentFolder.substr(0, 2))};
  Walk(current, std::string_view(CurrentFolder).substr(2));

  std::vector<std::string> parts;
  std::string_view rest = name;
  if (HasDrive(name)) {
    const auto drive = base::UpperCase(name.substr(0, 2));
    rest.remove_prefix(2);
    if (!rest.starts_with('\\') && drive == current.front()) {
      parts = current;
    } else {
      parts = {drive};
    }
  } else if (rest.starts_with('\\')) {
    parts = {current.front()};
  } else {
    parts = current;
  }
  Walk(parts, rest);
  return Join(parts);
}

const FakeFileSystem::Entry* FakeFileSystem::Find(const std::string& fullPath) const {
  const auto found = entries_.find(base::LowerCase(fullPath));
  return found == entries_.end() ? nullptr : &found->second;
}

bool FakeFileSystem::ParentExists(const std::string& fullPath) const {
  const auto* parent = Find(ParentOf(fullPath));
  return parent && parent->folder;
}

FileError FakeFileSystem::ReadFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  const auto full = FullPath(path);
  if (full.empty()) return FileError::PathNotFound;
  if (const auto* entry = Find(full)) {
    if (entry->folder) return FileError::AccessDenied;
    bytes = entry->bytes;
    return FileError::None;
  }
  return ParentExists(full) ? FileError::NotFound : FileError::PathNotFound;
}

FileError FakeFileSystem::WriteFile(const std::string& path, std::string_view bytes) {
  const auto full = FullPath(path);
  if (full.empty() || full.find('\\') == std::string::npos) return FileError::PathNotFound;
  if (auto found = entries_.find(base::LowerCase(full)); found != entries_.end()) {
    if (found->second.folder) return FileError::AccessDenied;
    found->second.bytes = bytes;
    return FileError::None;
  }
  if (!ParentExists(full)) return FileError::PathNotFound;
  entries_[base::LowerCase(full)] = Entry{false, std::string(bytes)};
  return FileError::None;
}

bool FakeFileSystem::FileExists(const std::string& path) {
  const auto* entry = Find(FullPath(path));
  return entry && !entry->folder;
}

void FakeFileSystem::AddFolders(const std::string& fullPath) {
  if (fullPath.empty() || Find(fullPath)) return;
  AddFolders(ParentOf(fullPath));
  entries_[base::LowerCase(fullPath)] = Entry{true, {}};
}

void FakeFileSystem::AddFile(const std::string& path, std::string_view bytes) {
  const auto full = FullPath(path);
  AddFolders(ParentOf(full));
  entries_[base::LowerCase(full)] = Entry{false, std::string(bytes)};
}

void FakeFileSystem::AddFolder(const std::string& path) { AddFolders(FullPath(path)); }

}  // namespace os
