// The fonts of the controls as GDI fonts: the system's font for controls by default, and each font a
// control names of its own made once and kept until the backend goes.
#pragma once

#include "ui/win32/windows_api.h"

#include <map>
#include <string>
#include <tuple>

#include "ui/font.h"

namespace ui::win32 {

class Fonts {
 public:
  Fonts() = default;
  ~Fonts();
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;

  // The font's handle, owned by the cache; the system's font when the one named cannot be made.
  HFONT Handle(const TFont& font);

 private:
  std::map<std::tuple<std::string, int, bool, bool>, HFONT> made_;
};

}  // namespace ui::win32
