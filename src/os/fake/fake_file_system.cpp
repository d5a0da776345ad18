#include "os/fake/fake_file_system.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "base/text.h"
#include "os/fake/fake_name_match.h"

namespace os {

namespace {

bool HasDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

char DriveLetter(std::string_view fullPath) { return base::UpperCase(fullPath.substr(0, 1))[0]; }

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Applies the parts of a relative name to a folder given as its parts, the drive first. As Win32 does, a
// part loses one trailing dot, and the last part of a name that does not end in a separator loses all
// its trailing dots and blanks.
void Walk(std::vector<std::string>& parts, std::string_view rest) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  while (start <= rest.size()) {
    auto end = start;
    while (end < rest.size() && !IsSeparator(rest[end])) ++end;
    pieces.push_back(rest.substr(start, end - start));
    start = end + 1;
  }
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    auto part = pieces[i];
    if (part == "..") {
      if (parts.size() > 1) parts.pop_back();
      continue;
    }
    if (part.empty() || part == ".") continue;
    if (i + 1 == pieces.size()) {
      while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.remove_suffix(1);
    } else if (part.back() == '.' && part.find_first_not_of('.') != std::string_view::npos) {
      part.remove_suffix(1);
    }
    if (!part.empty()) parts.emplace_back(part);
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

std::string LastPart(const std::string& fullPath) { return fullPath.substr(fullPath.rfind('\\') + 1); }

bool IsRoot(const std::string& fullPath) { return fullPath.find('\\') == std::string::npos; }

// A drive root as Win32 writes it, "C:\"; other paths as they are.
std::string WithRootBackslash(const std::string& fullPath) { return IsRoot(fullPath) ? fullPath + "\\" : fullPath; }

bool HasInvalidCharacter(std::string_view fullPath) {
  for (const char c : fullPath.substr(2)) {
    if (static_cast<unsigned char>(c) < 32 || std::string_view("<>:\"|?*").find(c) != std::string_view::npos) {
      return true;
    }
  }
  return false;
}

bool Below(const std::string& key, const std::string& folderKey) {
  return key.size() > folderKey.size() + 1 && key.starts_with(folderKey) && key[folderKey.size()] == '\\';
}

}  // namespace

FakeFileSystem::FakeFileSystem() { AddDrive('C', DriveType::Fixed); }

std::string FakeFileSystem::FullPathOf(std::string_view path) const {
  if (path.empty() || (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) || !HasDrive(CurrentFolder)) {
    return {};
  }
  std::vector<std::string> current{base::UpperCase(CurrentFolder.substr(0, 2))};
  Walk(current, std::string_view(CurrentFolder).substr(2));

  std::vector<std::string> parts;
  std::string_view rest = path;
  if (HasDrive(path)) {
    const auto drive = base::UpperCase(path.substr(0, 2));
    rest.remove_prefix(2);
    if ((rest.empty() || !IsSeparator(rest.front())) && drive == current.front()) {
      parts = current;
    } else {
      parts = {drive};
    }
  } else if (IsSeparator(rest.front())) {
    parts = {current.front()};
  } else {
    parts = current;
  }
  Walk(parts, rest);
  return Join(parts);
}

FakeFileSystem::Resolved FakeFileSystem::Resolve(std::string_view path) const {
  const auto full = FullPathOf(path);
  if (full.empty()) return {{}, FileError::PathNotFound};
  if (HasInvalidCharacter(full)) return {{}, FileError::InvalidName};
  const auto drive = drives_.find(DriveLetter(full));
  if (drive == drives_.end()) return {{}, FileError::PathNotFound};
  if (!drive->second.hasMedium) return {{}, FileError::NotReady};
  return {full};
}

FakeFileSystem::Entry* FakeFileSystem::Find(const std::string& fullPath) {
  const auto found = entries_.find(base::LowerCase(fullPath));
  return found == entries_.end() ? nullptr : &found->second;
}

const FakeFileSystem::Entry* FakeFileSystem::Find(const std::string& fullPath) const {
  const auto found = entries_.find(base::LowerCase(fullPath));
  return found == entries_.end() ? nullptr : &found->second;
}

FakeFileSystem::Entry& FakeFileSystem::Existing(const std::string& path) {
  auto* entry = Find(FullPathOf(path));
  if (!entry) throw std::logic_error("the fake file system has no " + path);
  return *entry;
}

const FakeFileSystem::Entry* FakeFileSystem::Parent(const std::string& fullPath) const {
  const auto* parent = Find(ParentOf(fullPath));
  return parent && parent->folder ? parent : nullptr;
}

FileError FakeFileSystem::Missing(const std::string& fullPath) const {
  return Parent(fullPath) ? FileError::NotFound : FileError::PathNotFound;
}

bool FakeFileSystem::ParentDeniesWriting(const std::string& fullPath) const {
  const auto* parent = Parent(fullPath);
  return parent && parent->denyWriting;
}

bool FakeFileSystem::HasEntries(const std::string& fullPath) const {
  const auto prefix = base::LowerCase(fullPath) + "\\";
  const auto next = entries_.lower_bound(prefix);
  return next != entries_.end() && next->first.starts_with(prefix);
}

FileError FakeFileSystem::ReadFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  const auto [full, error] = Resolve(path);
  if (error != FileError::None) return error;
  const auto* entry = Find(full);
  if (!entry) return Missing(full);
  if (entry->folder || Parent(full)->denyReading) return FileError::AccessDenied;
  if (entry->inUse) return FileError::SharingViolation;
  bytes = entry->bytes;
  return FileError::None;
}

FileError FakeFileSystem::WriteFile(const std::string& path, std::string_view bytes) {
  const auto [full, error] = Resolve(path);
  if (error != FileError::None) return error;
  if (IsRoot(full)) return FileError::AccessDenied;
  if (!Parent(full)) return FileError::PathNotFound;
  // The new content goes to a new file in the same folder that then replaces the old one.
  if (ParentDeniesWriting(full)) return FileError::AccessDenied;
  auto* entry = Find(full);
  if (!entry) {
    entries_[base::LowerCase(full)] = Entry{false, LastPart(full), std::string(bytes), FileAttributes::Archive};
    return FileError::None;
  }
  if (entry->folder || Has(entry->attributes, FileAttributes::ReadOnly) || entry->inUse) {
    return FileError::AccessDenied;
  }
  entry->bytes = bytes;
  entry->attributes = (entry->attributes & (FileAttributes::Hidden | FileAttributes::System)) | FileAttributes::Archive;
  return FileError::None;
}

bool FakeFileSystem::FileExists(const std::string& path) {
  const auto [full, error] = Resolve(path);
  const auto* entry = error == FileError::None ? Find(full) : nullptr;
  return entry && !entry->folder;
}

bool FakeFileSystem::FolderExists(const std::string& path) {
  const auto [full, error] = Resolve(path);
  const auto* entry = error == FileError::None ? Find(full) : nullptr;
  return entry && entry->folder;
}

std::string FakeFileSystem::FullPath(const std::string& path) {
  const auto full = FullPathOf(path);
  if (full.empty()) return {};
  if (IsRoot(full) || IsSeparator(path.back())) return full + "\\";
  return full;
}

std::string FakeFileSystem::GetCurrentFolder() { return WithRootBackslash(FullPathOf(CurrentFolder)); }

FileError FakeFileSystem::SetCurrentFolder(const std::string& path) {
  const auto [full, error] = Resolve(path);
  if (error != FileError::None) return error;
  const auto* entry = Find(full);
  if (!entry) return Missing(full);
  if (!entry->folder) return FileError::InvalidName;
  CurrentFolder = WithRootBackslash(full);
  return FileError::None;
}

std::string FakeFileSystem::ProgramFileFolder() { return ProgramFile.substr(0, ProgramFile.rfind('\\')); }

std::string FakeFileSystem::ProgramFilePath() { return ProgramFile; }

std::vector<Drive> FakeFileSystem::Drives() {
  std::vector<Drive> drives;
  for (const auto& [letter, drive] : drives_) drives.push_back({std::string(1, letter) + ":\\", drive.type});
  return drives;
}

FileError FakeFileSystem::DriveReady(const std::string& root) {
  if (!HasDrive(root)) return FileError::PathNotFound;
  const auto drive = drives_.find(DriveLetter(root));
  if (drive == drives_.end()) return FileError::PathNotFound;
  return drive->second.hasMedium ? FileError::None : FileError::NotReady;
}

FileError FakeFileSystem::List(const std::string& folder, bool folders, std::string_view mask,
                               std::vector<FolderEntry>& entries) {
  entries.clear();
  const auto [full, error] = Resolve(folder);
  if (error != FileError::None) return error;
  const auto* entry = Find(full);
  if (!entry) return FileError::PathNotFound;
  if (!entry->folder) return FileError::InvalidName;
  if (entry->denyReading) return FileError::AccessDenied;

  std::vector<std::string_view> patterns;
  for (std::size_t start = 0; start <= mask.size();) {
    auto end = mask.find(';', start);
    if (end == std::string_view::npos) end = mask.size();
    if (end > start) patterns.push_back(mask.substr(start, end - start));
    start = end + 1;
  }
  const auto matches = [&patterns](const std::string& name) {
    const auto shortName = ShortName(name);
    return std::any_of(patterns.begin(), patterns.end(), [&](std::string_view pattern) {
      return MatchesPattern(name, pattern) || (!shortName.empty() && MatchesPattern(shortName, pattern));
    });
  };

  const auto prefix = base::LowerCase(full) + "\\";
  for (auto it = entries_.lower_bound(prefix); it != entries_.end() && it->first.starts_with(prefix); ++it) {
    const auto& [childKey, child] = *it;
    if (childKey.find('\\', prefix.size()) != std::string::npos || child.folder != folders) continue;
    if (!folders && !matches(child.name)) continue;
    entries.push_back({child.name, child.attributes | (child.folder ? FileAttributes::Folder : FileAttributes::None),
                       child.folder ? 0 : child.bytes.size()});
  }
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    return base::LowerCase(a.name) < base::LowerCase(b.name);
  });
  return FileError::None;
}

FileError FakeFileSystem::ListFolders(const std::string& folder, std::vector<FolderEntry>& folders) {
  return List(folder, true, {}, folders);
}

FileError FakeFileSystem::ListFiles(const std::string& folder, std::string_view mask, std::vector<FolderEntry>& files) {
  return List(folder, false, mask, files);
}

FileError FakeFileSystem::CreateFolder(const std::string& path) {
  const auto [full, error] = Resolve(path);
  if (error != FileError::None) return error;
  if (Find(full)) return FileError::Exists;
  if (!Parent(full)) return FileError::PathNotFound;
  if (ParentDeniesWriting(full)) return FileError::AccessDenied;
  entries_[base::LowerCase(full)] = Entry{.folder = true, .name = LastPart(full)};
  return FileError::None;
}

FileError FakeFileSystem::RemoveFolder(const std::string& path) {
  const auto [full, error] = Resolve(path);
  if (error != FileError::None) return error;
  const auto* entry = Find(full);
  if (!entry) return Missing(full);
  if (!entry->folder) return FileError::InvalidName;
  if (IsRoot(full)) return FileError::AccessDenied;
  // The process holds its current folder open.
  if (entry->inUse || base::SameText(full, FullPathOf(CurrentFolder))) return FileError::SharingViolation;
  if (HasEntries(full)) return FileError::NotEmpty;
  if (ParentDeniesWriting(full)) return FileError::AccessDenied;
  entries_.erase(base::LowerCase(full));
  return FileError::None;
}

FileError FakeFileSystem::Move(const std::string& from, const std::string& to) {
  const auto source = Resolve(from);
  if (source.error != FileError::None) return source.error;
  auto* entry = Find(source.full);
  if (!entry) return Missing(source.full);
  const auto target = Resolve(to);
  if (target.error != FileError::None) return target.error;
  // The process holds its current folder open.
  const auto current = base::LowerCase(FullPathOf(CurrentFolder));
  const auto sourceKey = base::LowerCase(source.full);
  if (entry->inUse || current == sourceKey || Below(current, sourceKey)) return FileError::SharingViolation;
  if (DriveLetter(source.full) != DriveLetter(target.full)) return FileError::DifferentDevice;
  if (IsRoot(source.full) || IsRoot(target.full)) return FileError::AccessDenied;

  const auto targetKey = base::LowerCase(target.full);
  if (targetKey == sourceKey) {
    if (ParentDeniesWriting(source.full)) return FileError::AccessDenied;
    entry->name = LastPart(target.full);
    return FileError::None;
  }
  if (!Parent(target.full)) return FileError::PathNotFound;
  if (Find(target.full)) return FileError::Exists;
  if (Below(targetKey, sourceKey)) return FileError::Failed;  // a folder cannot go inside itself
  if (ParentDeniesWriting(source.full) || ParentDeniesWriting(target.full)) return FileError::AccessDenied;

  entry->name = LastPart(target.full);
  std::vector<std::pair<std::string, Entry>> moved;
  moved.emplace_back(targetKey, std::move(*entry));
  entries_.erase(sourceKey);
  const auto prefix = sourceKey + "\\";
  for (auto it = entries_.lower_bound(prefix); it != entries_.end() && it->first.starts_with(prefix);) {
    moved.emplace_back(targetKey + it->first.substr(sourceKey.size()), std::move(it->second));
    it = entries_.erase(it);
  }
  for (auto& [key, moving] : moved) entries_[key] = std::move(moving);
  return FileError::None;
}

FileError FakeFileSystem::Delete(const std::string& path) {
  const auto [full, error] = Resolve(path);
  if (error != FileError::None) return error;
  const auto* entry = Find(full);
  if (!entry) return Missing(full);
  if (entry->folder || Has(entry->attributes, FileAttributes::ReadOnly)) return FileError::AccessDenied;
  if (entry->inUse) return FileError::SharingViolation;
  if (ParentDeniesWriting(full)) return FileError::AccessDenied;
  entries_.erase(base::LowerCase(full));
  return FileError::None;
}

FileError FakeFileSystem::Copy(const std::string& from, const std::string& to, IfExists ifExists) {
  const auto source = Resolve(from);
  if (source.error != FileError::None) return source.error;
  const auto* entry = Find(source.full);
  if (!entry) return Missing(source.full);
  if (entry->folder || Parent(source.full)->denyReading) return FileError::AccessDenied;
  if (entry->inUse) return FileError::SharingViolation;
  const auto target = Resolve(to);
  if (target.error != FileError::None) return target.error;
  if (IsRoot(target.full)) return FileError::AccessDenied;
  if (!Parent(target.full)) return FileError::PathNotFound;

  auto* existing = Find(target.full);
  if (existing) {
    if (ifExists == IfExists::Fail) return FileError::Exists;
    if (existing->folder || Has(existing->attributes, FileAttributes::ReadOnly)) return FileError::AccessDenied;
    if (existing == entry || existing->inUse) return FileError::SharingViolation;
  }
  if (ParentDeniesWriting(target.full)) return FileError::AccessDenied;
  Entry copy{false, existing ? existing->name : LastPart(target.full), entry->bytes,
             entry->attributes | FileAttributes::Archive};
  entries_[base::LowerCase(target.full)] = std::move(copy);
  return FileError::None;
}

FileError FakeFileSystem::GetAttributes(const std::string& path, FileAttributes& attributes) {
  const auto [full, error] = Resolve(path);
  if (error != FileError::None) return error;
  const auto* entry = Find(full);
  if (!entry) return Missing(full);
  attributes = entry->attributes | (entry->folder ? FileAttributes::Folder : FileAttributes::None);
  return FileError::None;
}

FileError FakeFileSystem::SetAttributes(const std::string& path, FileAttributes attributes) {
  const auto [full, error] = Resolve(path);
  if (error != FileError::None) return error;
  auto* entry = Find(full);
  if (!entry) return Missing(full);
  entry->attributes = attributes & ~FileAttributes::Folder;
  return FileError::None;
}

void FakeFileSystem::AddFolders(const std::string& fullPath) {
  if (fullPath.empty() || Find(fullPath)) return;
  if (IsRoot(fullPath)) {
    AddDrive(DriveLetter(fullPath), DriveType::Fixed);
    return;
  }
  AddFolders(ParentOf(fullPath));
  entries_[base::LowerCase(fullPath)] = Entry{.folder = true, .name = LastPart(fullPath)};
}

void FakeFileSystem::AddFile(const std::string& path, std::string_view bytes) {
  const auto full = FullPathOf(path);
  AddFolders(ParentOf(full));
  entries_[base::LowerCase(full)] = Entry{false, LastPart(full), std::string(bytes), FileAttributes::Archive};
}

void FakeFileSystem::AddFolder(const std::string& path) { AddFolders(FullPathOf(path)); }

void FakeFileSystem::AddDrive(char letter, DriveType type, bool hasMedium) {
  const char upper = base::UpperCase(std::string_view(&letter, 1))[0];
  drives_[upper] = DriveState{type, hasMedium};
  const std::string root = std::string(1, upper) + ":";
  if (!Find(root)) entries_[base::LowerCase(root)] = Entry{.folder = true, .name = root};
}

void FakeFileSystem::SetInUse(const std::string& path, bool inUse) { Existing(path).inUse = inUse; }

void FakeFileSystem::DenyReading(const std::string& folder, bool denied) { Existing(folder).denyReading = denied; }

void FakeFileSystem::DenyWriting(const std::string& folder, bool denied) { Existing(folder).denyWriting = denied; }

}  // namespace os
