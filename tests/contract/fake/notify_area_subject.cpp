#include "notify_area_subject.h"

#include "os/fake/fake_notify_area.h"

namespace contract {
namespace {

class FakeSubject final : public NotifyAreaSubject {
 public:
  os::NotifyArea& Area() override { return area_; }
  os::WindowHandle Window() override { return 0x10000; }
  os::IconHandle Icon() override { return 0x100; }
  std::optional<std::string> ShownTip(os::WindowHandle window, std::uint32_t id) override {
    const os::NotifyIconRecord* shown = area_.Shown(window, id);
    if (!shown) return std::nullopt;
    return std::string(shown->tip);
  }

 private:
  os::FakeNotifyArea area_;
};

}  // namespace

std::unique_ptr<NotifyAreaSubject> MakeNotifyAreaSubject() { return std::make_unique<FakeSubject>(); }

}  // namespace contract
