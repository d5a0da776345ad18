#include "ui/types.h"

namespace ui {

std::string ShortCutToText(TShortCut shortCut) {
  if (!shortCut) return {};
  std::string text;
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scAlt) text += "Alt+";
  const unsigned key = shortCut & 0xFF;
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
    text += static_cast<char>(key);
  } else if (key >= 0x70 && key <= 0x87) {
    text += "F" + std::to_string(key - 0x6F);
  } else if (key == 0x2E) {
    text += "Del";
  } else if (key == 0x2D) {
    text += "Ins";
  }
  return text;
}

}  // namespace ui
