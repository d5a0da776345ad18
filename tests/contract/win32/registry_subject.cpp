#include "registry_subject.h"

#include <windows.h>

#include <string>

#include "os/win32/win32_registry.h"

namespace contract {

namespace {
class Win32Subject final : public RegistrySubject {
 public:
  Win32Subject()
      : key_{os::RegistryRoot::CurrentUser,
             "Software\\Tunora Contract " + std::to_string(GetCurrentProcessId())} {
    registry_.DeleteKey(key_);
  }
  ~Win32Subject() override { registry_.DeleteKey(key_); }

  os::Registry& Registry() override { return registry_; }
  os::RegistryKey TestKey() const override { return key_; }

 private:
  os::RegistryKey key_;
  os::Win32Registry registry_;
};
}  // namespace

std::unique_ptr<RegistrySubject> MakeRegistrySubject() { return std::make_unique<Win32Subject>(); }

}  // namespace contract
