#include "platform/rules/audience.h"

namespace quendal {
namespace {

template <typename Source>
std::uint32_t bit(Source source) {
    return std::uint32_t{1} << static_cast<unsigned>(source);
}

// Sets or clears a source's bit.
template <typename Source>
void mark(std::uint32_t& bits, Source source, bool on) {
    bits = on ? bits | bit(source) : bits & ~bit(source);
}

}  // namespace

void Audience::report(SightSource source, bool seen) {
    const Pace before = pace();
    mark(unseenBy_, source, !seen);
    changed(before);
}

void Audience::report(PowerSource source, bool saving) {
    const Pace before = pace();
    mark(savingBy_, source, saving);
    changed(before);
}

Pace Audience::pace() const {
    if (unseenBy_ != 0) {
        return Pace::Unseen;
    }
    return savingBy_ != 0 ? Pace::Saving : Pace::Full;
}

std::chrono::milliseconds Audience::minimumInterval(Pace pace) {
    switch (pace) {
        case Pace::Saving:
            return std::chrono::milliseconds(100);
        case Pace::Unseen:
            return std::chrono::seconds(1);
        case Pace::Full:
            break;
    }
    return std::chrono::milliseconds(0);
}

void Audience::changed(Pace before) {
    const Pace now = pace();
    if (now == before) {
        return;
    }
    changes_.notify(now);
}

}  // namespace quendal
