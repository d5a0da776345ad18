// list_floor folder FOLDER ROUNDS | list_floor list FILE
// The floor for the player's big lists: the least a bare Win32 program does for the same results, timed
// the same way as bench/win32/player_lists.cpp. Two plain list boxes, each filled in one go (redraw off,
// the storage taken at once); the first entry opened with MCI by element name and its length read.
//   folder: one search of FOLDER\Big for the four media extensions, sorted by name ignoring case, into
//           the file list; all of them as full paths into the play list, each name measured on the list's
//           font and entry 0 loaded; the shuffled paths sorted in the locale's order ignoring case (by
//           their sort keys), the list filled again and entry 0 loaded; that load alone.
//   list:   FILE read, split into lines, their names measured and listed, entry 0 loaded; the private
//           memory it took.
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "measure.h"

namespace {

HWND window, fileList, playList;
MCIDEVICEID device = 0;

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

void Require(bool condition, const std::string& what) {
  if (condition) return;
  std::fprintf(stderr, "list_floor: %s\n", what.c_str());
  std::exit(1);
}

HWND MakeList(int x) {
  HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL |
                              LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_EXTENDEDSEL, x, 60, 190, 230, window, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return list;
}

void Fill(HWND list, const std::vector<std::string>& items) {
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  std::size_t bytes = 0;
  for (const std::string& item : items) bytes += item.size() + 1;
  SendMessageA(list, LB_INITSTORAGE, items.size(), static_cast<LPARAM>(bytes));
  for (const std::string& item : items) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

std::string Name(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

std::vector<std::string> Names(const std::vector<std::string>& paths) {
  std::vector<std::string> names;
  names.reserve(paths.size());
  for (const std::string& path : paths) names.push_back(Name(path));
  return names;
}

// The widest name, as the list's horizontal scroll range.
void MeasureInto(HWND list, const std::vector<std::string>& names) {
  HDC dc = GetDC(list);
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  int widest = 0;
  for (const std::string& name : names) {
    SIZE size{};
    GetTextExtentPoint32A(dc, name.c_str(), static_cast<int>(name.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx) + 3);
  }
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  SendMessageA(list, LB_SETHORIZONTALEXTENT, widest, 0);
}

void Close() {
  if (device) mciSendCommandA(device, MCI_CLOSE, MCI_WAIT, 0);
  device = 0;
}

void Load(const std::string& path) {
  Close();
  MCI_OPEN_PARMSA open{};
  open.lpstrElementName = path.c_str();
  Require(mciSendCommandA(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&open)) == 0,
          "cannot open " + path);
  device = open.wDeviceID;
  MCI_SET_PARMS format{};
  format.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
  mciSendCommandA(device, MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&format));
  MCI_STATUS_PARMS status{};
  status.dwItem = MCI_STATUS_LENGTH;
  mciSendCommandA(device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&status));
  SendMessageA(playList, LB_SETCURSEL, 0, 0);
  const std::string caption = Name(path) + " - " + std::to_string(status.dwReturn / 1000) + " s - Floor";
  SetWindowTextA(window, caption.c_str());
}

// The locale's order ignoring case, by the system's sort key of each path, made once.
void SortByKeys(std::vector<std::string>& paths) {
  std::vector<std::pair<std::string, std::string>> keyed;
  keyed.reserve(paths.size());
  for (std::string& path : paths) {
    constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int length = static_cast<int>(path.size());
    const int size = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, path.data(), length, nullptr, 0);
    std::string key(size, '\0');
    LCMapStringA(LOCALE_USER_DEFAULT, kFlags, path.data(), length, key.data(), size);
    keyed.emplace_back(std::move(key), std::move(path));
  }
  std::sort(keyed.begin(), keyed.end());
  for (std::size_t i = 0; i < paths.size(); ++i) paths[i] = std::move(keyed[i].second);
}

bool IsMedia(const char* name) {
  const char* dot = std::strrchr(name, '.');
  if (!dot) return false;
  for (const char* extension : {".avi", ".mid", ".rmi", ".wav"})
    if (_stricmp(dot, extension) == 0) return true;
  return false;
}

void FolderRounds(const std::string& folder, int rounds) {
  const std::string big = folder + "\\Big";
  std::vector<double> open, listing, addAll, sort, reload;
  std::mt19937 shuffle(7);
  for (int round = 0; round < rounds; ++round) {
    Fill(fileList, {});
    bench::HandlePending();

    bench::Stopwatch openWatch;
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((big + "\\*").c_str(), &found);
    Require(search != INVALID_HANDLE_VALUE, "cannot list " + big);
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsMedia(found.cFileName))
        names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    listing.push_back(openWatch.Milliseconds());
    // Letter case ignored as the C library ignores it: lstrcmpiA would compare in the locale's order,
    // which costs Wine many times more.
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return _stricmp(a.c_str(), b.c_str()) < 0; });
    Fill(fileList, names);
    bench::HandlePending();
    open.push_back(openWatch.Milliseconds());

    bench::Stopwatch addWatch;
    std::vector<std::string> paths;
    paths.reserve(names.size());
    for (const std::string& name : names) paths.push_back(big + "\\" + name);
    Fill(playList, names);
    MeasureInto(playList, names);
    Load(paths.front());
    bench::HandlePending();
    addAll.push_back(addWatch.Milliseconds());

    std::shuffle(paths.begin(), paths.end(), shuffle);
    Fill(playList, Names(paths));
    bench::HandlePending();
    bench::Stopwatch sortWatch;
    SortByKeys(paths);
    Close();
    Fill(playList, Names(paths));
    Load(paths.front());
    bench::HandlePending();
    sort.push_back(sortWatch.Milliseconds());

    Close();
    bench::Stopwatch loadWatch;
    Load(paths.front());
    bench::HandlePending();
    reload.push_back(loadWatch.Milliseconds());

    Close();
    Fill(playList, {});
    bench::HandlePending();
    if (round == 0) std::printf("files: %zu\n", names.size());
  }
  bench::PrintFigure("open folder", open);
  bench::PrintFigure("of which listing", listing);
  bench::PrintFigure("add all", addAll);
  bench::PrintFigure("sort", sort);
  bench::PrintFigure("load entry 0", reload);
}

void OpenList(const std::string& file) {
  bench::HandlePending();
  Sleep(200);
  bench::HandlePending();
  const double idle = bench::PrivateBytes();
  bench::Stopwatch watch;
  HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  Require(handle != INVALID_HANDLE_VALUE, "cannot open " + file);
  std::string bytes(GetFileSize(handle, nullptr), '\0');
  DWORD read = 0;
  ReadFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(handle);
  bytes.resize(read);
  std::vector<std::string> paths;
  for (std::size_t start = 0; start < bytes.size();) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::size_t last = end;
    if (last > start && bytes[last - 1] == '\r') --last;
    paths.emplace_back(bytes, start, last - start);
    start = end + 1;
  }
  bytes = std::string();
  {
    // The names live on in the list box only.
    const std::vector<std::string> names = Names(paths);
    Fill(playList, names);
    MeasureInto(playList, names);
  }
  Load(paths.front());
  bench::HandlePending();
  const double ms = watch.Milliseconds();
  const double taken = bench::PrivateBytes() - idle;
  std::printf("entries: %zu\nopen list: %.1f ms\nmemory: %.0f KiB\n", paths.size(), ms, taken / 1024);
  Close();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (!((mode == "folder" && argc == 4) || (mode == "list" && argc == 3))) {
    std::fprintf(stderr, "usage: list_floor folder FOLDER ROUNDS | list_floor list FILE\n");
    return 2;
  }
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = FloorProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "TunoraListFloor";
  Require(RegisterClassA(&windowClass), "cannot register the window class");
  window = CreateWindowA("TunoraListFloor", "Floor", WS_OVERLAPPEDWINDOW, 40, 40, 598, 340, nullptr, nullptr,
                         windowClass.hInstance, nullptr);
  Require(window, "cannot make the window");
  playList = MakeList(2);
  fileList = MakeList(400);
  ShowWindow(window, SW_SHOWNORMAL);
  bench::HandlePending();
  if (mode == "folder") {
    FolderRounds(argv[2], std::max(1, std::atoi(argv[3])));
  } else {
    OpenList(argv[2]);
  }
  DestroyWindow(window);
  return 0;
}
