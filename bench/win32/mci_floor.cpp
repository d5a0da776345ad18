// The floor for playback: the least a Win32 program does to play a file with MCI over and over. It
// opens the file by element name, plays it with a notification to a message-only window, and on each
// successful end closes, opens and plays it again; a plain message loop and nothing else.
// Usage: mci_floor.exe FILE
#include <windows.h>
#include <mmsystem.h>

namespace {

const char* element = nullptr;
MCIDEVICEID device = 0;

bool OpenAndPlay(HWND window) {
  MCI_OPEN_PARMSA open{};
  open.lpstrElementName = element;
  if (mciSendCommandA(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&open))) return false;
  device = open.wDeviceID;
  MCI_PLAY_PARMS play{};
  play.dwCallback = reinterpret_cast<DWORD_PTR>(window);
  return mciSendCommandA(device, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play)) == 0;
}

void CloseDevice() {
  if (!device) return;
  MCI_GENERIC_PARMS close{};
  mciSendCommandA(device, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&close));
  device = 0;
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == MM_MCINOTIFY && wParam == MCI_NOTIFY_SUCCESSFUL) {
    CloseDevice();
    if (!OpenAndPlay(window)) PostQuitMessage(1);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  if (!commandLine || !*commandLine) return 2;
  element = commandLine;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = FloorProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "TunoraMciFloor";
  if (!RegisterClassA(&windowClass)) return 1;
  HWND window = CreateWindowA("TunoraMciFloor", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  if (!window || !OpenAndPlay(window)) return 1;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  CloseDevice();
  return 0;
}
