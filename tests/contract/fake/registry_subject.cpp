#include "registry_subject.h"

#include "os/fake/fake_registry.h"

namespace contract {

namespace {
class FakeSubject final : public RegistrySubject {
 public:
  os::Registry& Registry() override { return registry_; }
  os::RegistryKey TestKey() const override { return {os::RegistryRoot::CurrentUser, "Software\\Tunora Contract"}; }

 private:
  os::FakeRegistry registry_;
};
}  // namespace

std::unique_ptr<RegistrySubject> MakeRegistrySubject() { return std::make_unique<FakeSubject>(); }

}  // namespace contract
