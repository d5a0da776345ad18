#include "ui/win32/win32_fonts.h"

#include <cstring>

#include "ui/win32/win32_gdi.h"

namespace ui::win32 {

Fonts::~Fonts() {
  for (const auto& [key, font] : made_) DeleteObject(font);
}

HFONT Fonts::Handle(const TFont& font) {
  if (font == TFont{}) return GuiFont();
  const auto key = std::make_tuple(font.Name, font.Height, font.Bold, font.Italic);
  if (const auto it = made_.find(key); it != made_.end()) return it->second;
  // What the font leaves open stays as the controls' font has it.
  LOGFONTA description{};
  GetObjectA(GuiFont(), sizeof description, &description);
  if (!font.Name.empty()) {
    std::memset(description.lfFaceName, 0, sizeof description.lfFaceName);
    font.Name.copy(description.lfFaceName, sizeof description.lfFaceName - 1);
  }
  if (font.Height) {
    description.lfHeight = font.Height;
    description.lfWidth = 0;
  }
  description.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
  description.lfItalic = font.Italic ? TRUE : FALSE;
  HFONT made = CreateFontIndirectA(&description);
  if (!made) return GuiFont();
  made_.emplace(key, made);
  return made;
}

}  // namespace ui::win32
