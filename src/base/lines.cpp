#include "base/lines.h"

namespace base {

std::vector<std::string> SplitLines(std::string_view content) {
  content = content.substr(0, content.find('\0'));
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    const auto end = content.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(content.substr(start));
      break;
    }
    lines.emplace_back(content.substr(start, end - start));
    start = end + 1;
    if (content[end] == '\r' && start < content.size() && content[start] == '\n') ++start;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace base
