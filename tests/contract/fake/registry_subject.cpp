#include "registry_subject.h"

#include "os/fake/fake_registry.h"

namespace contract {

namespace {
class FakeSubject final : public RegistrySubject {
 public:
  os::Registry& Registry() override { return registry_; }
  os::RegistryKey TestKey() const override { return {os::RegistryRoot::CurrentUser, "Software\\Tunora Contract"}; }
  void WriteBinary(const os::RegistryKey& key, const std::string& name, const std::string& bytes) override {
    registry_.WriteBinary(key, name, bytes);
  }

 private:
  os::FakeRegistry registry_;
};
}  // namespace

std::unique_ptr<RegistrySubject> MakeRegistrySubject() { return std::make_unique<FakeSubject>(); }

}  // namespace contract
