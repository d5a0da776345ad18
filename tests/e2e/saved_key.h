// A registry key with everything below it, kept in memory while a test changes or deletes it, and put
// back as it was when the test ends.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace e2e {

struct KeyTree {
  struct Value {
    std::string name;
    DWORD type;
    std::vector<BYTE> data;
  };
  std::vector<Value> values;
  std::vector<std::pair<std::string, KeyTree>> subkeys;
};

class SavedKey {
 public:
  SavedKey(HKEY root, std::string path);
  // Deletes whatever is at the path now and writes the kept tree back; a key that did not exist stays
  // deleted.
  ~SavedKey();
  SavedKey(const SavedKey&) = delete;
  SavedKey& operator=(const SavedKey&) = delete;

 private:
  HKEY root_;
  std::string path_;
  bool existed_ = false;
  KeyTree tree_;
};

// A string value (REG_SZ or REG_EXPAND_SZ, unexpanded) and its type; type REG_NONE when the key or the
// value is missing.
struct TextValue {
  DWORD type = REG_NONE;
  std::string text;
};
TextValue ReadText(HKEY root, const std::string& path, const char* name);
void WriteText(HKEY root, const std::string& path, const char* name, const std::string& text);

}  // namespace e2e
