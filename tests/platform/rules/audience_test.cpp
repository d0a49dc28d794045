#include "platform/rules/audience.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

namespace quendal {
namespace {

// One report a word: the source's letter, then what it now says: '-' unseen (or saving
// power), '+' seen (or not saving), '0' gone away. Sight: L logind, G GNOME's screen saver,
// F the freedesktop one, X the X server's, D the display's power, K Windows' lock, C its
// connection. Power: P and Q the daemon's two names, W Windows' saver.
void hear(Audience& audience, const std::string& word) {
    const std::string sight = "LGFXDKC";
    const std::string power = "PQW";
    const bool says = word[1] == '-';
    if (const auto at = sight.find(word[0]); at != std::string::npos) {
        const auto source = static_cast<SightSource>(at);
        word[1] == '0' ? audience.forget(source) : audience.report(source, !says);
    } else {
        const auto source = static_cast<PowerSource>(power.find(word[0]));
        word[1] == '0' ? audience.forget(source) : audience.report(source, says);
    }
}

// F full, S saving, U unseen.
char letter(Pace pace) {
    return "FSU"[static_cast<int>(pace)];
}

TEST(Audience, UnseenWhileAnySourceSaysSoAndSlowerWhileTheSystemSavesPower) {
    const struct {
        const char* what;
        const char* reports;
        const char* paces;  // after each report
        int changesHeard;
    } cases[] = {
        {"a lock and its unlock", "L- L+", "UF", 2},
        {"the first to speak the first to clear", "L- G- L+ G+", "UUUF", 2},
        {"the last to speak the first to clear", "X- D- D+ X+", "UUUF", 2},
        {"a source that goes away counts as seen", "F- F0", "UF", 2},
        {"one gone, another still unseen", "K- C- K0 C+", "UUUF", 2},
        {"seen without unseen, unseen twice: nothing new", "G+ G- G- G+ G+", "FUUFF", 2},
        {"saving slows; unseen goes further, and back", "P- L- L+ P+", "SUSF", 4},
        {"saving while either name of the daemon says so", "P- Q- P+ Q+", "SSSF", 2},
        {"the saver going away ends its saving", "W- W0 W-", "SFS", 3},
        {"a lock and unlock, saving meanwhile", "K- W- K+", "UUS", 2},
    };
    for (const auto& c : cases) {
        Audience audience;
        std::string heard;
        const auto listening = audience.listen([&](Pace pace) { heard += letter(pace); });
        std::istringstream reports(c.reports);
        std::string paces;
        for (std::string word; reports >> word;) {
            hear(audience, word);
            paces += letter(audience.pace());
        }
        EXPECT_EQ(paces, c.paces) << c.what;
        EXPECT_EQ(static_cast<int>(heard.size()), c.changesHeard) << c.what << ": " << heard;
        EXPECT_EQ(heard.back(), paces.back()) << c.what;
    }
    EXPECT_EQ(Audience::minimumInterval(Pace::Full).count(), 0);
    EXPECT_EQ(Audience::minimumInterval(Pace::Saving).count(), 100);
    EXPECT_EQ(Audience::minimumInterval(Pace::Unseen).count(), 1000);
}

TEST(Audience, AListenerThatHasGoneHearsNothing) {
    Audience audience;
    int first = 0, second = 0;
    std::optional<Audience::Listening> firstListening = audience.listen([&](Pace) { ++first; });
    const auto secondListening = audience.listen([&](Pace) { ++second; });
    audience.report(SightSource::LoginSession, false);
    firstListening.reset();
    audience.report(SightSource::LoginSession, true);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
}

}  // namespace
}  // namespace quendal
