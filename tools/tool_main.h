// What the three tools share: "TOOL [--option value]... SOURCE TARGET" reads the source as text, makes
// the target's bytes and writes the target only when all went well, so that a failed run never leaves a
// file behind that the build would take for up to date.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tools {

using ToolOptions = std::map<std::string, std::string>;  // "--max-lines 10" gives {"max-lines", "10"}
using MakeTarget = std::function<std::vector<std::uint8_t>(const std::string& sourceText, const ToolOptions&)>;

// The exit code: 0 when the target was written; 1 after printing the source's name and the error.
int RunTool(int argc, char** argv, const char* usage, const MakeTarget& make);

}  // namespace tools
