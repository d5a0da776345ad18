// The mouse pointers of the library: the system's, and the drag pointers, drawn from pictures of the
// program's own (an arrow carrying a page, and one carrying a stack of pages), made on first use.
#pragma once

#include "ui/win32/windows_api.h"

#include "ui/types.h"

namespace ui::win32 {

class Cursors {
 public:
  Cursors() = default;
  ~Cursors();
  Cursors(const Cursors&) = delete;
  Cursors& operator=(const Cursors&) = delete;

  // The arrow for crDefault, and for a drag pointer that cannot be drawn.
  HCURSOR Handle(TCursor cursor);

 private:
  HCURSOR drag_ = nullptr;
  HCURSOR multiDrag_ = nullptr;
};

}  // namespace ui::win32
