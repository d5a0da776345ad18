// The locale order of the system's word sort, near enough for the tests: hyphens and apostrophes count
// only when all else is equal, other punctuation and blanks come before digits, digits before letters,
// and letter case is ignored.
#pragma once

#include "os/collation.h"

namespace os {

class FakeCollation final : public Collation {
 public:
  int CompareText(const std::string& a, const std::string& b) const override;
  std::string SortKey(const std::string& text) const override;
};

}  // namespace os
