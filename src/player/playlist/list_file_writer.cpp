#include "player/playlist/list_file_writer.h"

#include "base/lines.h"
#include "ui/types.h"

namespace player {

void WriteListFile(os::FileSystem& files, const std::string& fileName, const std::vector<std::string>& paths) {
  if (files.WriteFile(fileName, base::JoinLines(paths)) != os::FileError::None) {
    throw ui::EFCreateError("Cannot create file " + fileName);
  }
}

}  // namespace player
