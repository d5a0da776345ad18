#include "os/win32/win32_registry.h"

#include <windows.h>

#include <vector>

namespace os {

namespace {

HKEY RootHandle(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
  }
  return HKEY_CURRENT_USER;
}

RegistryError ErrorKind(LONG code) {
  switch (code) {
    case ERROR_SUCCESS: return RegistryError::None;
    case ERROR_FILE_NOT_FOUND: return RegistryError::NotFound;
    case ERROR_ACCESS_DENIED: return RegistryError::AccessDenied;
    default: return RegistryError::Failed;
  }
}

class ScopedKey {
 public:
  ScopedKey() = default;
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;
  ~ScopedKey() {
    if (handle_) RegCloseKey(handle_);
  }
  LONG Open(HKEY parent, const std::string& path, REGSAM access) {
    return RegOpenKeyExA(parent, path.c_str(), 0, access, &handle_);
  }
  LONG Open(const RegistryKey& key, REGSAM access) { return Open(RootHandle(key.root), key.path, access); }
  HKEY Get() const { return handle_; }
  HKEY* Out() { return &handle_; }

 private:
  HKEY handle_ = nullptr;
};

// Subkeys first: the registry deletes only keys without subkeys.
LONG DeleteTree(HKEY parent, const std::string& path) {
  {
    ScopedKey key;
    if (const LONG rc = key.Open(parent, path, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE); rc != ERROR_SUCCESS) {
      return rc;
    }
    for (;;) {
      char name[MAX_PATH];
      DWORD length = sizeof name;
      const LONG rc = RegEnumKeyExA(key.Get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr);
      if (rc == ERROR_NO_MORE_ITEMS) break;
      if (rc != ERROR_SUCCESS) return rc;
      if (const LONG child = DeleteTree(key.Get(), name); child != ERROR_SUCCESS) return child;
    }
  }
  return RegDeleteKeyA(parent, path.c_str());
}

// The value's type and its data, read again while it grows between the calls.
LONG QueryValue(HKEY key, const std::string& name, DWORD& type, std::vector<BYTE>& data) {
  DWORD size = 0;
  LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
  while (rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA) {
    data.resize(size);
    rc = RegQueryValueExA(key, name.c_str(), nullptr, &type, data.data(), &size);
    if (rc == ERROR_SUCCESS) {
      data.resize(size);
      break;
    }
  }
  return rc;
}

RegistryError SetValue(const RegistryKey& key, const std::string& name, DWORD type, const void* data,
                       DWORD size) {
  ScopedKey handle;
  if (const LONG rc = handle.Open(key, KEY_SET_VALUE); rc != ERROR_SUCCESS) return ErrorKind(rc);
  return ErrorKind(RegSetValueExA(handle.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size));
}

}  // namespace

bool Win32Registry::KeyExists(const RegistryKey& key) {
  ScopedKey handle;
  const LONG rc = handle.Open(key, KEY_QUERY_VALUE);
  return rc == ERROR_SUCCESS || rc == ERROR_ACCESS_DENIED;
}

bool Win32Registry::KeyIsEmpty(const RegistryKey& key) {
  ScopedKey handle;
  if (handle.Open(key, KEY_QUERY_VALUE) != ERROR_SUCCESS) return false;
  DWORD subkeys = 0, values = 0;
  return RegQueryInfoKeyA(handle.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                          nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
         subkeys == 0 && values == 0;
}

RegistryError Win32Registry::CreateKey(const RegistryKey& key) {
  ScopedKey handle;
  return ErrorKind(RegCreateKeyExA(RootHandle(key.root), key.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_QUERY_VALUE, nullptr, handle.Out(), nullptr));
}

RegistryError Win32Registry::DeleteKey(const RegistryKey& key) {
  if (key.path.empty()) return RegistryError::AccessDenied;
  return ErrorKind(DeleteTree(RootHandle(key.root), key.path));
}

std::optional<RegistryType> Win32Registry::ValueType(const RegistryKey& key, const std::string& name) {
  ScopedKey handle;
  if (handle.Open(key, KEY_QUERY_VALUE) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = REG_NONE;
  if (RegQueryValueExA(handle.Get(), name.c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return static_cast<RegistryType>(type);
}

RegistryError Win32Registry::ReadString(const RegistryKey& key, const std::string& name, std::string& value) {
  ScopedKey handle;
  if (const LONG rc = handle.Open(key, KEY_QUERY_VALUE); rc != ERROR_SUCCESS) return ErrorKind(rc);
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
  if (const LONG rc = QueryValue(handle.Get(), name, type, data); rc != ERROR_SUCCESS) return ErrorKind(rc);
  if (type != REG_SZ && type != REG_EXPAND_SZ) return RegistryError::WrongType;
  // The stored text need not end in a NUL; it ends at the first one.
  std::string text(data.begin(), data.end());
  value = text.substr(0, text.find('\0'));
  return RegistryError::None;
}

RegistryError Win32Registry::ReadInteger(const RegistryKey& key, const std::string& name, std::uint32_t& value) {
  ScopedKey handle;
  if (const LONG rc = handle.Open(key, KEY_QUERY_VALUE); rc != ERROR_SUCCESS) return ErrorKind(rc);
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
  if (const LONG rc = QueryValue(handle.Get(), name, type, data); rc != ERROR_SUCCESS) return ErrorKind(rc);
  if (type != REG_DWORD || data.size() != sizeof(DWORD)) return RegistryError::WrongType;
  DWORD number = 0;
  CopyMemory(&number, data.data(), sizeof number);
  value = number;
  return RegistryError::None;
}

RegistryError Win32Registry::WriteString(const RegistryKey& key, const std::string& name, const std::string& value) {
  return SetValue(key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

RegistryError Win32Registry::WriteExpandString(const RegistryKey& key, const std::string& name,
                                               const std::string& value) {
  return SetValue(key, name, REG_EXPAND_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

RegistryError Win32Registry::WriteInteger(const RegistryKey& key, const std::string& name, std::uint32_t value) {
  const DWORD number = value;
  return SetValue(key, name, REG_DWORD, &number, sizeof number);
}

RegistryError Win32Registry::DeleteValue(const RegistryKey& key, const std::string& name) {
  ScopedKey handle;
  if (const LONG rc = handle.Open(key, KEY_SET_VALUE); rc != ERROR_SUCCESS) return ErrorKind(rc);
  return ErrorKind(RegDeleteValueA(handle.Get(), name.c_str()));
}

}  // namespace os
