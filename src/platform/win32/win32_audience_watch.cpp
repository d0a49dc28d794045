#include "platform/win32/win32_audience_watch.h"

#include <wtsapi32.h>

#include <cstring>

namespace quendal::win32 {
namespace {

// The power settings, spelled here: older headers lack the newer ones.
constexpr GUID kConsoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr GUID kEnergySaverStatus = {
    0x550e8400, 0xe29b, 0x41d4, {0xa7, 0x16, 0x44, 0x66, 0x55, 0x44, 0x00, 0x00}};
constexpr GUID kPowerSavingStatus = {
    0xe00958c0, 0xc213, 0x4ace, {0xac, 0x77, 0xfe, 0xcc, 0xed, 0x2e, 0xee, 0xa5}};

// GUID_CONSOLE_DISPLAY_STATE's values: off, on, dimmed.
constexpr DWORD kDisplayOff = 0;
// GUID_ENERGY_SAVER_STATUS's: off, standard, high savings; GUID_POWER_SAVING_STATUS's: off, on.
constexpr DWORD kSaverOff = 0;

HPOWERNOTIFY registerFor(HWND window, const GUID& setting) {
    return RegisterPowerSettingNotification(window, &setting, DEVICE_NOTIFY_WINDOW_HANDLE);
}

bool same(const GUID& a, const GUID& b) {
    return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}

}  // namespace

// Each registration is optional: a Windows without one of them never says it.
AudienceWatch::AudienceWatch(HWND window, Audience& audience)
    : window_(window),
      audience_(audience),
      sessionRegistered_(WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION) != 0),
      displayState_(registerFor(window, kConsoleDisplayState)),
      energySaver_(registerFor(window, kEnergySaverStatus)),
      batterySaver_(registerFor(window, kPowerSavingStatus)) {}

AudienceWatch::~AudienceWatch() {
    if (sessionRegistered_) {
        WTSUnRegisterSessionNotification(window_);
    }
}

std::optional<LRESULT> AudienceWatch::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WTSSESSION_CHANGE) {
        sessionChanged(wParam);
        return 0;
    }
    if (message == WM_POWERBROADCAST && wParam == PBT_POWERSETTINGCHANGE && lParam) {
        settingChanged(*reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam));
        return TRUE;
    }
    return std::nullopt;
}

void AudienceWatch::sessionChanged(WPARAM change) {
    switch (change) {
        case WTS_SESSION_LOCK:
            audience_.report(SightSource::SessionLock, false);
            break;
        case WTS_SESSION_UNLOCK:
            audience_.report(SightSource::SessionLock, true);
            break;
        case WTS_CONSOLE_DISCONNECT:
        case WTS_REMOTE_DISCONNECT:
            audience_.report(SightSource::SessionConnection, false);
            break;
        case WTS_CONSOLE_CONNECT:
        case WTS_REMOTE_CONNECT:
            audience_.report(SightSource::SessionConnection, true);
            break;
        default:
            break;
    }
}

void AudienceWatch::settingChanged(const POWERBROADCAST_SETTING& setting) {
    DWORD value = 0;
    if (setting.DataLength < sizeof value) {
        return;
    }
    std::memcpy(&value, setting.Data, sizeof value);
    if (same(setting.PowerSetting, kConsoleDisplayState)) {
        audience_.report(SightSource::DisplayPower, value != kDisplayOff);
    } else if (same(setting.PowerSetting, kEnergySaverStatus)) {
        energySaving_ = value != kSaverOff;
        reportSaving();
    } else if (same(setting.PowerSetting, kPowerSavingStatus)) {
        batterySaving_ = value != kSaverOff;
        reportSaving();
    }
}

void runForEfficiency(bool efficient) {
    // PROCESS_POWER_THROTTLING_STATE and its flags, spelled here for older headers.
    struct PowerThrottlingState {
        ULONG version;
        ULONG controlMask;
        ULONG stateMask;
    };
    constexpr int kProcessPowerThrottling = 4;
    constexpr ULONG kExecutionSpeed = 0x1;
    // Controlled and off: Windows 11 would otherwise ignore the timer resolution of a
    // minimised window.
    constexpr ULONG kIgnoreTimerResolution = 0x4;
    using SetProcessInformation = BOOL(WINAPI*)(HANDLE, int, void*, DWORD);
    if (const auto set =
            entryPoint<SetProcessInformation>(L"kernel32.dll", "SetProcessInformation")) {
        PowerThrottlingState state{1, kExecutionSpeed | kIgnoreTimerResolution,
                                   efficient ? kExecutionSpeed : 0};
        set(GetCurrentProcess(), kProcessPowerThrottling, &state, sizeof state);
    }
}

void AudienceWatch::reportSaving() {
    audience_.report(PowerSource::SystemPowerSaving, energySaving_.value_or(batterySaving_));
}

}  // namespace quendal::win32
