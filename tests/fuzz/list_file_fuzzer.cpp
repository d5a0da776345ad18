// The play list file reader: any bytes as a .mpl file. Its lines hold no line end, and written back as
// the player writes a list they read again the same.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/lines.h"
#include "fuzz_check.h"
#include "os/fake/fake_file_system.h"
#include "player/playlist/list_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  os::FakeFileSystem files;
  files.AddFile("C:\\Lists\\Evening.mpl", bytes);
  const std::vector<std::string> lines = player::ReadListFile(files, "C:\\Lists\\Evening.mpl");

  std::size_t kept = 0;
  for (const std::string& line : lines) {
    if (fuzzing::HoldsLineEnd(line)) fuzzing::Fail("a line holds a line end: \"" + line + "\"");
    kept += line.size();
  }
  // No byte before the first NUL is lost or made up, line ends aside.
  const std::string_view content = bytes.substr(0, bytes.find('\0'));
  std::size_t text = 0;
  for (char c : content) text += c != '\r' && c != '\n';
  if (kept != text) fuzzing::Fail("the lines hold " + std::to_string(kept) + " bytes of " + std::to_string(text));

  files.WriteFile("C:\\Lists\\Saved.mpl", base::JoinLines(lines));
  if (player::ReadListFile(files, "C:\\Lists\\Saved.mpl") != lines) fuzzing::Fail("a saved list reads back otherwise");
  return 0;
}
