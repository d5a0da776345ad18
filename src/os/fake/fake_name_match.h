// Names as the system's file search sees them: the short (8.3) name it gives a long name, and the match
// of a name against one search pattern.
#pragma once

#include <string>
#include <string_view>

namespace os {

// The short name the system gives a long name ("LONGFI~1.WAV" for "Long File Name.wav"); "" when the name
// is a valid short name itself. The number is always 1: only matching uses it.
std::string ShortName(std::string_view name);

// Whether a name matches one search pattern, as the system's file search matches it: case ignored; the
// pattern's trailing dots and blanks dropped; "?" one character, or none before a dot or at the end;
// ".*" and ".?" also match the end of a name without a dot; "*." at the end matches only names without
// a dot. A pattern without "*" or "?" matches the one name it spells.
bool MatchesPattern(std::string_view name, std::string_view pattern);

}  // namespace os
