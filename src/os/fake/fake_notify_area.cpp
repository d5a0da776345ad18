#include "os/fake/fake_notify_area.h"

namespace os {

bool FakeNotifyArea::Add(const NotifyIconRecord& record) {
  requests_.push_back({Op::Add, record});
  if (RefuseAll || record.size != 88) return false;
  return shown_.try_emplace({record.window, record.id}, record).second;
}

bool FakeNotifyArea::Modify(const NotifyIconRecord& record) {
  requests_.push_back({Op::Modify, record});
  const auto it = shown_.find({record.window, record.id});
  if (RefuseAll || it == shown_.end()) return false;
  it->second = record;
  return true;
}

bool FakeNotifyArea::Delete(const NotifyIconRecord& record) {
  requests_.push_back({Op::Delete, record});
  return !RefuseAll && shown_.erase({record.window, record.id}) == 1;
}

const NotifyIconRecord* FakeNotifyArea::Shown(WindowHandle window, std::uint32_t id) const {
  const auto it = shown_.find({window, id});
  return it == shown_.end() ? nullptr : &it->second;
}

}  // namespace os
