#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/bell_throttle.h"
#include "platform/clock/shifted_clock.h"
#include "platform/clock/system_clock.h"
#include "platform/form_host.h"
#include "platform/win32/win32_form_host.h"

namespace quendal {
namespace {

// How often a bell may be asked of Windows; one asked for while the default sound still
// plays is dropped by Windows itself.
constexpr std::chrono::milliseconds kBellSpacing{100};

void ringDefaultSound() {
    PlaySoundW(reinterpret_cast<LPCWSTR>(SND_ALIAS_SYSTEMDEFAULT), nullptr,
               SND_ALIAS_ID | SND_ASYNC | SND_NOSTOP | SND_NODEFAULT);
}

#ifdef QUENDAL_TEST_CLOCK
// Test builds only: QUENDAL_TEST_TIME="2026-12-08 14:59:58" starts the clock there, for
// the end-to-end tests, since no time faker reaches a Windows program's clock.
std::unique_ptr<WallClock> testClock(const WallClock& system) {
    const char* setting = std::getenv("QUENDAL_TEST_TIME");
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    double second = 0;
    if (!setting || std::sscanf(setting, "%d-%d-%d %d:%d:%lf", &year, &month, &day, &hour, &minute,
                                &second) != 6) {
        return nullptr;
    }
    return std::make_unique<ShiftedClock>(system, LocalDate{year, month, day, 1},
                                          hour * 3600.0 + minute * 60.0 + second);
}
#endif

class Win32Runtime final : public Runtime {
  public:
    Win32Runtime() : beeper_(ringDefaultSound, kBellSpacing, steadyNow) {
#ifdef QUENDAL_TEST_CLOCK
        testClock_ = testClock(systemClock_);
#endif
    }

    std::unique_ptr<FormHost> createForm(const FormDesign& design) override {
        return std::make_unique<win32::Win32FormHost>(design, GetModuleHandleW(nullptr));
    }
    const WallClock& clock() const override {
        return testClock_ ? *testClock_ : static_cast<const WallClock&>(systemClock_);
    }
    Beeper& beeper() override {
        return beeper_;
    }

    // There is no console: the user reads why in a message box.
    void fail(std::string_view why) override {
        const std::wstring text = L"Quendal cannot go on: " + win32::wide(why);
        MessageBoxW(nullptr, text.c_str(), L"Quendal", MB_OK | MB_ICONERROR);
    }

  private:
    SystemClock systemClock_;
    std::unique_ptr<WallClock> testClock_;
    ThrottledBeeper beeper_;
};

}  // namespace

std::unique_ptr<Runtime> createRuntime(int&, char**) {
    return std::make_unique<Win32Runtime>();
}

}  // namespace quendal
