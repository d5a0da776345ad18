#include "player/shell/command_line.h"

#include "base/text.h"

namespace player {

StartCommand ParseStartCommand(const std::vector<std::string>& words) {
  StartCommand command;
  for (const std::string& word : words) {
    if (word.starts_with('/')) {
      if (base::SameText(word, "/play")) command.play = true;
      if (base::SameText(word, "/close")) command.close = true;
      continue;
    }
    if (!command.file.empty()) command.file += ' ';
    command.file += word;
  }
  const std::string extension = base::LowerCase(base::FileExtension(command.file));
  if (extension == ".mid" || extension == ".wav" || extension == ".avi" || extension == ".rmi") {
    command.kind = StartCommand::Kind::MediaFile;
  } else if (extension == ".mpl") {
    command.kind = StartCommand::Kind::ListFile;
  }
  return command;
}

}  // namespace player
