// The registry as a user's tool shows it: "regedit /E" exports a key with everything below it to a file,
// which is read back here.
#pragma once

#include <map>
#include <string>

namespace e2e {

// Each exported key (its full name, as in the file's brackets) with its values: the name ("@" for the
// default value) and the data as the file writes it after "=", a string unescaped within its quotes
// ("\"text\""), a number as "dword:00000002". Empty when regedit fails or the key does not exist.
// Key and value names compare without regard to letter case, as the registry's do.
struct IgnoringCase {
  bool operator()(const std::string& a, const std::string& b) const;
};
using ExportedValues = std::map<std::string, std::string, IgnoringCase>;
using ExportedKeys = std::map<std::string, ExportedValues, IgnoringCase>;
ExportedKeys ExportWithRegedit(const std::string& key);

// How the export writes a string value and a number.
std::string Quoted(const std::string& text);
std::string Dword(unsigned value);

}  // namespace e2e
