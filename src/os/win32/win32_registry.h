// The registry through the Win32 API (ANSI names); every call opens its key and closes it again.
#pragma once

#include "os/registry.h"

namespace os {

class Win32Registry final : public Registry {
 public:
  bool KeyExists(const RegistryKey& key) override;
  bool KeyIsEmpty(const RegistryKey& key) override;
  RegistryError CreateKey(const RegistryKey& key) override;
  RegistryError DeleteKey(const RegistryKey& key) override;
  std::optional<RegistryType> ValueType(const RegistryKey& key, const std::string& name) override;
  RegistryError ReadString(const RegistryKey& key, const std::string& name, std::string& value) override;
  RegistryError ReadInteger(const RegistryKey& key, const std::string& name, std::uint32_t& value) override;
  RegistryError WriteString(const RegistryKey& key, const std::string& name, const std::string& value) override;
  RegistryError WriteExpandString(const RegistryKey& key, const std::string& name,
                                  const std::string& value) override;
  RegistryError WriteInteger(const RegistryKey& key, const std::string& name, std::uint32_t value) override;
  RegistryError DeleteValue(const RegistryKey& key, const std::string& name) override;
};

}  // namespace os
