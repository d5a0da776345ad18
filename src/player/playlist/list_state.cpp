// The list's own state: whether it changed since saved, and the name it gives the caption.
#include "base/text.h"
#include "player/form_player.h"

namespace player {

void TFormPlayer::MarkListChanged() {
  if (ListChanged == 0) ListChanged = 1;
}

std::string TFormPlayer::ListTitle() const {
  if (ListFileName == "*.mpl") return {};
  std::string name = base::NameAfterBackslash(ListFileName);
  if (const auto dot = name.rfind('.'); dot != std::string::npos) name.erase(dot);
  return " - " + name;
}

}  // namespace player
