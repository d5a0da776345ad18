#include "os/fake/fake_shell.h"

#include "base/text.h"

namespace os {

IconHandle FakeShell::SmallFileIcon(const std::string& fileName) {
  ++requests_;
  const auto extension = base::LowerCase(base::FileExtension(fileName));
  return icons_.try_emplace(extension, 0x1000 + icons_.size()).first->second;
}

}  // namespace os
