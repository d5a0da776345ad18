// bench_list_file                          the host figures of opening a long list file
// bench_list_file --write FILE COUNT FIRST writes such a list for the Wine run: COUNT realistic paths,
//                                          the first one replaced by FIRST (a file that loads)
// Open List of a list file of realistic paths, the dialog answered at once, until the list is shown and
// entry 0 is loaded; and the heap the open list takes beyond the idle player. Headless, fake services.
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/random.h"
#include "player/form_player.h"
#include "realistic_paths.h"
#include "support/headless_app.h"

namespace {

std::string ListText(std::vector<std::string> paths, const std::string& first) {
  paths.front() = first;
  std::string text;
  for (const std::string& path : paths) text += path + "\r\n";
  return text;
}

struct Figures {
  double milliseconds;
  long long heapBytes;
  std::size_t fileBytes;
};

long long HeapInUse() { return static_cast<long long>(mallinfo2().uordblks); }

Figures OpenList(int count) {
  testing_support::HeadlessApp app;
  const std::string first = "C:\\Music\\Evening song.wav";
  app.media.AddFile(first, 60000);
  const std::string text = ListText(bench::RealisticPaths(count), first);
  app.files.AddFile("C:\\Lists\\Big.mpl", text);
  base::SeededRandom random;
  auto form = std::make_unique<player::TFormPlayer>(std::vector<std::string>{}, random);
  form->AutoPlay.SetChecked(false);
  app.fileDialogs.Type("C:\\Lists\\Big.mpl");

  const long long heapBefore = HeapInUse();
  const auto start = std::chrono::steady_clock::now();
  form->FileOpenListClick(form.get());
  const auto end = std::chrono::steady_clock::now();
  const long long heapAfter = HeapInUse();
  if (form->SongList.Count() != count || form->Caption().rfind("Evening song.wav", 0) != 0)
    std::fprintf(stderr, "the list was not opened: %d entries, caption %s\n", form->SongList.Count(),
                 form->Caption().c_str());
  return {std::chrono::duration<double, std::milli>(end - start).count(), heapAfter - heapBefore, text.size()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "--write") {
    std::ofstream(argv[2], std::ios::binary) << ListText(bench::RealisticPaths(std::atoi(argv[3])), argv[4]);
    return 0;
  }
  OpenList(1000);  // warms the allocator and the code paths

  std::printf("%10s %10s %14s %12s %14s\n", "entries", "file KiB", "open list ms", "heap KiB", "heap / file");
  for (int count : {10000, 100000}) {
    const Figures f = OpenList(count);
    std::printf("%10d %10.0f %14.1f %12.0f %14.2f\n", count, f.fileBytes / 1024.0, f.milliseconds,
                f.heapBytes / 1024.0, static_cast<double>(f.heapBytes) / static_cast<double>(f.fileBytes));
  }
  return 0;
}
