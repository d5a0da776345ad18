// How adding entries to the play list grows: time and heap for 1,000, 10,000 and 100,000 entries
// appended through AppendEntry and measured through MeasureEntry, as adding many files does (each
// measured without applying, the extent applied once at the end). Headless, fake services.
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "base/random.h"
#include "player/form_player.h"
#include "support/headless_app.h"

namespace {

struct Figures {
  double milliseconds;
  long long heapBytes;
};

long long HeapInUse() { return static_cast<long long>(mallinfo2().uordblks); }

Figures AddEntries(int count) {
  testing_support::HeadlessApp app;
  base::SeededRandom random;
  auto form = std::make_unique<player::TFormPlayer>(std::vector<std::string>{}, random);

  // The texts are made before the clock starts: only the play list's own work is counted.
  std::vector<std::string> paths, texts;
  paths.reserve(count);
  texts.reserve(count);
  for (int i = 0; i < count; ++i) {
    texts.push_back("Evening song " + std::to_string(i) + ".mid");
    paths.push_back("C:\\Music\\Collection\\" + texts.back());
  }

  const long long heapBefore = HeapInUse();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < count; ++i) {
    form->AppendEntry(paths[i], texts[i]);
    form->MeasureEntry(texts[i], false);
  }
  form->MeasureEntry("", true);
  const auto end = std::chrono::steady_clock::now();
  const long long heapAfter = HeapInUse();
  return {std::chrono::duration<double, std::milli>(end - start).count(), heapAfter - heapBefore};
}

}  // namespace

int main() {
  AddEntries(1000);  // warms the allocator and the code paths

  std::printf("%10s %12s %14s %14s %12s\n", "entries", "time ms", "us per entry", "heap KiB", "B per entry");
  for (int count : {1000, 10000, 100000}) {
    const Figures f = AddEntries(count);
    std::printf("%10d %12.2f %14.3f %14.1f %12.1f\n", count, f.milliseconds, 1000.0 * f.milliseconds / count,
                f.heapBytes / 1024.0, static_cast<double>(f.heapBytes) / count);
  }
  return 0;
}
