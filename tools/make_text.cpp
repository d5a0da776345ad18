// make_text [--max-lines N] [--max-columns N] SOURCE TEXT_FILE: writes a plain text file with CR LF line
// ends, refusing characters outside printable ASCII and lines beyond the limits.
#include <stdexcept>
#include <string>

#include "tools/tool_main.h"
#include "tools/windows_text.h"

namespace {

std::size_t Limit(const tools::ToolOptions& options, const std::string& name) {
  const auto option = options.find(name);
  return option == options.end() ? 0 : std::stoul(option->second);
}

}  // namespace

int main(int argc, char** argv) {
  return tools::RunTool(
      argc, argv, "make_text [--max-lines N] [--max-columns N] SOURCE TEXT_FILE",
      [](const std::string& text, const tools::ToolOptions& options) {
        for (const auto& [name, value] : options)
          if (name != "max-lines" && name != "max-columns") throw std::invalid_argument("unknown option --" + name);
        const std::string made = tools::WindowsText(text, {Limit(options, "max-lines"), Limit(options, "max-columns")});
        return std::vector<std::uint8_t>(made.begin(), made.end());
      });
}
