// The system's help viewer: a topic of a compiled help file shown by its number (its help context).
#pragma once

#include <cstdint>
#include <string>

namespace os {

class Help {
 public:
  virtual ~Help() = default;
  // Shows the topic that the help file maps to this number, in a viewer window owned by the caller's
  // window (0 for none). False, with nothing shown, when the file cannot be opened as a help file or
  // maps no topic to the number.
  virtual bool ShowTopic(std::uintptr_t caller, const std::string& helpFile, std::uint32_t topic) = 0;
  // Closes every viewer window the program opened.
  virtual void CloseAll() = 0;
};

}  // namespace os
