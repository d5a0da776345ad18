// make_icon PICTURES ICON_FILE: writes the .ico file of a picture source.
#include "tools/icon_file.h"
#include "tools/tool_main.h"

int main(int argc, char** argv) {
  return tools::RunTool(
      argc, argv, "make_icon PICTURES ICON_FILE",
      [](const std::string& text, const tools::ToolOptions&) { return tools::IconFile(tools::ReadPictures(text)); });
}
