// The recent lists as names: the history, most recent first, and the captions of the Recent Lists
// submenu, which shows the history except the list file that is attached.
#pragma once

#include <string>
#include <vector>

namespace player {

// A list file was attached: it moves (or comes) to the front of the history and leaves the captions.
// A history of exactly the limit loses its oldest name, in the captions too; a longer one, as
// History.ini may hold, stays whole.
void RecordInHistory(std::vector<std::string>& history, std::vector<std::string>& captions,
                     const std::string& name);

// The attached list was let go: the history's first name comes back first in the captions, unless it
// is there already. False when the captions stay as they were.
bool ReturnFirstToCaptions(const std::vector<std::string>& history, std::vector<std::string>& captions);

}  // namespace player
