#include "base/command_line.h"

namespace base {

namespace {
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view arguments) {
  std::vector<std::string> words;
  std::size_t i = 0;
  for (;;) {
    while (i < arguments.size() && IsBlank(arguments[i])) ++i;
    if (i == arguments.size()) break;
    std::string word;
    bool quoted = false;
    for (; i < arguments.size() && (quoted || !IsBlank(arguments[i])); ++i) {
      if (arguments[i] == '"') {
        quoted = !quoted;
      } else {
        word += arguments[i];
      }
    }
    if (word.empty()) break;
    words.push_back(std::move(word));
  }
  return words;
}

}  // namespace base
