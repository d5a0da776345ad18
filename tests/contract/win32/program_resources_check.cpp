// The player's program file as the build links it: version information, the icon that its windows' class
// loads by name, drawn in both sizes, and its manifest. Read from MIDI_Tunora.exe loaded as a data file.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

// Beside this test program's folder, as the build lays them out.
std::string FromTestsFolder(std::string relative) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string folder = self;
  folder.erase(folder.find_last_of('\\') + 1);
  for (char& c : relative)
    if (c == '/') c = '\\';
  return folder + relative;
}

class PlayerResources : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(module, nullptr) << path << " error " << GetLastError(); }
  void TearDown() override {
    if (module) FreeLibrary(module);
  }

  std::string VersionText(const std::vector<char>& info, const char* name) {
    char* text = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
    if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&text), &length) || !text) return "";
    return std::string(text);
  }

  std::string path = FromTestsFolder(TUNORA_PLAYER_FROM_TESTS);
  HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
};

TEST_F(PlayerResources, VersionInformationNamesTheProductItsMakerAndVersion) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(1, 1));  // 1.1: version 1.01
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(1, 1));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  WORD* translation = nullptr;
  ASSERT_TRUE(
      VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, 4u);
  EXPECT_EQ(translation[0], 0x0409);
  EXPECT_EQ(translation[1], 1252);

  EXPECT_EQ(VersionText(info, "ProductName"), "MIDI Tunora");
  EXPECT_EQ(VersionText(info, "CompanyName"), "Fernwick");
  EXPECT_EQ(VersionText(info, "FileVersion"), "1.01");
  EXPECT_EQ(VersionText(info, "ProductVersion"), "1.01");
  EXPECT_EQ(VersionText(info, "OriginalFilename"), "MIDI_Tunora.exe");
  EXPECT_NE(VersionText(info, "FileDescription"), "");
}

TEST_F(PlayerResources, MainIconHoldsA32And16PixelImage) {
  HRSRC found = FindResourceA(module, "MAINICON", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(found, nullptr);
  const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  ASSERT_NE(group, nullptr);
  // The group directory: reserved, type, count, then 14-byte entries beginning with width and height.
  const WORD count = *reinterpret_cast<const WORD*>(group + 4);
  ASSERT_EQ(count, 2);
  EXPECT_EQ(group[6], 32);
  EXPECT_EQ(group[6 + 14], 16);

  for (int size : {32, 16}) {
    HICON icon = static_cast<HICON>(LoadImageA(module, "MAINICON", IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(icon, &parts));
    BITMAP colour{};
    GetObjectA(parts.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    DestroyIcon(icon);
  }
}

TEST_F(PlayerResources, MainIconShowsItsPictureOverWhatLiesBehind) {
  HICON icon = static_cast<HICON>(LoadImageA(module, "MAINICON", IMAGE_ICON, 32, 32, 0));
  ASSERT_NE(icon, nullptr);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF behind = RGB(255, 0, 255);
  HBRUSH brush = CreateSolidBrush(behind);
  RECT all{0, 0, 32, 32};
  FillRect(dc, &all, brush);
  ASSERT_TRUE(DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL));

  EXPECT_EQ(GetPixel(dc, 0, 0), behind);             // outside the disc
  EXPECT_EQ(GetPixel(dc, 16, 28), RGB(0, 0, 255));   // the blue disc
  EXPECT_EQ(GetPixel(dc, 15, 0), RGB(0, 0, 128));    // its navy rim
  EXPECT_EQ(GetPixel(dc, 18, 8), RGB(255, 255, 0));  // the yellow beam

  SelectObject(dc, old);
  DeleteObject(brush);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  DestroyIcon(icon);
}

TEST_F(PlayerResources, ManifestAsksForCommonControls6AndTheInvokersRights) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
  ASSERT_NE(found, nullptr);
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
  ASSERT_NE(bytes, nullptr);
  const std::string manifest(bytes, SizeofResource(module, found));
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

}  // namespace
