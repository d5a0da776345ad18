// The file box with a large folder, headless on the fake services: the time from opening a folder of
// media files in the folder list until the file list shows them, adding them all to the play list with
// "<<" (each measured without applying, the extent applied once), and sorting that play list.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/random.h"
#include "player/form_player.h"
#include "support/headless_app.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figures {
  double openFolder, listing, addAll, sort;
};

Figures Run(int count) {
  testing_support::HeadlessApp app;
  const char* extensions[] = {".mid", ".wav", ".avi", ".rmi"};
  for (int i = 0; i < count; ++i) {
    const std::string path = "C:\\Big\\Evening song " + std::to_string(100000 + i) + extensions[i % 4];
    app.files.AddFile(path, "data");
    app.media.AddFile(path, 60000);
  }
  base::SeededRandom random;
  auto form = std::make_unique<player::TFormPlayer>(std::vector<std::string>{}, random);
  form->GM.SetChecked(false);
  form->AutoPlay.SetChecked(false);
  const int row = form->DirectoryListBox.Count() - 1;  // "Big", below the root

  Figures f{};
  auto start = Clock::now();
  form->DirectoryListBox.OpenRow(row);
  f.openFolder = Since(start);
  // The part of it that is the fake file system's own work: one listing with the file list's mask.
  std::vector<os::FolderEntry> files;
  start = Clock::now();
  app.files.ListFiles("C:\\Big", form->FileListBox.Mask(), files);
  f.listing = Since(start);
  if (form->FileListBox.Count() != count)
    std::fprintf(stderr, "the file list shows %d files\n", form->FileListBox.Count());

  start = Clock::now();
  form->BtnAddAll.Click();
  f.addAll = Since(start);

  // Sorting a list in file box order would find it sorted already.
  std::shuffle(form->PathList.begin(), form->PathList.end(), std::mt19937(7));
  form->FillDisplayFromPaths(false);
  start = Clock::now();
  form->FileSortList.Click();
  f.sort = Since(start);
  if (!app.backend.Boxes().empty()) std::fprintf(stderr, "%s\n", app.backend.Boxes()[0].text.c_str());
  return f;
}

}  // namespace

int main() {
  Run(1000);  // warms the allocator and the code paths

  std::printf("%8s %24s %22s %18s %14s\n", "files", "open folder to list ms", "of which listing ms",
              "add all (<<) ms", "sort list ms");
  for (int count : {1000, 10000}) {
    const Figures f = Run(count);
    std::printf("%8d %24.2f %22.2f %18.2f %14.2f\n", count, f.openFolder, f.listing, f.addAll, f.sort);
  }
  return 0;
}
