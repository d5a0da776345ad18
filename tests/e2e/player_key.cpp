#include "player_key.h"

namespace e2e {

bool PlayerKeyExists() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kPlayerKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
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
