#include "fuzz_check.h"

#include <cstdio>
#include <cstdlib>

namespace fuzzing {

void Fail(const std::string& reason) {
  std::fprintf(stderr, "%s\n", reason.c_str());
  std::abort();
}

}  // namespace fuzzing
