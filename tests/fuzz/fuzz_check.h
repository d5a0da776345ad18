// What every fuzz target checks with: a failed check stops the process, and libFuzzer keeps the input.
#pragma once

#include <string>
#include <string_view>

namespace fuzzing {

// Prints the reason on standard error and aborts.
[[noreturn]] void Fail(const std::string& reason);

// CR, LF or NUL: a name holding one cannot be a line of a list file or of History.ini.
inline bool HoldsLineEnd(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

}  // namespace fuzzing
