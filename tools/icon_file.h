// Icons drawn as character pictures and written as .ico files of 16 colours.
//
// A picture source holds one or more pictures, each a line "size N" followed by N rows of N letters.
// '.' is transparent; the colours are those of the 16-colour Windows palette:
//   k black   r maroon  g green  y olive   b navy  m purple   c teal  s silver
//   d gray    R red     G lime   Y yellow  B blue  M fuchsia  C aqua  w white
// Lines that start with '#' and empty lines are passed over.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tools {

struct Picture {
  int size = 0;
  std::vector<std::string> rows;  // top row first, one letter a pixel
};

// Throws std::invalid_argument naming the line: a size other than 16, 24, 32 or 48, a size given twice, a
// row of the wrong length, a missing row or an unknown letter.
std::vector<Picture> ReadPictures(const std::string& text);

// An .ico file with one 4-bit image per picture, in the pictures' order.
std::vector<std::uint8_t> IconFile(const std::vector<Picture>& pictures);

}  // namespace tools
