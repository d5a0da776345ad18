// Reading a play list file: its lines, each one path of the list.
#pragma once

#include <string>
#include <vector>

#include "os/file_system.h"

namespace player {

// The file's lines by the line rules of the system's text files. Throws ui::EFOpenError
// "Cannot open file <fileName>" when the file cannot be read.
std::vector<std::string> ReadListFile(os::FileSystem& files, const std::string& fileName);

}  // namespace player
