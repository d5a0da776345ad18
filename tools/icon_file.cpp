#include "tools/icon_file.h"

#include <set>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace tools {

namespace {

constexpr std::string_view kLetters = "krgybmcsdRGYBMCw";
constexpr std::uint8_t kPalette[16][3] = {  // red, green, blue
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};

[[noreturn]] void Refuse(int line, const std::string& what) {
  throw std::invalid_argument("line " + std::to_string(line) + ": " + what);
}

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// Rows of a bitmap are padded to whole 32-bit words.
std::size_t RowBytes(int pixels, int bitsPerPixel) {
  return (static_cast<std::size_t>(pixels) * bitsPerPixel + 31) / 32 * 4;
}

std::size_t ImageBytes(int size) {
  return 40 + 16 * 4 + (RowBytes(size, 4) + RowBytes(size, 1)) * static_cast<std::size_t>(size);
}

// The image as the icon resource holds it: the bitmap header (twice the height, for the colour bits and
// the mask), the palette, the colour bits and the mask (1 where transparent), both bottom row first.
void PutImage(std::vector<std::uint8_t>& out, const Picture& picture) {
  const int size = picture.size;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(size));
  Put32(out, static_cast<std::uint32_t>(2 * size));
  Put16(out, 1);  // planes
  Put16(out, 4);  // bits a pixel
  Put32(out, 0);  // no compression
  Put32(out, static_cast<std::uint32_t>(ImageBytes(size) - 40 - 64));
  for (int i = 0; i < 4; ++i) Put32(out, 0);  // resolution and colour counts: the defaults
  for (const auto& colour : kPalette) out.insert(out.end(), {colour[2], colour[1], colour[0], 0});

  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(RowBytes(size, 4), 0);
    for (int x = 0; x < size; ++x) {
      const std::size_t letter = kLetters.find(picture.rows[y][x]);
      const auto index = static_cast<std::uint8_t>(letter == std::string_view::npos ? 0 : letter);
      row[x / 2] |= x % 2 ? index : static_cast<std::uint8_t>(index << 4);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(RowBytes(size, 1), 0);
    for (int x = 0; x < size; ++x)
      if (picture.rows[y][x] == '.') row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
}

}  // namespace

std::vector<Picture> ReadPictures(const std::string& text) {
  std::vector<Picture> pictures;
  std::set<int> sizes;
  std::istringstream in(text);
  std::string line;
  int n = 0;
  int openLine = 0;
  while (std::getline(in, line)) {
    ++n;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (line.rfind("size ", 0) == 0) {
      if (!pictures.empty() && pictures.back().rows.size() < static_cast<std::size_t>(pictures.back().size))
        Refuse(n, "the picture above has too few rows");
      const std::string size = line.substr(5);
      if (size != "16" && size != "24" && size != "32" && size != "48") Refuse(n, "size must be 16, 24, 32 or 48");
      if (!sizes.insert(std::stoi(size)).second) Refuse(n, "a picture of size " + size + " is there already");
      pictures.push_back({std::stoi(size), {}});
      openLine = n;
      continue;
    }
    if (pictures.empty()) Refuse(n, "a picture begins with a line 'size N'");
    Picture& picture = pictures.back();
    if (picture.rows.size() == static_cast<std::size_t>(picture.size))
      Refuse(n, "the picture has more rows than its size");
    if (line.size() != static_cast<std::size_t>(picture.size))
      Refuse(n, "a row of " + std::to_string(line.size()) + " letters in a picture of size " +
                    std::to_string(picture.size));
    for (char c : line)
      if (c != '.' && kLetters.find(c) == std::string_view::npos)
        Refuse(n, std::string("unknown colour letter '") + c + "'");
    picture.rows.push_back(line);
  }
  if (pictures.empty()) Refuse(n, "no picture");
  if (pictures.back().rows.size() < static_cast<std::size_t>(pictures.back().size))
    Refuse(openLine, "the picture has too few rows");
  return pictures;
}

std::vector<std::uint8_t> IconFile(const std::vector<Picture>& pictures) {
  std::vector<std::uint8_t> out;
  Put16(out, 0);  // reserved
  Put16(out, 1);  // an icon, not a cursor
  Put16(out, static_cast<unsigned>(pictures.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * pictures.size());
  for (const Picture& picture : pictures) {
    out.push_back(static_cast<std::uint8_t>(picture.size));
    out.push_back(static_cast<std::uint8_t>(picture.size));
    out.push_back(16);  // colours
    out.push_back(0);
    Put16(out, 1);  // planes
    Put16(out, 4);  // bits a pixel
    Put32(out, static_cast<std::uint32_t>(ImageBytes(picture.size)));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(ImageBytes(picture.size));
  }
  for (const Picture& picture : pictures) PutImage(out, picture);
  return out;
}

}  // namespace tools
