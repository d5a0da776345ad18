// The shell in memory: a distinct small icon for each extension (letter case ignored), the same one
// every time, and a count of the requests.
#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "os/shell.h"

namespace os {

class FakeShell final : public Shell {
 public:
  IconHandle SmallFileIcon(const std::string& fileName) override;

  std::size_t SmallIconRequests() const { return requests_; }
  // How many extensions (letter case ignored) have an icon by now.
  std::size_t ExtensionsSeen() const { return icons_.size(); }

 private:
  std::size_t requests_ = 0;
  std::map<std::string, IconHandle> icons_;
};

}  // namespace os
