// The files and the command line at start-up: the input's first line is the command line, the rest up
// to a NUL is History.ini and what follows the NUL the list file C:\Lists\Evening.mpl (without a NUL
// the list keeps its three songs). The player starts with them, steps through the list, sorts and saves
// it, opens the first recent list and exits. Nothing may crash or bring up an error the player does not
// mean to show; the play list is the list file's lines, and History.ini is written as the history.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/command_line.h"
#include "base/lines.h"
#include "fuzz_check.h"
#include "player/playlist/list_file_reader.h"
#include "started_player.h"

using fuzzing::Fail;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t lineEnd = input.find('\n');
  const std::string_view arguments = input.substr(0, lineEnd);
  const std::string_view files = lineEnd == std::string_view::npos ? std::string_view() : input.substr(lineEnd + 1);
  const std::size_t nul = files.find('\0');

  fuzzing::StartedPlayer player;
  const std::string history = std::string(fuzzing::kProgramFolder) + "\\History.ini";
  player.env.files.AddFile(history, files.substr(0, nul));
  if (nul != std::string_view::npos) player.env.files.AddFile(fuzzing::kListFile, files.substr(nul + 1));
  player.Start(base::SplitCommandLine(arguments.substr(0, arguments.find('\0'))));

  player::TFormPlayer& form = *player.form;
  if (form.ListFileName == fuzzing::kListFile &&
      form.PathList != player::ReadListFile(player.env.files, fuzzing::kListFile)) {
    Fail("the play list is not the list file's lines");
  }
  for (ui::TControl* button : {&form.SpdBtnNext, &form.SpdBtnNext, &form.SpdBtnPrev}) player.Click(*button);
  player.Choose(form.FileSortList);
  player.Choose(form.FileSaveList);
  for (ui::TMenuItem* item : form.Recent.Items()) {
    if (!item->Visible()) continue;
    player.Choose(*item);
    break;
  }
  player.env.loop.Advance(10000);
  const std::vector<std::string> names = form.ListHistory;
  player.Exit();
  player.ExpectOnlyKnownBoxes();

  bool plain = true;
  for (const std::string& name : names) plain = plain && !fuzzing::HoldsLineEnd(name);
  std::string written;
  if (plain && !names.empty() && player.env.files.ReadFile(history, written) == os::FileError::None &&
      base::SplitLines(written) != names) {
    Fail("History.ini is not written as the history");
  }
  return 0;
}
