#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <utility>

#include "platform/rules/notice.h"

namespace quendal {

// The desktop's services that can say whether anyone sees the screen. Each is optional:
// a binding reports what those of its system say.
enum class SightSource : std::uint8_t {
    LoginSession,            // the session locked, or another user's in front
    FreedesktopScreenSaver,  // a desktop's screen saver or lock screen
    GnomeScreenSaver,
    XScreenSaver,       // the X server's own blanking
    DisplayPower,       // the display switched off
    SessionLock,        // a Windows session locked
    SessionConnection,  // a Windows session with no console or remote desktop
};

// The services that can say the system saves power.
enum class PowerSource : std::uint8_t {
    PowerProfiles,        // the power-profiles daemon, by its first bus name
    UpowerPowerProfiles,  // the same daemon, by its later one
    SystemPowerSaving,    // Windows' energy saver, or its battery saver where it has none
};

// How the clock runs for whoever can see it.
enum class Pace : std::uint8_t {
    Full,    // seen: every refresh as designed, every text shown
    Saving,  // seen, with the system saving power: ten refreshes a second at most
    Unseen,  // nobody can see the screen: a refresh a second for the alarm, nothing shown
};

// Decides, from what each source says, whether anyone can see the screen and so how the
// clock runs. Any source that says locked, blanked, off or elsewhere makes it unseen; it
// is seen again when every source that spoke says so. A source that never spoke or has
// gone away counts as seen: the clock never stops showing for something it could not
// ask. Saying the same twice, or "seen" without having said "unseen", changes nothing.
class Audience {
  public:
    // A listener's place: it hears nothing more once this is gone.
    using Listening = Notice<Pace>::Subscription;

    Audience() = default;
    Audience(const Audience&) = delete;
    Audience& operator=(const Audience&) = delete;

    // `seen`: what the source now says. A report that changes the pace tells the
    // listeners before it returns.
    void report(SightSource source, bool seen);
    void report(PowerSource source, bool saving);
    // The source has gone away: what it said no longer holds.
    void forget(SightSource source) { report(source, true); }
    void forget(PowerSource source) { report(source, false); }

    Pace pace() const;
    // The refresh's shortest interval at a pace: none at full pace.
    static std::chrono::milliseconds minimumInterval(Pace pace);

    // The listener hears every change from now on, in the order they were added, for as
    // long as the result is kept.
    [[nodiscard]] Listening listen(Notice<Pace>::Listener listener) {
        return changes_.listen(std::move(listener));
    }

  private:
    void changed(Pace before);

    std::uint32_t unseenBy_ = 0;
    std::uint32_t savingBy_ = 0;
    Notice<Pace> changes_;
};

}  // namespace quendal
