// The command line: any text as the arguments after the program's name, split into words and read as
// the start's request. A word is never empty and holds no quote; quoted again, the words split the same;
// the switches and the kind agree with the words.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/command_line.h"
#include "base/text.h"
#include "fuzz_check.h"
#include "player/shell/command_line.h"

using fuzzing::Fail;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view arguments(reinterpret_cast<const char*>(data), size);
  // The program is handed a C string: it ends at the first NUL.
  arguments = arguments.substr(0, arguments.find('\0'));
  const std::vector<std::string> words = base::SplitCommandLine(arguments);

  std::string quoted;
  bool play = false, close = false;
  for (const std::string& word : words) {
    if (word.empty()) Fail("an empty word");
    if (word.find('"') != std::string::npos) Fail("a word holds a quote: " + word);
    quoted += " \"" + word + "\"";
    play = play || base::SameText(word, "/play");
    close = close || base::SameText(word, "/close");
  }
  if (base::SplitCommandLine(quoted) != words) Fail("the words quoted again split otherwise: " + quoted);

  const player::StartCommand command = player::ParseStartCommand(words);
  if (command.play != play || command.close != close) Fail("the switches do not follow the words");
  const std::string extension = base::LowerCase(base::FileExtension(command.file));
  const bool media = extension == ".mid" || extension == ".rmi" || extension == ".wav" || extension == ".avi";
  using Kind = player::StartCommand::Kind;
  const Kind kind = media ? Kind::MediaFile : extension == ".mpl" ? Kind::ListFile : Kind::None;
  if (command.kind != kind) Fail("the kind does not follow the extension of " + command.file);
  return 0;
}
