// The registry under test, with a key of its own below HKEY_CURRENT_USER that does not exist at the
// start and is deleted at the end.
#pragma once

#include <memory>
#include <string>

#include "os/registry.h"

namespace contract {

class RegistrySubject {
 public:
  virtual ~RegistrySubject() = default;
  virtual os::Registry& Registry() = 0;
  virtual os::RegistryKey TestKey() const = 0;
  // Stores a REG_BINARY value (creating the key), which the service itself never writes.
  virtual void WriteBinary(const os::RegistryKey& key, const std::string& name, const std::string& bytes) = 0;
};

std::unique_ptr<RegistrySubject> MakeRegistrySubject();

}  // namespace contract
