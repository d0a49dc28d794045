// Tells the running Windows program's window that its session was locked or unlocked, as
// Windows does (WM_WTSSESSION_CHANGE), where Windows itself never would: under Wine.
// Usage: session_change.exe lock|unlock
#include <windows.h>
#include <wtsapi32.h>

#include <cstring>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const bool lock = std::strcmp(argv[1], "lock") == 0;
    if (!lock && std::strcmp(argv[1], "unlock") != 0) {
        return 2;
    }
    const HWND window = FindWindowW(L"QuendalWindow", nullptr);
    if (!window) {
        return 1;
    }
    return PostMessageW(window, WM_WTSSESSION_CHANGE, lock ? WTS_SESSION_LOCK : WTS_SESSION_UNLOCK,
                        0)
               ? 0
               : 1;
}
