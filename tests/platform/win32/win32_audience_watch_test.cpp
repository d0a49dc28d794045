// What Windows tells the program's window of the session, the display and the power
// saver, sent to a real window as Windows sends it, and the pace the clock takes from it.
// A plain table that prints a line per row and fails with status 1: GoogleTest needs a
// thread library that Debian's Windows cross-compiler does not have.
#include <windows.h>
#include <wtsapi32.h>

#include <cstdio>
#include <cstring>
#include <optional>

#include "platform/win32/win32_audience_watch.h"

namespace {

using quendal::Audience;
using quendal::win32::AudienceWatch;

constexpr GUID kDisplay = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr GUID kEnergySaver = {
    0x550e8400, 0xe29b, 0x41d4, {0xa7, 0x16, 0x44, 0x66, 0x55, 0x44, 0x00, 0x00}};
constexpr GUID kBatterySaver = {
    0xe00958c0, 0xc213, 0x4ace, {0xac, 0x77, 0xfe, 0xcc, 0xed, 0x2e, 0xee, 0xa5}};
constexpr GUID kOther = {
    0x5d3e9a59, 0xe9d5, 0x4b00, {0xa6, 0xbd, 0xff, 0x34, 0xff, 0x51, 0x65, 0x48}};

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto* watch = reinterpret_cast<AudienceWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
        if (const auto answer = watch->handle(message, wParam, lParam)) {
            return *answer;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A power setting's broadcast, as Windows lays it out: its data follows the header.
struct Setting {
    POWERBROADCAST_SETTING header;
    BYTE more[8];
};

}  // namespace

int main() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuendalAudienceTest";
    RegisterClassW(&windowClass);
    const HWND window =
        CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10,
                        nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) {
        std::printf("FAIL: no window (%lu)\n", GetLastError());
        return 1;
    }
    Audience audience;
    std::optional<AudienceWatch> watch(std::in_place, window, audience);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&*watch));

    // A session change (WTS_...), or a power setting (display D, energy saver E, battery
    // saver B, another O) with its value and the value's length; then the pace: F full,
    // S saving, U unseen.
    const struct {
        const char* what;
        WPARAM change;
        char setting;
        DWORD value;
        DWORD length;
        char pace;
    } rows[] = {
        {"the session locked", WTS_SESSION_LOCK, 0, 0, 0, 'U'},
        {"and unlocked", WTS_SESSION_UNLOCK, 0, 0, 0, 'F'},
        {"the console gone", WTS_CONSOLE_DISCONNECT, 0, 0, 0, 'U'},
        {"a remote desktop in its place", WTS_REMOTE_CONNECT, 0, 0, 0, 'F'},
        {"a log-on, which says nothing of the screen", WTS_SESSION_LOGON, 0, 0, 0, 'F'},
        {"the display off", 0, 'D', 0, 4, 'U'},
        {"locked as well", WTS_SESSION_LOCK, 0, 0, 0, 'U'},
        {"the display dimmed: seen, but still locked", 0, 'D', 2, 4, 'U'},
        {"unlocked", WTS_SESSION_UNLOCK, 0, 0, 0, 'F'},
        {"a value cut short changes nothing", 0, 'D', 0, 2, 'F'},
        {"another setting changes nothing", 0, 'O', 1, 4, 'F'},
        {"the battery saver on", 0, 'B', 1, 4, 'S'},
        {"the energy saver says off: it speaks for this Windows", 0, 'E', 0, 4, 'F'},
        {"the battery saver's word is then not taken", 0, 'B', 1, 4, 'F'},
        {"the energy saver at high savings", 0, 'E', 2, 4, 'S'},
        {"the display off while saving", 0, 'D', 0, 4, 'U'},
        {"the display on, still saving", 0, 'D', 1, 4, 'S'},
        {"the energy saver off", 0, 'E', 0, 4, 'F'},
    };
    int failures = 0;
    for (const auto& row : rows) {
        LRESULT answer = 0;
        if (row.setting) {
            Setting setting{};
            setting.header.PowerSetting = row.setting == 'D'   ? kDisplay
                                          : row.setting == 'E' ? kEnergySaver
                                          : row.setting == 'B' ? kBatterySaver
                                                               : kOther;
            setting.header.DataLength = row.length;
            std::memcpy(setting.header.Data, &row.value, sizeof row.value);
            answer = SendMessageW(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                                  reinterpret_cast<LPARAM>(&setting));
        } else {
            answer = SendMessageW(window, WM_WTSSESSION_CHANGE, row.change, 0);
        }
        const char pace = "FSU"[static_cast<int>(audience.pace())];
        const bool ok = pace == row.pace && answer == (row.setting ? TRUE : 0);
        failures += ok ? 0 : 1;
        std::printf("%s: %s (%c, answered %ld)\n", ok ? "ok" : "FAIL", row.what, pace,
                    static_cast<long>(answer));
    }
    // Unregistered before the window goes.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    watch.reset();
    DestroyWindow(window);
    std::printf("%d failures\n", failures);
    return failures == 0 ? 0 : 1;
}
