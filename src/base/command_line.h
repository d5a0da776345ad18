// The words of a program's command line, split the way the program's own start-up reads them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace base {

// Splits the arguments after the program name: blanks (and other control characters) separate
// words, a quoted part may hold blanks, the quotes themselves are dropped, and a word that comes out
// empty (a quoted empty word) ends the list.
std::vector<std::string> SplitCommandLine(std::string_view arguments);

}  // namespace base
