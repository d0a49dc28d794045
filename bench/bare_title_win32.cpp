// The Windows baseline: a bare Win32 window, the strip's size, with the clock's timers (a
// high-resolution waitable timer every millisecond, waited on beside the messages) that
// computes its title from the time at every tick and hands it to the window once per
// frame of 60 Hz. Prints its count of refreshes once a second.
#include <windows.h>

#include <cstdio>

namespace {

constexpr DWORD kHighResolutionTimer = 0x00000002;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HANDLE timer() {
    HANDLE made = CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS);
    return made ? made : CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareTitle";
    RegisterClassW(&windowClass);
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, 481, 33};
    AdjustWindowRect(&frame, style, FALSE);
    HWND window =
        CreateWindowExW(0, L"BareTitle", L"bare", style, 166, 524, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWMINNOACTIVE);

    HANDLE tick = timer();
    LARGE_INTEGER due{};
    due.QuadPart = -10'000;  // 1 ms, in units of 100 ns
    SetWaitableTimer(tick, &due, 1, nullptr, nullptr, FALSE);
    LARGE_INTEGER frequency{};
    LARGE_INTEGER last{};
    LARGE_INTEGER reported{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&last);
    reported = last;
    const LONGLONG frame60 = frequency.QuadPart / 60;
    long refreshes = 0;
    MSG message{};
    for (;;) {
        if (MsgWaitForMultipleObjectsEx(1, &tick, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
            WAIT_OBJECT_0) {
            ++refreshes;
            SYSTEMTIME now{};
            GetLocalTime(&now);
            wchar_t title[32];
            swprintf(title, 32, L"%02u:%02u:%02u.%03u", now.wHour, now.wMinute, now.wSecond,
                     now.wMilliseconds);
            LARGE_INTEGER at{};
            QueryPerformanceCounter(&at);
            if (at.QuadPart - last.QuadPart >= frame60) {
                SetWindowTextW(window, title);
                last = at;
            }
            if (at.QuadPart - reported.QuadPart >= frequency.QuadPart) {
                std::printf("refreshes %ld\n", refreshes);
                std::fflush(stdout);
                reported = at;
            }
        }
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return static_cast<int>(message.wParam);
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}
