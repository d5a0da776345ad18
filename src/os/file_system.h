// The file system: whole files read and written as bytes, by full Windows path.
#pragma once

#include <string>
#include <string_view>

namespace os {

// Why a file operation failed; None when it did not.
enum class FileError {
  None,
  NotFound,          // no such file
  PathNotFound,      // a folder on the way does not exist
  AccessDenied,      // a folder in its place, read-only, or no rights
  SharingViolation,  // another open handle refuses the access
  Failed,            // anything else
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Reads the whole file, byte-exact; bytes is left empty on failure.
  virtual FileError ReadFile(const std::string& path, std::string& bytes) = 0;
  // Creates the file, replacing an existing one, and writes exactly these bytes.
  virtual FileError WriteFile(const std::string& path, std::string_view bytes) = 0;
  // Whether a file (not a folder) of that name exists.
  virtual bool FileExists(const std::string& path) = 0;
};

}  // namespace os
