// player_lists folder FOLDER ROUNDS | player_lists list FILE
// The player's main window with the Win32 services and windows, as MIDI_Tunora.exe makes it, timed from
// inside at the big lists: each figure runs from the user's action until every message that followed
// it has been handled, the repaints included.
//   folder: FOLDER holds the subfolder Big of many media files. Each round opens Big in the folder list
//           until the file list shows its files (and times the file system's listing alone), adds them
//           all with "<<" (measured, the first loaded), sorts the shuffled play list (entry 0 loaded
//           again), and times that load alone.
//   list:   Open List of FILE (the dialog answered at once) until the list is shown and entry 0 is
//           loaded, and the private memory it took beyond the idle player's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "base/random.h"
#include "measure.h"
#include "os/services.h"
#include "os/win32/win32_collation.h"
#include "os/win32/win32_file_system.h"
#include "os/win32/win32_help.h"
#include "os/win32/win32_media_device.h"
#include "os/win32/win32_message_loop.h"
#include "os/win32/win32_midi_out.h"
#include "os/win32/win32_notify_area.h"
#include "os/win32/win32_registry.h"
#include "os/win32/win32_shell.h"
#include "os/win32/win32_thread_priority.h"
#include "player/form_player.h"
#include "player/shell/program_entry.h"
#include "ui/forms.h"
#include "ui/win32/win32_backend.h"

namespace {

// The Open List dialog as a user answers it at once with the benchmark's file.
class AnsweredDialogs final : public os::FileDialogs {
 public:
  explicit AnsweredDialogs(std::string file) : file_(std::move(file)) {}
  std::optional<std::string> AskFileToOpen(const os::FileDialogRequest&) override { return file_; }
  std::optional<std::string> AskFileToSave(const os::FileDialogRequest&) override { return std::nullopt; }

 private:
  std::string file_;
};

void Require(bool condition, const std::string& what) {
  if (condition) return;
  std::fprintf(stderr, "player_lists: %s\n", what.c_str());
  std::exit(1);
}

void FolderRounds(player::TFormPlayer& form, const std::string& folder, int rounds) {
  std::vector<double> open, listing, addAll, sort, reload;
  std::mt19937 shuffle(7);
  for (int round = 0; round < rounds; ++round) {
    form.SetFileBoxFolder(folder);
    bench::HandlePending();
    int row = -1;
    for (int i = 0; i < form.DirectoryListBox.Count(); ++i)
      if (form.DirectoryListBox.Item(i) == "Big") row = i;
    Require(row > form.DirectoryListBox.CurrentRow(), "no subfolder Big in " + folder);

    bench::Stopwatch openWatch;
    form.DirectoryListBox.OpenRow(row);
    bench::HandlePending();
    open.push_back(openWatch.Milliseconds());
    const int files = form.FileListBox.Count();
    Require(files > 0, "the file list of Big is empty");
    // The part of it that is the file system's: one listing with the file list's mask.
    std::vector<os::FolderEntry> entries;
    bench::Stopwatch listWatch;
    ui::Application().Services().files.ListFiles(form.FileListBox.Directory(), form.FileListBox.Mask(), entries);
    listing.push_back(listWatch.Milliseconds());

    bench::Stopwatch addWatch;
    form.BtnAddAll.Click();
    bench::HandlePending();
    addAll.push_back(addWatch.Milliseconds());
    Require(form.SongList.Count() == files, "\"<<\" did not add every file");

    // A list in file box order would be sorted already.
    std::shuffle(form.PathList.begin(), form.PathList.end(), shuffle);
    form.FillDisplayFromPaths(false);
    bench::HandlePending();
    bench::Stopwatch sortWatch;
    form.FileSortList.Click();
    bench::HandlePending();
    sort.push_back(sortWatch.Milliseconds());

    form.MIDIPlayer.Close();
    bench::Stopwatch loadWatch;
    form.LoadEntry(0);
    bench::HandlePending();
    reload.push_back(loadWatch.Milliseconds());

    form.FileClearListClick(&form);
    bench::HandlePending();
    if (round == 0) std::printf("files: %d\n", files);
  }
  bench::PrintFigure("open folder", open);
  bench::PrintFigure("of which listing", listing);
  bench::PrintFigure("add all", addAll);
  bench::PrintFigure("sort", sort);
  bench::PrintFigure("load entry 0", reload);
}

void OpenList(player::TFormPlayer& form) {
  bench::HandlePending();
  Sleep(200);
  bench::HandlePending();
  const double idle = bench::PrivateBytes();
  bench::Stopwatch watch;
  form.FileOpenListClick(&form);
  bench::HandlePending();
  const double ms = watch.Milliseconds();
  const double taken = bench::PrivateBytes() - idle;
  Require(form.SongList.Count() > 0 && form.Caption().rfind(form.SongList.Item(0), 0) == 0,
          "the list was not opened with entry 0 loaded: " + form.Caption());
  std::printf("entries: %d\nopen list: %.1f ms\nmemory: %.0f KiB\n", form.SongList.Count(), ms, taken / 1024);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (!((mode == "folder" && argc == 4) || (mode == "list" && argc == 3))) {
    std::fprintf(stderr, "usage: player_lists folder FOLDER ROUNDS | player_lists list FILE\n");
    return 2;
  }
  os::Win32MessageLoop loop;
  os::Win32NotifyArea notifyArea;
  os::Win32ThreadPriority threadPriority;
  os::Win32FileSystem files;
  os::Win32Registry registry;
  os::Win32Collation collation;
  os::Win32Shell shell;
  AnsweredDialogs fileDialogs(mode == "list" ? argv[2] : "");
  os::Win32MidiOut midiOut;
  os::Win32Help help;
  os::Services services{loop,       files,          registry,  shell,
                        notifyArea, threadPriority, collation, fileDialogs,
                        [&loop] { return std::make_unique<os::Win32MediaDevice>(loop); }, midiOut, help};
  ui::Win32Backend backend(loop);
  ui::TApplication application(backend, services);
  try {
    player::NameApplication(application);
    base::SeededRandom random;
    player::TFormPlayer form({}, random);
    player::CreateMainWindow(application, form);
    // Nothing plays: every load is the same open of the device, and no playing shares the thread.
    form.AutoPlay.SetChecked(false);
    form.AutoPlayClick(&form);
    form.SetVisible(true);
    bench::HandlePending();
    if (mode == "folder") {
      FolderRounds(form, argv[2], std::max(1, std::atoi(argv[3])));
    } else {
      OpenList(form);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "player_lists: %s\n", error.what());
    return 1;
  }
  return 0;
}
