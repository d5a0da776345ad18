// Play list entries as a real collection names them: a music folder, an artist, an album, a track
// number and a title of a few words, each of the four media kinds. Always the same for the same count.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace bench {

inline std::vector<std::string> RealisticPaths(int count) {
  static const char* const roots[] = {"C:\\My Music", "D:\\Media\\Music", "E:\\Collection",
                                      "C:\\Documents and Settings\\Owner\\My Documents\\My Music"};
  static const char* const words[] = {"Evening", "Blue",   "River",  "Song",  "Night",      "Dance", "Light",
                                      "Winter",  "Road",   "Garden", "Silver", "Rain",      "Morning", "Heart",
                                      "Little",  "Star",   "Autumn", "Waltz", "Fields",     "Ocean", "Prelude",
                                      "Fugue",   "Sonata", "Theme",  "Home",  "Variations", "March", "Lullaby"};
  static const char* const kinds[] = {".mid", ".mid", ".rmi", ".wav", ".avi"};
  std::mt19937 random(20240611);
  auto word = [&] { return std::string(words[random() % std::size(words)]); };
  auto phrase = [&](int least, int most) {
    std::string text = word();
    for (int n = least + static_cast<int>(random() % (most - least + 1)); n > 1; --n) text += " " + word();
    return text;
  };
  std::vector<std::string> paths;
  paths.reserve(count);
  std::string artist, album;
  for (int i = 0; i < count; ++i) {
    const int track = i % 12 + 1;
    if (track == 1) {
      if (i % 48 == 0) artist = phrase(1, 3) + (random() % 2 ? " Quartet" : " Band");
      album = phrase(1, 4);
    }
    paths.push_back(std::string(roots[i / 48 % std::size(roots)]) + "\\" + artist + "\\" + album + "\\" +
                    (track < 10 ? "0" : "") + std::to_string(track) + " - " + phrase(2, 5) +
                    kinds[random() % std::size(kinds)]);
  }
  return paths;
}

}  // namespace bench
