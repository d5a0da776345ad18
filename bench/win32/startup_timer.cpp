// startup_timer RUNS CAPTION EXE [WORD...]
// Starts EXE RUNS times and measures, for each run, the time from CreateProcess to the first moment a
// visible top-level window of that process shows CAPTION (polled every millisecond); then closes it.
// Prints one line per run and the median, in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
  DWORD processId;
  const std::string* caption;
  HWND found;
};

BOOL CALLBACK FindCaption(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !IsWindowVisible(window)) return TRUE;
  char text[512] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                           50, &copied)) {
    return TRUE;
  }
  if (*search.caption == text) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One start; returns the milliseconds until the caption showed, or a negative value on failure.
double TimeOneStart(const std::string& commandLine, const std::string& caption) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string line = commandLine;
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    std::fprintf(stderr, "startup_timer: cannot start %s (error %lu)\n", commandLine.c_str(), GetLastError());
    return -1;
  }
  CloseHandle(info.hThread);
  Search search{info.dwProcessId, &caption, nullptr};
  double elapsed = -1;
  for (;;) {
    EnumWindows(FindCaption, reinterpret_cast<LPARAM>(&search));
    QueryPerformanceCounter(&now);
    if (search.found) {
      elapsed = Milliseconds(start, now, frequency);
      break;
    }
    if (WaitForSingleObject(info.hProcess, 1) == WAIT_OBJECT_0) {
      std::fprintf(stderr, "startup_timer: %s ended before showing \"%s\"\n", commandLine.c_str(), caption.c_str());
      break;
    }
    if (Milliseconds(start, now, frequency) > 60000) {
      std::fprintf(stderr, "startup_timer: no window \"%s\" within 60 s\n", caption.c_str());
      break;
    }
  }
  if (search.found) PostMessageA(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
    std::fprintf(stderr, "startup_timer: the program did not end on WM_CLOSE; terminated\n");
    TerminateProcess(info.hProcess, 1);
    WaitForSingleObject(info.hProcess, 5000);
  }
  CloseHandle(info.hProcess);
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: startup_timer RUNS CAPTION EXE [WORD...]\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const std::string caption = argv[2];
  std::string commandLine = std::string("\"") + argv[3] + "\"";
  for (int i = 4; i < argc; ++i) commandLine += std::string(" ") + argv[i];

  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const double ms = TimeOneStart(commandLine, caption);
    if (ms < 0) return 1;
    std::printf("run %d: %.1f ms\n", run + 1, ms);
    times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  const double median = times.size() % 2 ? times[times.size() / 2]
                                         : (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
  std::printf("median %.1f ms, min %.1f ms, max %.1f ms over %d runs\n", median, times.front(), times.back(), runs);
  return 0;
}
