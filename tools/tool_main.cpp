#include "tools/tool_main.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

namespace tools {

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read it");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Written beside the target and renamed over it once complete.
void WriteWhole(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string temporary = path + ".part";
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    throw std::runtime_error("cannot write " + path);
  }
}

}  // namespace

int RunTool(int argc, char** argv, const char* usage, const MakeTarget& make) {
  ToolOptions options;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument.rfind("--", 0) == 0 && i + 1 < argc) {
      options[argument.substr(2)] = argv[++i];
    } else {
      files.push_back(argument);
    }
  }
  if (files.size() != 2) {
    std::cerr << "usage: " << usage << "\n";
    return 1;
  }
  try {
    WriteWhole(files[1], make(ReadText(files[0]), options));
    return 0;
  } catch (const std::exception& error) {
    std::cerr << files[0] << ": " << error.what() << "\n";
    return 1;
  }
}

}  // namespace tools
