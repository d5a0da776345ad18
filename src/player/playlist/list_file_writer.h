// Writing a play list file: one path a line.
#pragma once

#include <string>
#include <vector>

#include "os/file_system.h"

namespace player {

// Every path followed by CR LF, an empty list as an empty file. The file is replaced only once the
// new content is whole. Throws ui::EFCreateError "Cannot create file <fileName>" when it cannot be written.
void WriteListFile(os::FileSystem& files, const std::string& fileName, const std::vector<std::string>& paths);

}  // namespace player
