#pragma once

#include <windows.h>

#include <optional>

#include "platform/rules/audience.h"
#include "platform/win32/handles.h"

namespace quendal::win32 {

// What Windows tells a window of whether anyone sees the screen and whether it saves
// power: the session locked, or with neither a console nor a remote desktop; the console's
// display switched off (dimmed is still seen); the energy saver on, or the battery saver
// where Windows has no energy saver. Registered for as long as it lives, which must end
// before the window's.
class AudienceWatch {
  public:
    AudienceWatch(HWND window, Audience& audience);
    ~AudienceWatch();
    AudienceWatch(const AudienceWatch&) = delete;
    AudienceWatch& operator=(const AudienceWatch&) = delete;

    // The window's WM_WTSSESSION_CHANGE and WM_POWERBROADCAST, with what to answer;
    // nothing for other messages and other power broadcasts.
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void sessionChanged(WPARAM change);
    void settingChanged(const POWERBROADCAST_SETTING& setting);
    void reportSaving();

    HWND window_;
    Audience& audience_;
    bool sessionRegistered_ = false;
    OwnedPowerNotification displayState_;
    OwnedPowerNotification energySaver_;
    OwnedPowerNotification batterySaver_;
    // Windows that have an energy saver say so when it is registered for; from then on
    // the battery saver's word, which they no longer keep up, is not taken.
    std::optional<bool> energySaving_;
    bool batterySaving_ = false;
};

// While minimised the program asks Windows to run it for efficiency (EcoQoS), where
// Windows offers that (10 1709 and later); its timers keep the resolution it asks for.
void runForEfficiency(bool efficient);

}  // namespace quendal::win32
