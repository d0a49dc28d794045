#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/clock/system_clock.h"
#include "platform/clock/testing/shifted_clock.h"
#include "platform/interface/form_host.h"
#include "platform/rules/throttled_beeper.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_form_host.h"
#include "platform/win32/win32_words.h"

namespace quendal {
namespace {

// How often a bell may be asked of Windows; one asked for while the default sound still
// plays is dropped by Windows itself.
constexpr std::chrono::milliseconds kBellSpacing{100};

// Whether the default alert sound can play: a sound device, and a sound for it in the
// user's scheme ("No sounds" has none). Asynchronous playing cannot say that it failed.
bool defaultSoundPlays() {
    if (waveOutGetNumDevs() == 0) {
        return false;
    }
    wchar_t file[MAX_PATH] = {};
    DWORD size = sizeof file;
    return RegGetValueW(HKEY_CURRENT_USER,
                        L"AppEvents\\Schemes\\Apps\\.Default\\.Default\\.Current", nullptr,
                        RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, file,
                        &size) == ERROR_SUCCESS &&
           file[0] != L'\0';
}

// The default alert sound; where it cannot play, the simple beep, which Windows sounds
// on the speaker where there is no sound device; where even that fails, the speaker's
// tone.
void ringBell() {
    if (defaultSoundPlays() &&
        PlaySoundW(reinterpret_cast<LPCWSTR>(SND_ALIAS_SYSTEMDEFAULT), nullptr,
                   SND_ALIAS_ID | SND_ASYNC | SND_NOSTOP | SND_NODEFAULT)) {
        return;
    }
    if (!MessageBeep(0xFFFFFFFF)) {
        Beep(880, static_cast<DWORD>(kBellSpacing.count()));
    }
}

// Said in front of everything, minimised clock or not, until the user dismisses it; and
// on standard error, as the Linux program says it, where one was given to the program (a
// script that started it, Wine's terminal), and nowhere otherwise.
void tellUser(const Words& words, std::string_view why) {
    std::fprintf(stderr, "quendal: %.*s\n", static_cast<int>(why.size()), why.data());
    std::fflush(stderr);
    const std::wstring name = win32::wide(kProgramName);
    const std::wstring text = win32::wide(
        fillIn(words.text(translatable("Messages", "%1 cannot go on: %2")), {kProgramName, why}));
    MessageBoxW(nullptr, text.c_str(), name.c_str(),
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
}

class TestClockRefused final : public std::exception {};

#ifdef QUENDAL_TEST_CLOCK
// Test builds only, since no time faker reaches a Windows program's clock:
// QUENDAL_TEST_TIME puts the clock where a time faker would ("2026-12-08 14:59:58" stands
// still, "@2026-12-08 14:59:58" runs on, "@... x10" ten times as fast), and
// QUENDAL_TEST_FAILURE=SECONDS makes it fail that long after the start, as a clock that
// cannot be read does.
class TestClock final : public WallClock {
  public:
    TestClock(const WallClock& system, const ClockSetting& setting, double failAfter)
        : clock_(system, setting),
          failAt_(failAfter > 0 ? steadyNow() + std::chrono::duration_cast<MonoTime::duration>(
                                                    std::chrono::duration<double>(failAfter))
                                : MonoTime::max()) {}
    LocalTime now() const override {
        if (steadyNow() >= failAt_) {
            throw std::runtime_error("the test clock was told to fail");
        }
        return clock_.now();
    }

  private:
    ShiftedClock clock_;
    MonoTime failAt_;
};

// Nothing when the variables are not set; a refusal, told, when they are but unreadable.
std::unique_ptr<WallClock> testClock(const Words& words, const WallClock& system) {
    const char* time = std::getenv("QUENDAL_TEST_TIME");
    const char* failure = std::getenv("QUENDAL_TEST_FAILURE");
    if (!time) {
        return nullptr;
    }
    const auto setting = readClockSetting(time);
    char* end = nullptr;
    const double failAfter = failure ? std::strtod(failure, &end) : 0;
    if (!setting || (failure && (end == failure || *end != '\0' || !(failAfter > 0)))) {
        std::string why =
            "this test build cannot read QUENDAL_TEST_TIME=\"" + std::string(time) + "\"";
        if (failure) {
            why += " or QUENDAL_TEST_FAILURE=\"" + std::string(failure) + "\"";
        }
        tellUser(words, why +
                            ". Write the time as 2026-12-08 14:59:58, @ before it to run on, and "
                            "the failure in seconds.");
        throw TestClockRefused();
    }
    return std::make_unique<TestClock>(system, *setting, failAfter);
}
#else
// The program as shipped keeps the system's time.
std::unique_ptr<WallClock> testClock(const Words&, const WallClock&) {
    return nullptr;
}
#endif

class Win32Runtime final : public Runtime {
  public:
    Win32Runtime()
        : words_(GetModuleHandleW(nullptr)),
          testClock_(testClock(words_, systemClock_)),
          beeper_(ringBell, kBellSpacing, steadyNow) {}

    std::unique_ptr<FormHost> createForm(const FormDesign& design) override {
        return std::make_unique<win32::Win32FormHost>(design, words_, GetModuleHandleW(nullptr));
    }
    const WallClock& clock() const override {
        return testClock_ ? *testClock_ : static_cast<const WallClock&>(systemClock_);
    }
    Beeper& beeper() override { return beeper_; }
    // There is no console: the user reads why in a message box.
    void fail(std::string_view why) override { tellUser(words_, why); }

  private:
    win32::Win32Words words_;
    SystemClock systemClock_;
    std::unique_ptr<WallClock> testClock_;
    ThrottledBeeper beeper_;
};

}  // namespace

std::unique_ptr<Runtime> createRuntime(int&, char**) {
    try {
        return std::make_unique<Win32Runtime>();
    } catch (const TestClockRefused&) {
        return nullptr;
    }
}

}  // namespace quendal
