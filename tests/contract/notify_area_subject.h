// What the notification-area contract runs against: the shell, a window of the test's own that the
// icons belong to, and an icon the shell can show.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "os/notify_area.h"

namespace contract {

class NotifyAreaSubject {
 public:
  virtual ~NotifyAreaSubject() = default;

  virtual os::NotifyArea& Area() = 0;
  virtual os::WindowHandle Window() = 0;
  virtual os::IconHandle Icon() = 0;
  // The tool tip the shell shows for the icon, where the subject can read it back.
  virtual std::optional<std::string> ShownTip(os::WindowHandle window, std::uint32_t id) = 0;
};

std::unique_ptr<NotifyAreaSubject> MakeNotifyAreaSubject();

}  // namespace contract
