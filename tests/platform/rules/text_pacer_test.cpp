#include "platform/rules/text_pacer.h"
#include "platform/rules/speech.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/fake_form.h"

namespace quendal {
namespace {

using namespace std::chrono_literals;

// A caption set up to a thousand times a second reaches the screen once per 60 Hz frame,
// always the latest text, at most a frame late; after a quiet spell, at once.
TEST(TextPacer, HandsTheLatestTextOverOncePerFrame) {
    testing::FakeMonoClock time;
    std::optional<std::chrono::nanoseconds> wake;  // the binding's pending wake-up
    TextPacer pacer(time.source(), [&](std::chrono::nanoseconds delay) {
        ASSERT_FALSE(wake) << "one wake-up at a time";
        wake = delay;
    });
    std::vector<std::string> shown;
    PacedText caption(pacer, "Quendal", [&](std::string_view text) { shown.emplace_back(text); });
    ASSERT_EQ(shown, std::vector<std::string>{"Quendal"}) << "the first text at once";
    shown.clear();

    // A text is set (or, with an empty text, the binding's wake-up is due) at `at`.
    const struct {
        std::chrono::microseconds at;
        const char* set;  // nullptr: the wake-up fires
        const char* shownAfter;
        std::optional<std::chrono::microseconds> wakeAsked;  // the delay the pacer asked for
    } steps[] = {
        {0us, "14 28 93 518", "", 0us},  // quiet: at once, when this event is over
        {100us, "14 28 93 519", "", {}},
        {200us, nullptr, "14 28 93 519", {}},  // the latest of the two
        {1000us, "14 28 93 520", "", 15'867us},
        {2000us, "14 28 93 521", "", {}},
        {16'867us, nullptr, "14 28 93 521", {}},  // one frame after the last handover
        {17'000us, "14 28 93 521", "", {}},       // the text it has: nothing
        {18'000us, "Quendal", "", 15'534us},
        {20'000us, nullptr, "", 13'534us},  // woken early: waits for the frame
        {33'534us, nullptr, "Quendal", {}},
        {60'000us, "14 28 93 530", "", 0us},  // a quiet spell again
        {60'100us, nullptr, "14 28 93 530", {}},
        {61'000us, "Quendal", "", 15'767us},
        {62'000us, "14 28 93 530", "", {}},  // back to what the screen shows
        {76'767us, nullptr, "", {}},         // nothing to show: the frame is not used up
        {77'000us, "14 28 93 531", "", 0us},
        {77'100us, nullptr, "14 28 93 531", {}},
    };
    for (const auto& step : steps) {
        time.now = MonoTime{} + step.at;
        shown.clear();
        if (step.set) {
            caption.set(step.set);
        } else {
            ASSERT_TRUE(wake) << step.at.count() << " us: no wake-up was asked for";
            wake.reset();
            pacer.frameDue();
        }
        EXPECT_EQ(shown.empty() ? "" : shown.back(), std::string(step.shownAfter))
            << step.at.count() << " us";
        EXPECT_LE(shown.size(), 1U);
        if (step.wakeAsked) {
            ASSERT_TRUE(wake) << step.at.count() << " us";
            EXPECT_NEAR(static_cast<double>(wake->count()),
                        static_cast<double>(std::chrono::nanoseconds(*step.wakeAsked).count()),
                        1000.0)
                << step.at.count() << " us";
        }
    }
}

TEST(TextPacer, TextsSetInOneFrameGoOutTogetherAndAFlushSendsThemNow) {
    testing::FakeMonoClock time;
    int wakes = 0;
    TextPacer pacer(time.source(), [&](std::chrono::nanoseconds) { ++wakes; });
    std::string screen;
    const auto show = [&](std::string_view text) { screen += std::string(text) + "|"; };
    PacedText blue(pacer, "00", show), green(pacer, "000", show);
    screen.clear();
    blue.set("14");
    green.set("518");
    EXPECT_EQ(wakes, 1);
    EXPECT_EQ(screen, "");
    pacer.frameDue();
    EXPECT_EQ(screen, "14|518|");

    green.set("519");
    pacer.flush();
    EXPECT_EQ(screen, "14|518|519|") << "a window about to go shows its last text";

    // The frame, as the wait the pacer asks for when a text follows a handover at once.
    std::chrono::nanoseconds asked{};
    TextPacer timed(time.source(), [&](std::chrono::nanoseconds delay) { asked = delay; });
    PacedText text(timed, "", [](std::string_view) {});
    const auto frameAt = [&](double hertz) {
        timed.setFrameRate(hertz);
        time.now += 1s;
        text.set("after a quiet spell");
        timed.frameDue();
        text.set("at once after");
        const auto frame = asked;
        time.now += 1s;
        timed.frameDue();
        return frame;
    };
    for (const double hertz : {0.0, -5.0, 1e9}) {
        EXPECT_EQ(frameAt(hertz), std::chrono::nanoseconds(16'666'667)) << hertz << " Hz: 60";
    }
    EXPECT_EQ(frameAt(144.0), std::chrono::nanoseconds(6'944'444));
}

}  // namespace
}  // namespace quendal
