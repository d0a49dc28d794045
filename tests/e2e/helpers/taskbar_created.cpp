// Says to the clock's window what Explorer says once its taskbar button exists, which
// Wine's desktop never says: "TaskbarButtonCreated". Exit status 1 when there is no
// such window.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const UINT created = RegisterWindowMessageW(L"TaskbarButtonCreated");
    const HWND window = FindWindowW(L"QuendalWindow", nullptr);
    return window && PostMessageW(window, created, 0, 0) ? 0 : 1;
}
