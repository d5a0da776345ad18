#include "os/win32/win32_collation.h"

#include <windows.h>

namespace os {

int Win32Collation::CompareText(const std::string& a, const std::string& b) const {
  const int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                    b.data(), static_cast<int>(b.size()));
  // CSTR_LESS_THAN, CSTR_EQUAL and CSTR_GREATER_THAN are 1, 2 and 3; 0 is a failure, which a sort can only
  // take as equal.
  return result == 0 ? 0 : result - CSTR_EQUAL;
}

}  // namespace os
