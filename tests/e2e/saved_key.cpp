#include "saved_key.h"

#include <gtest/gtest.h>

#include "player_key.h"

namespace e2e {

namespace {

bool Read(HKEY parent, const std::string& path, KeyTree& tree) {
  HKEY key;
  if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  for (DWORD i = 0;; ++i) {
    char name[16384];
    DWORD nameLength = sizeof name, type = 0, size = 0;
    if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    KeyTree::Value value{name, type, std::vector<BYTE>(size)};
    nameLength = sizeof name;
    RegEnumValueA(key, i, name, &nameLength, nullptr, &type, value.data.data(), &size);
    value.data.resize(size);
    tree.values.push_back(std::move(value));
  }
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD nameLength = sizeof name;
    if (RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    KeyTree sub;
    Read(key, name, sub);
    tree.subkeys.emplace_back(name, std::move(sub));
  }
  RegCloseKey(key);
  return true;
}

void Write(HKEY parent, const std::string& path, const KeyTree& tree) {
  HKEY key;
  if (RegCreateKeyExA(parent, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot put back the registry key " << path;
    return;
  }
  for (const auto& value : tree.values) {
    RegSetValueExA(key, value.name.empty() ? nullptr : value.name.c_str(), 0, value.type, value.data.data(),
                   static_cast<DWORD>(value.data.size()));
  }
  for (const auto& [name, sub] : tree.subkeys) Write(key, name, sub);
  RegCloseKey(key);
}

}  // namespace

SavedKey::SavedKey(HKEY root, std::string path) : root_(root), path_(std::move(path)) {
  existed_ = Read(root_, path_, tree_);
}

SavedKey::~SavedKey() {
  if (!DeleteKeyTree(root_, path_.c_str())) ADD_FAILURE() << "cannot delete the registry key " << path_;
  if (existed_) Write(root_, path_, tree_);
}

TextValue ReadText(HKEY root, const std::string& path, const char* name) {
  TextValue value;
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
  char text[2048] = {};
  DWORD size = sizeof text - 1, type = REG_NONE;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    value.type = type;
    value.text = text;
  }
  RegCloseKey(key);
  return value;
}

void WriteText(HKEY root, const std::string& path, const char* name, const std::string& text) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS)
      << path;
  EXPECT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>(text.size() + 1)),
            ERROR_SUCCESS)
      << path;
  RegCloseKey(key);
}

}  // namespace e2e
