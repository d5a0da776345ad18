// The user's locale order through CompareStringA, and its sort keys through LCMapStringA.
#pragma once

#include "os/collation.h"

namespace os {

class Win32Collation final : public Collation {
 public:
  int CompareText(const std::string& a, const std::string& b) const override;
  std::string SortKey(const std::string& text) const override;
};

}  // namespace os
