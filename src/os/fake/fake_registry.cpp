#include "os/fake/fake_registry.h"

#include <vector>

#include "base/text.h"

namespace os {

namespace {

std::vector<std::string> KeyParts(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    auto end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) parts.push_back(base::LowerCase(path.substr(start, end - start)));
    start = end + 1;
  }
  return parts;
}

// The path in lower case with single backslashes, as the fake compares paths.
std::string KeyPath(const std::string& path) {
  std::string joined;
  for (const auto& part : KeyParts(path)) joined += (joined.empty() ? "" : "\\") + part;
  return joined;
}

}  // namespace

FakeRegistry::Node* FakeRegistry::Find(const RegistryKey& key, bool create) {
  Node* node = &roots_[static_cast<int>(key.root)];
  for (const auto& part : KeyParts(key.path)) {
    auto found = node->subkeys.find(part);
    if (found == node->subkeys.end()) {
      if (!create) return nullptr;
      found = node->subkeys.emplace(part, std::make_unique<Node>()).first;
    }
    node = found->second.get();
  }
  return node;
}

const FakeRegistry::Value* FakeRegistry::FindValue(const RegistryKey& key, const std::string& name) {
  const Node* node = Find(key, false);
  if (!node) return nullptr;
  const auto found = node->values.find(base::LowerCase(name));
  return found == node->values.end() ? nullptr : &found->second;
}

bool FakeRegistry::Refused(const RegistryKey& key, bool orBelow) const {
  const std::string path = KeyPath(key.path);
  for (const auto& refused : refusedKeys_) {
    if (refused.root != key.root) continue;
    if (path == refused.path || path.starts_with(refused.path + "\\")) return true;
    if (orBelow && (path.empty() || refused.path.starts_with(path + "\\"))) return true;
  }
  return false;
}

void FakeRegistry::RefuseKey(const RegistryKey& key) {
  refusedKeys_.push_back({key.root, KeyPath(key.path)});
}

bool FakeRegistry::KeyExists(const RegistryKey& key) { return Find(key, false) != nullptr; }

bool FakeRegistry::KeyIsEmpty(const RegistryKey& key) {
  const Node* node = Find(key, false);
  return node && node->subkeys.empty() && node->values.empty();
}

RegistryError FakeRegistry::CreateKey(const RegistryKey& key) {
  if ((RefuseWrites || Refused(key, false)) && !KeyExists(key)) return RegistryError::AccessDenied;
  Find(key, true);
  return RegistryError::None;
}

RegistryError FakeRegistry::DeleteKey(const RegistryKey& key) {
  auto parts = KeyParts(key.path);
  if (parts.empty()) return RegistryError::AccessDenied;
  const auto last = parts.back();
  parts.pop_back();
  std::string parentPath;
  for (const auto& part : parts) parentPath += part + "\\";
  Node* parent = Find({key.root, parentPath}, false);
  if (!parent || !parent->subkeys.count(last)) return RegistryError::NotFound;
  if (RefuseWrites || Refused(key, true)) return RegistryError::AccessDenied;
  parent->subkeys.erase(last);
  return RegistryError::None;
}

std::optional<RegistryType> FakeRegistry::ValueType(const RegistryKey& key, const std::string& name) {
  const Value* value = FindValue(key, name);
  if (!value) return std::nullopt;
  return value->type;
}

RegistryError FakeRegistry::ReadString(const RegistryKey& key, const std::string& name, std::string& value) {
  log_.push_back("read " + name);
  const Value* found = FindValue(key, name);
  if (!found) return RegistryError::NotFound;
  if (found->type != RegistryType::String && found->type != RegistryType::ExpandString) {
    return RegistryError::WrongType;
  }
  value = found->text.substr(0, found->text.find('\0'));
  return RegistryError::None;
}

RegistryError FakeRegistry::ReadInteger(const RegistryKey& key, const std::string& name, std::uint32_t& value) {
  log_.push_back("read " + name);
  const Value* found = FindValue(key, name);
  if (!found) return RegistryError::NotFound;
  if (found->type != RegistryType::Integer) return RegistryError::WrongType;
  value = found->number;
  return RegistryError::None;
}

RegistryError FakeRegistry::Write(const RegistryKey& key, const std::string& name, Value value) {
  log_.push_back("write " + name);
  Node* node = Find(key, false);
  if (!node) return RegistryError::NotFound;
  if (RefuseWrites || Refused(key, false)) return RegistryError::AccessDenied;
  if (refused_.count(base::LowerCase(name))) return RegistryError::Failed;
  node->values.insert_or_assign(base::LowerCase(name), std::move(value));
  return RegistryError::None;
}

RegistryError FakeRegistry::WriteString(const RegistryKey& key, const std::string& name, const std::string& value) {
  return Write(key, name, {RegistryType::String, value});
}

RegistryError FakeRegistry::WriteExpandString(const RegistryKey& key, const std::string& name,
                                              const std::string& value) {
  return Write(key, name, {RegistryType::ExpandString, value});
}

RegistryError FakeRegistry::WriteInteger(const RegistryKey& key, const std::string& name, std::uint32_t value) {
  return Write(key, name, {RegistryType::Integer, {}, value});
}

void FakeRegistry::WriteBinary(const RegistryKey& key, const std::string& name, const std::string& bytes) {
  Find(key, true)->values.insert_or_assign(base::LowerCase(name), Value{RegistryType::Binary, bytes});
}

RegistryError FakeRegistry::DeleteValue(const RegistryKey& key, const std::string& name) {
  log_.push_back("delete " + name);
  Node* node = Find(key, false);
  if (!node) return RegistryError::NotFound;
  const auto found = node->values.find(base::LowerCase(name));
  if (found == node->values.end()) return RegistryError::NotFound;
  if (RefuseWrites || Refused(key, false)) return RegistryError::AccessDenied;
  node->values.erase(found);
  return RegistryError::None;
}

}  // namespace os
