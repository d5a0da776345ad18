#include "registry_subject.h"

#include <windows.h>

#include <gtest/gtest.h>

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
  void WriteBinary(const os::RegistryKey& key, const std::string& name, const std::string& bytes) override {
    HKEY handle;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                              nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(handle, name.c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(handle);
  }

 private:
  os::RegistryKey key_;
  os::Win32Registry registry_;
};
}  // namespace

std::unique_ptr<RegistrySubject> MakeRegistrySubject() { return std::make_unique<Win32Subject>(); }

}  // namespace contract
