// The user's locale order through CompareStringA.
#pragma once

#include "os/collation.h"

namespace os {

class Win32Collation final : public Collation {
 public:
  int CompareText(const std::string& a, const std::string& b) const override;
};

}  // namespace os
