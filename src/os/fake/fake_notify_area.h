// The notification area in memory: the icons the shell would show, with every request it was sent.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "os/notify_area.h"

namespace os {

class FakeNotifyArea final : public NotifyArea {
 public:
  enum class Op { Add, Modify, Delete };
  struct Request {
    Op op;
    NotifyIconRecord record;
  };

  // Like the shell: an icon is known by its window and id; adding a known one, or modifying or
  // deleting an unknown one, is refused. RefuseAll makes the shell refuse everything.
  bool Add(const NotifyIconRecord& record) override;
  bool Modify(const NotifyIconRecord& record) override;
  bool Delete(const NotifyIconRecord& record) override;

  bool RefuseAll = false;
  const std::vector<Request>& Requests() const { return requests_; }
  // The icon shown for window and id, or nullptr.
  const NotifyIconRecord* Shown(WindowHandle window, std::uint32_t id) const;
  std::size_t ShownCount() const { return shown_.size(); }

 private:
  std::vector<Request> requests_;
  std::map<std::pair<WindowHandle, std::uint32_t>, NotifyIconRecord> shown_;
};

}  // namespace os
