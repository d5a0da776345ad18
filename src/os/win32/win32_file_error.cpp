#include "os/win32/win32_file_error.h"

namespace os {

FileError FileErrorOf(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND: return FileError::NotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME: return FileError::PathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return FileError::AccessDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return FileError::SharingViolation;
    case ERROR_NOT_SAME_DEVICE: return FileError::DifferentDevice;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return FileError::Exists;
    case ERROR_DIR_NOT_EMPTY: return FileError::NotEmpty;
    case ERROR_NOT_READY: return FileError::NotReady;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
    case ERROR_FILENAME_EXCED_RANGE: return FileError::InvalidName;
    default: return FileError::Failed;
  }
}

}  // namespace os
