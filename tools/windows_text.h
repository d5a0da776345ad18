// Plain text files as Windows programs of every code page read them: CR LF line ends and printable ASCII.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tools {

struct TextLimits {
  std::size_t maxLines = 0;    // 0: any number
  std::size_t maxColumns = 0;  // 0: any width
};

// The text with every line ended by CR LF (LF or CR LF in the source). Throws std::invalid_argument,
// naming the line, for a character outside printable ASCII (tabs included: their width depends on the
// reader), a line wider than maxColumns or more lines than maxLines.
std::string WindowsText(const std::string& text, const TextLimits& limits);

}  // namespace tools
