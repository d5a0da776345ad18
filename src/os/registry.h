// The registry: keys below the three roots the programs use, named by their path below the root
// (parts separated by backslashes, no leading backslash), with typed values. A value's name "" is the
// key's default value. Key and value names are compared ignoring case.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace os {

enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };

struct RegistryKey {
  RegistryRoot root;
  std::string path;
};

// The registry's own type numbers (REG_*).
enum class RegistryType : std::uint32_t {
  None = 0, String = 1, ExpandString = 2, Binary = 3, Integer = 4, MultiString = 7
};

enum class RegistryError {
  None,
  NotFound,      // the key or the value does not exist
  WrongType,     // the value exists with another type
  AccessDenied,
  Failed,
};

class Registry {
 public:
  virtual ~Registry() = default;

  virtual bool KeyExists(const RegistryKey& key) = 0;
  // Whether the key exists and holds neither values (its default value included) nor subkeys.
  virtual bool KeyIsEmpty(const RegistryKey& key) = 0;
  // Creates the key and any missing parents; an existing key is kept as it is.
  virtual RegistryError CreateKey(const RegistryKey& key) = 0;
  // Deletes the key with its values and all its subkeys.
  virtual RegistryError DeleteKey(const RegistryKey& key) = 0;

  // The type of the value; nullopt when the key or the value is missing.
  virtual std::optional<RegistryType> ValueType(const RegistryKey& key, const std::string& name) = 0;
  bool ValueExists(const RegistryKey& key, const std::string& name) { return ValueType(key, name).has_value(); }

  // A REG_SZ or REG_EXPAND_SZ value, unexpanded, up to its first NUL.
  virtual RegistryError ReadString(const RegistryKey& key, const std::string& name, std::string& value) = 0;
  // A REG_DWORD value.
  virtual RegistryError ReadInteger(const RegistryKey& key, const std::string& name, std::uint32_t& value) = 0;

  // Writes into an existing key, replacing a value of that name whatever its type.
  virtual RegistryError WriteString(const RegistryKey& key, const std::string& name, const std::string& value) = 0;
  virtual RegistryError WriteExpandString(const RegistryKey& key, const std::string& name,
                                          const std::string& value) = 0;
  virtual RegistryError WriteInteger(const RegistryKey& key, const std::string& name, std::uint32_t value) = 0;

  virtual RegistryError DeleteValue(const RegistryKey& key, const std::string& name) = 0;
};

}  // namespace os
