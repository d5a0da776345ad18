// The read-me and the description file as the build made them: plain text that any ANSI code page shows
// alike, with CR LF line ends, and the description within its classic size.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/standard_midi_file.h"

namespace {

std::vector<std::string> CrLfLines(const std::string& name) {
  const std::vector<std::uint8_t> bytes = testing_support::ReadFileBytes(std::string(TUNORA_DIST_DATA) + "/" + name);
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = static_cast<char>(bytes[i]);
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      lines.push_back(line);
      line.clear();
      ++i;
      continue;
    }
    EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << name << " line " << lines.size() + 1 << ": byte " << int(bytes[i]);
    line += c;
  }
  EXPECT_EQ(line, "") << name << " does not end with CR LF";
  return lines;
}

TEST(InstalledTextFiles, AreAsciiWithCrLfLineEnds) {
  for (const char* name : {"ReadMe.txt", "File_id.diz"}) EXPECT_FALSE(CrLfLines(name).empty()) << name;
}

TEST(InstalledTextFiles, DescriptionHasAtMostTenLinesOf45Characters) {
  const std::vector<std::string> lines = CrLfLines("File_id.diz");
  EXPECT_LE(lines.size(), 10u);
  for (const std::string& line : lines) EXPECT_LE(line.size(), 45u) << line;
}

TEST(InstalledTextFiles, ReadMeNamesEveryInstalledFile) {
  std::string text;
  for (const std::string& line : CrLfLines("ReadMe.txt")) text += line + "\n";
  for (const char* file :
       {"MIDI_Tunora.exe", "Mtunora.hlp", "File_id.diz", "Quiet_Tidewater.mid", "The Lamplighter and The Clock.mid",
        "Reset\\Gm_reset.mid", "Reset\\Gs_reset.mid", "Reset\\Xg_reset.mid"})
    EXPECT_NE(text.find(file), std::string::npos) << file;
}

}  // namespace
