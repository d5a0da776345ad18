// The user's locale order for texts, as sorted lists show them to the user.
#pragma once

#include <string>

namespace os {

class Collation {
 public:
  virtual ~Collation() = default;

  // Compares two texts of the system code page in the user's locale order, letter case ignored:
  // negative, 0 or positive as a sorts before, with or after b.
  virtual int CompareText(const std::string& a, const std::string& b) const = 0;
  // A key of the text whose order as unsigned bytes (std::string's own order) is CompareText's: many
  // texts are sorted by their keys, each made once, in place of comparing the texts again and again.
  virtual std::string SortKey(const std::string& text) const = 0;
};

}  // namespace os
