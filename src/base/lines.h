// Line rules of the system's text files (play lists, History.ini): how bytes become lines and back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace base {

// A line ends at CR, at LF, or at CR LF (one line end); a NUL byte ends the content. Text after the
// last line end is a last line; a line end at the very end adds no empty line. Empty lines stay.
std::vector<std::string> SplitLines(std::string_view content);

// Every line followed by CR LF, the last one included; no lines give no bytes.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace base
