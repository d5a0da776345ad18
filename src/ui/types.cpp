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
  } else if (key >= vkF1 && key <= vkF24) {
    text += "F" + std::to_string(key - vkF1 + 1);
  } else if (key == vkDelete) {
    text += "Del";
  } else if (key == vkInsert) {
    text += "Ins";
  }
  return text;
}

}  // namespace ui
