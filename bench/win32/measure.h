// What the Win32 benchmarks share: a clock, the wait until the thread's queue is empty (every message,
// the repaints included, handled), the process's private memory, and medians.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  double Milliseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_, start_;
};

// Handles the thread's messages until none is left: what a change made invalid has been painted.
inline void HandlePending() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// The process's private memory in bytes: its page-file usage, which Wine fills in from the Linux
// process (it leaves PrivateUsage at 0).
inline double PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.PagefileUsage);
}

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t half = values.size() / 2;
  return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

// One figure over the rounds, as bench/run-all reads it: "name: median M ms (min A, max B, N rounds)".
inline void PrintFigure(const std::string& name, const std::vector<double>& ms) {
  if (ms.empty()) return;
  std::printf("%s: median %.1f ms (min %.1f, max %.1f, %zu rounds)\n", name.c_str(), Median(ms),
              *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()), ms.size());
}

}  // namespace bench
