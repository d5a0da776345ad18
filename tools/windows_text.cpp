#include "tools/windows_text.h"

#include <sstream>

namespace tools {

namespace {

[[noreturn]] void Refuse(std::size_t line, const std::string& what) {
  throw std::invalid_argument("line " + std::to_string(line) + ": " + what);
}

}  // namespace

std::string WindowsText(const std::string& text, const TextLimits& limits) {
  std::string out;
  std::istringstream in(text);
  std::string line;
  std::size_t n = 0;
  while (std::getline(in, line)) {
    ++n;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    for (char c : line)
      if (c < 0x20 || c > 0x7E)
        Refuse(n, "character " + std::to_string(static_cast<unsigned char>(c)) + " is not printable ASCII");
    if (limits.maxColumns && line.size() > limits.maxColumns)
      Refuse(n, std::to_string(line.size()) + " columns, more than " + std::to_string(limits.maxColumns));
    if (limits.maxLines && n > limits.maxLines) Refuse(n, "more than " + std::to_string(limits.maxLines) + " lines");
    out += line + "\r\n";
  }
  return out;
}

}  // namespace tools
