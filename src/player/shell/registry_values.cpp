#include "player/shell/registry_values.h"

namespace player {

namespace {

[[noreturn]] void ThrowReadError(os::RegistryError error, const std::string& name) {
  if (error == os::RegistryError::WrongType) throw ERegistryException("Invalid data type for '" + name + "'");
  throw ERegistryException("Failed to get data for '" + name + "'");
}

void CheckWritten(os::RegistryError error, const std::string& name) {
  if (error != os::RegistryError::None) throw ERegistryException("Failed to set data for '" + name + "'");
}

}  // namespace

bool RegistryValues::ReadBool(const std::string& name) { return ReadInteger(name) != 0; }

std::int32_t RegistryValues::ReadInteger(const std::string& name) {
  std::uint32_t value = 0;
  if (const auto error = registry_.ReadInteger(key_, name, value); error != os::RegistryError::None) {
    ThrowReadError(error, name);
  }
  return static_cast<std::int32_t>(value);
}

std::string RegistryValues::ReadString(const std::string& name) {
  std::string value;
  const auto error = registry_.ReadString(key_, name, value);
  if (error == os::RegistryError::NotFound) return {};
  if (error != os::RegistryError::None) ThrowReadError(error, name);
  return value;
}

void RegistryValues::WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }

void RegistryValues::WriteInteger(const std::string& name, std::int32_t value) {
  CheckWritten(registry_.WriteInteger(key_, name, static_cast<std::uint32_t>(value)), name);
}

void RegistryValues::WriteString(const std::string& name, const std::string& value) {
  CheckWritten(registry_.WriteString(key_, name, value), name);
}

}  // namespace player
