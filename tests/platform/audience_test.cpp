#include "platform/audience.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace quendal {
namespace {

using S = SightSource;
using P = PowerSource;

// One report, or a source going away.
struct Step {
    enum Kind { Seen, Unseen, Gone, Saving, NotSaving } kind;
    std::optional<S> sight = {};
    std::optional<P> power = {};
    Pace after;
};
Step seen(S s, Pace after) {
    return {Step::Seen, s, {}, after};
}
Step unseen(S s, Pace after) {
    return {Step::Unseen, s, {}, after};
}
Step gone(S s, Pace after) {
    return {Step::Gone, s, {}, after};
}
Step saving(P p, Pace after) {
    return {Step::Saving, {}, p, after};
}
Step notSaving(P p, Pace after) {
    return {Step::NotSaving, {}, p, after};
}

TEST(Audience, UnseenWhileAnySourceSaysSoAndSlowerWhileTheSystemSavesPower) {
    const Pace F = Pace::Full, U = Pace::Unseen, V = Pace::Saving;
    const struct {
        const char* what;
        std::vector<Step> steps;
        int changesHeard;
    } cases[] = {
        {"a lock and its unlock", {unseen(S::LoginSession, U), seen(S::LoginSession, F)}, 2},
        {"two sources, the first to speak the first to clear",
         {unseen(S::LoginSession, U), unseen(S::GnomeScreenSaver, U), seen(S::LoginSession, U),
          seen(S::GnomeScreenSaver, F)},
         2},
        {"two sources, the last to speak the first to clear",
         {unseen(S::XScreenSaver, U), unseen(S::DisplayPower, U), seen(S::DisplayPower, U),
          seen(S::XScreenSaver, F)},
         2},
        {"a source that goes away counts as seen",
         {unseen(S::FreedesktopScreenSaver, U), gone(S::FreedesktopScreenSaver, F)},
         2},
        {"one gone, another still unseen",
         {unseen(S::SessionLock, U), unseen(S::SessionConnection, U), gone(S::SessionLock, U),
          seen(S::SessionConnection, F)},
         2},
        {"seen without unseen, and unseen twice: nothing new",
         {seen(S::GnomeScreenSaver, F), unseen(S::GnomeScreenSaver, U),
          unseen(S::GnomeScreenSaver, U), seen(S::GnomeScreenSaver, F),
          seen(S::GnomeScreenSaver, F)},
         2},
        {"saving power slows the clock; unseen goes further, and back to saving",
         {saving(P::PowerProfiles, V), unseen(S::LoginSession, U), seen(S::LoginSession, V),
          notSaving(P::PowerProfiles, F)},
         4},
        {"saving while either name of the daemon says so",
         {saving(P::PowerProfiles, V), saving(P::UpowerPowerProfiles, V),
          notSaving(P::PowerProfiles, V), notSaving(P::UpowerPowerProfiles, F)},
         2},
        {"the daemon going away ends its saving",
         {saving(P::SystemPowerSaving, V), notSaving(P::SystemPowerSaving, F),
          saving(P::SystemPowerSaving, V)},
         3},
        {"a lock and unlock at once, saving meanwhile",
         {unseen(S::SessionLock, U), saving(P::SystemPowerSaving, U), seen(S::SessionLock, V)},
         2},
    };
    for (const auto& c : cases) {
        Audience audience;
        std::vector<Pace> heard;
        const Audience::Listening listening =
            audience.listen([&](Pace pace) { heard.push_back(pace); });
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            switch (step.kind) {
                case Step::Seen:
                case Step::Unseen:
                    audience.report(*step.sight, step.kind == Step::Seen);
                    break;
                case Step::Gone:
                    audience.forget(*step.sight);
                    break;
                case Step::Saving:
                case Step::NotSaving:
                    audience.report(*step.power, step.kind == Step::Saving);
                    break;
            }
            EXPECT_EQ(audience.pace(), step.after) << c.what << ", step " << i;
            if (!heard.empty()) {
                EXPECT_EQ(heard.back(), audience.pace()) << c.what << ", step " << i;
            }
        }
        EXPECT_EQ(static_cast<int>(heard.size()), c.changesHeard) << c.what;
    }
    EXPECT_EQ(Audience::minimumInterval(F).count(), 0);
    EXPECT_EQ(Audience::minimumInterval(V).count(), 100);
    EXPECT_EQ(Audience::minimumInterval(U).count(), 1000);
}

TEST(Audience, AListenerThatHasGoneHearsNothing) {
    Audience audience;
    int first = 0, second = 0;
    std::optional<Audience::Listening> firstListening = audience.listen([&](Pace) { ++first; });
    const Audience::Listening secondListening = audience.listen([&](Pace) { ++second; });
    audience.report(SightSource::LoginSession, false);
    firstListening.reset();
    audience.report(SightSource::LoginSession, true);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
}

}  // namespace
}  // namespace quendal
