#include "os/win32/win32_collation.h"

#include <windows.h>

#include <stdexcept>

namespace os {

int Win32Collation::CompareText(const std::string& a, const std::string& b) const {
  const int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                    b.data(), static_cast<int>(b.size()));
  // CSTR_LESS_THAN, CSTR_EQUAL and CSTR_GREATER_THAN are 1, 2 and 3; 0 is a failure, which a sort can only
  // take as equal.
  return result == 0 ? 0 : result - CSTR_EQUAL;
}

std::string Win32Collation::SortKey(const std::string& text) const {
  // The system has no key for an empty text; it sorts before every other.
  if (text.empty()) return {};
  constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
  const int length = static_cast<int>(text.size());
  const int size = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, text.data(), length, nullptr, 0);
  if (size <= 0) throw std::runtime_error("No sort key for '" + text + "'");
  std::string key(size, '\0');
  LCMapStringA(LOCALE_USER_DEFAULT, kFlags, text.data(), length, key.data(), size);
  // The key ends in a zero byte, which adds nothing to its order.
  if (!key.empty() && key.back() == '\0') key.pop_back();
  return key;
}

}  // namespace os
