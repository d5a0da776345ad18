#include "tools/icon_file.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/standard_midi_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

unsigned Word16(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
std::uint32_t Word32(const Bytes& b, std::size_t at) { return Word16(b, at) | Word16(b, at + 2) << 16; }

// Rows of a picture of the given width, all of one letter.
std::string Rows(int rows, char fill, int width = 16) {
  std::string text;
  for (int i = 0; i < rows; ++i) text += std::string(width, fill) + "\n";
  return text;
}

// The palette index and the mask bit of a pixel of the image at offset, counted from the top left.
struct Pixel {
  int index;
  bool transparent;
};

Pixel PixelAt(const Bytes& icon, std::uint32_t offset, int size, int x, int y) {
  const std::size_t colourRow = (size * 4 + 31) / 32 * 4, maskRow = (size + 31) / 32 * 4;
  const std::size_t colours = offset + 40 + 64, mask = colours + colourRow * size;
  const int fromBottom = size - 1 - y;
  const std::uint8_t pair = icon.at(colours + colourRow * fromBottom + x / 2);
  const std::uint8_t bits = icon.at(mask + maskRow * fromBottom + x / 8);
  return {x % 2 ? pair & 0x0F : pair >> 4, (bits & (0x80 >> (x % 8))) != 0};
}

TEST(IconFile, HoldsEachPictureAsA16ColourImageWithItsMask) {
  std::string picture16 = Rows(16, '.');
  picture16[0] = 'R';             // top left
  picture16[15 * 17 + 15] = 'w';  // bottom right
  const std::string text = "# two sizes\nsize 32\n" + Rows(32, 'k', 32) + "\nsize 16\n" + picture16;
  const Bytes icon = tools::IconFile(tools::ReadPictures(text));

  EXPECT_EQ(Word16(icon, 0), 0u);
  EXPECT_EQ(Word16(icon, 2), 1u);  // icon
  ASSERT_EQ(Word16(icon, 4), 2u);  // images
  const std::uint32_t sizes[] = {32, 16};
  std::uint32_t expectedOffset = 6 + 2 * 16;
  for (int i = 0; i < 2; ++i) {
    const std::size_t entry = 6 + 16 * i;
    EXPECT_EQ(icon[entry], sizes[i]);
    EXPECT_EQ(icon[entry + 1], sizes[i]);
    EXPECT_EQ(icon[entry + 2], 16);          // colours
    EXPECT_EQ(Word16(icon, entry + 6), 4u);  // bits a pixel
    const std::uint32_t bytes = Word32(icon, entry + 8), offset = Word32(icon, entry + 12);
    EXPECT_EQ(offset, expectedOffset);
    EXPECT_EQ(Word32(icon, offset), 40u);               // bitmap header
    EXPECT_EQ(Word32(icon, offset + 8), 2 * sizes[i]);  // colour bits and mask
    // Header, palette, four bits a pixel and a mask row of one 32-bit word.
    EXPECT_EQ(bytes, 40 + 64 + sizes[i] / 2 * sizes[i] + 4 * sizes[i]);
    expectedOffset += bytes;
  }
  EXPECT_EQ(icon.size(), expectedOffset);

  const std::uint32_t image16 = Word32(icon, 6 + 16 + 12);
  EXPECT_EQ(PixelAt(icon, image16, 16, 0, 0).index, 9);  // red
  EXPECT_FALSE(PixelAt(icon, image16, 16, 0, 0).transparent);
  EXPECT_EQ(PixelAt(icon, image16, 16, 15, 15).index, 15);  // white
  EXPECT_TRUE(PixelAt(icon, image16, 16, 1, 0).transparent);
  EXPECT_EQ(PixelAt(icon, image16, 16, 1, 0).index, 0);
  // Red as the palette holds it: blue, green, red, reserved.
  EXPECT_EQ(Bytes(icon.begin() + image16 + 40 + 9 * 4, icon.begin() + image16 + 40 + 10 * 4), (Bytes{0, 0, 255, 0}));
  const std::uint32_t image32 = Word32(icon, 6 + 12);
  EXPECT_FALSE(PixelAt(icon, image32, 32, 31, 31).transparent);
}

struct PictureMistake {
  const char* name;
  std::string text;
  std::string says;
  friend void PrintTo(const PictureMistake& c, std::ostream* out) { *out << c.name; }
};

class IconPictureMistake : public testing::TestWithParam<PictureMistake> {};

TEST_P(IconPictureMistake, IsRefusedWithItsLine) {
  try {
    tools::ReadPictures(GetParam().text);
    FAIL() << "no error";
  } catch (const std::invalid_argument& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().says), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, IconPictureMistake,
    testing::Values(
        PictureMistake{"OddSize", "size 20\n", "line 1: size must be 16, 24, 32 or 48"},
        PictureMistake{"SizeTwice", "size 16\n" + Rows(16, 'k') + "size 16\n", "line 18: a picture of size 16"},
        PictureMistake{"ShortRow", "size 16\n" + Rows(15, 'k') + "kkk\n", "line 17: a row of 3 letters"},
        PictureMistake{"TooFewRows", "size 16\n" + Rows(15, 'k'), "line 1: the picture has too few rows"},
        PictureMistake{"TooFewBeforeNext", "size 16\nkkkkkkkkkkkkkkkk\nsize 32\n", "line 3: the picture above"},
        PictureMistake{"TooManyRows", "size 16\n" + Rows(17, 'k'), "line 18: the picture has more rows"},
        PictureMistake{"UnknownLetter", "size 16\n" + Rows(15, 'k') + "kkkkkkkkkkkkkkkx\n",
                       "line 17: unknown colour letter 'x'"},
        PictureMistake{"RowsBeforeSize", "kkk\n", "line 1: a picture begins"},
        PictureMistake{"Nothing", "# only a comment\n", "no picture"}),
    [](const testing::TestParamInfo<PictureMistake>& info) { return std::string(info.param.name); });

TEST(ProgramIcons, HoldA32And16PixelImage) {
  for (const char* name : {"player.ico", "setup.ico"}) {
    const Bytes icon = testing_support::ReadFileBytes(std::string(TUNORA_ICONS) + "/" + name);
    ASSERT_GE(icon.size(), 6u + 32u) << name;
    ASSERT_EQ(Word16(icon, 4), 2u) << name;
    EXPECT_EQ(icon[6], 32) << name;
    EXPECT_EQ(icon[6 + 16], 16) << name;
  }
}

}  // namespace
