// Values of one registry key read and written as the component library's registry class does: an
// integer or boolean that is missing, any value of another type, and any write that is refused raise an
// error naming the value; a missing text reads as empty. The key is named per call and closed at once.
#pragma once

#include <cstdint>
#include <string>

#include "os/registry.h"
#include "ui/types.h"

namespace player {

// "Failed to get data for '<name>'", "Invalid data type for '<name>'", "Failed to set data for '<name>'".
class ERegistryException : public ui::Exception {
 public:
  using ui::Exception::Exception;
};

class RegistryValues {
 public:
  RegistryValues(os::Registry& registry, os::RegistryKey key) : registry_(registry), key_(std::move(key)) {}

  const os::RegistryKey& Key() const { return key_; }
  bool Exists(const std::string& name) { return registry_.ValueExists(key_, name); }

  // True when not 0.
  bool ReadBool(const std::string& name);
  std::int32_t ReadInteger(const std::string& name);
  // A REG_SZ or REG_EXPAND_SZ value, unexpanded; "" when missing.
  std::string ReadString(const std::string& name);

  // Booleans as the integers 1 and 0; every write needs the key to exist.
  void WriteBool(const std::string& name, bool value);
  void WriteInteger(const std::string& name, std::int32_t value);
  void WriteString(const std::string& name, const std::string& value);

 private:
  os::Registry& registry_;
  os::RegistryKey key_;
};

}  // namespace player
