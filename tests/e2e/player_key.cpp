#include "player_key.h"

#include <utility>

#include <gtest/gtest.h>

namespace e2e {

void WriteOptions(const std::string& fileBoxFolder, const EarlierRun& run) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  const std::pair<const char*, DWORD> numbers[] = {
      {"Top", 40},          {"Left", 40},       {"FileBox", run.fileBox},   {"PlayList", 1},
      {"TrackBar", 1},      {"Menu", 1},        {"Counter", 1},             {"Hide", 0},
      {"TimeCount", 0},     {"StayOnTop", 0},   {"AutoPlay", run.autoPlay}, {"LoopPlay", 1},
      {"RepeatPlay", 0},    {"RandomPlay", 0},  {"ShufflePlay", 0},         {"GM", 0},
      {"GS", 0},            {"XG", 0},          {"AutoLoad", 0},            {"OpExit", run.saveOnExit},
      {"LastOne", 0},       {"SKIP", 5},        {"WAIT", 0},
  };
  for (const auto& [name, value] : numbers) {
    ASSERT_EQ(RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value),
              ERROR_SUCCESS)
        << name;
  }
  const auto* folder = reinterpret_cast<const BYTE*>(fileBoxFolder.c_str());
  const auto size = static_cast<DWORD>(fileBoxFolder.size() + 1);
  ASSERT_EQ(RegSetValueExA(key, "MIDIDirectory", 0, REG_SZ, folder, size), ERROR_SUCCESS);
  RegCloseKey(key);
}

std::string PlayerKeyDefault() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kPlayerKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
  char text[256] = {};
  DWORD size = sizeof text - 1;
  DWORD type = REG_NONE;
  const LONG rc = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(key);
  return rc == ERROR_SUCCESS && type == REG_SZ ? text : "";
}

bool DeleteKeyTree(HKEY parent, const char* name) {
  HKEY key;
  if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return true;
  char sub[256];
  for (;;) {
    DWORD length = sizeof sub;
    if (RegEnumKeyExA(key, 0, sub, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    if (!DeleteKeyTree(key, sub)) break;
  }
  RegCloseKey(key);
  return RegDeleteKeyA(parent, name) == ERROR_SUCCESS;
}

}  // namespace e2e
