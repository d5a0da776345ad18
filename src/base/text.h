// Text rules of the system: file-name parts, ANSI case mapping, the counter's number formats.
#pragma once

#include <string>
#include <string_view>

namespace base {

// The text after the last backslash or colon; the whole path when it has neither.
std::string DisplayName(std::string_view path);

// The text after the last backslash only (a drive-relative "C:name" keeps its "C:").
std::string NameAfterBackslash(std::string_view path);

// The folder of a full path: the text before its last backslash, a drive's root keeping its backslash
// ("C:\a.mid" -> "C:\", "C:\Music\a.mid" -> "C:\Music").
std::string FolderPart(std::string_view path);
// A folder without its final backslash, except a drive's root ("C:\").
std::string WithoutFinalBackslash(std::string_view folder);
// A name in a folder: a backslash between them unless the folder ends in one (a drive's root).
std::string JoinPath(std::string_view folder, std::string_view name);

// The extension of the file name part, dot included ("" when the name has no dot).
std::string FileExtension(std::string_view path);

// Case mapping of the ASCII letters only, as the system's comparisons "ignoring case" do.
std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);
bool StartsWithText(std::string_view text, std::string_view prefix);

// "7" -> "07": seconds of the counter and of the caption.
std::string TwoDigits(unsigned value);

}  // namespace base
