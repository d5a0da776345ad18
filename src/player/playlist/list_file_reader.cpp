#include "player/playlist/list_file_reader.h"

#include "base/lines.h"
#include "ui/types.h"

namespace player {

std::vector<std::string> ReadListFile(os::FileSystem& files, const std::string& fileName) {
  std::string bytes;
  if (files.ReadFile(fileName, bytes) != os::FileError::None) throw ui::EFOpenError("Cannot open file " + fileName);
  return base::SplitLines(bytes);
}

}  // namespace player
