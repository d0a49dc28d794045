#include "platform/rules/text_pacer.h"

#include <algorithm>
#include <cmath>

namespace quendal {
namespace {

std::chrono::nanoseconds frameOf(double hertz) {
    if (!(hertz >= 1.0 && hertz <= 1000.0)) {
        hertz = TextPacer::kDefaultFrameRate;
    }
    return std::chrono::nanoseconds(std::llround(1e9 / hertz));
}

}  // namespace

TextPacer::TextPacer(MonoClock now, Wake wake)
    : now_(std::move(now)), wake_(std::move(wake)), frame_(frameOf(kDefaultFrameRate)) {}

void TextPacer::setFrameRate(double hertz) {
    frame_ = frameOf(hertz);
}

void TextPacer::changed(PacedText& text) {
    if (!text.changed_) {
        text.changed_ = true;
        changed_.push_back(&text);
    }
    if (wakeRequested_ || held_) {
        return;
    }
    wakeRequested_ = true;
    const MonoTime now = now_();
    const MonoTime due = handedOver_ ? std::max(now, last_ + frame_) : now;
    wake_(due - now);
}

void TextPacer::forget(PacedText& text) {
    std::erase(changed_, &text);
}

void TextPacer::frameDue() {
    wakeRequested_ = false;
    if (held_) {
        return;
    }
    const MonoTime now = now_();
    if (handedOver_ && now < last_ + frame_) {
        // Woken early, as a coarse timer may do: the frame has not come yet.
        wakeRequested_ = true;
        wake_(last_ + frame_ - now);
        return;
    }
    handOver(now);
}

void TextPacer::flush() {
    handOver(now_());
}

void TextPacer::hold(bool held) {
    if (held == held_) {
        return;
    }
    held_ = held;
    if (!held) {
        handOver(now_());
    }
}

void TextPacer::handOver(MonoTime now) {
    // Showing a text may set another; take the list first.
    std::vector<PacedText*> texts;
    texts.swap(changed_);
    bool shown = false;
    for (PacedText* text : texts) {
        shown |= text->handOver();
    }
    // A frame in which nothing new was shown (a text set back to what the screen shows)
    // does not hold the next text back.
    if (shown) {
        last_ = now;
        handedOver_ = true;
    }
}

PacedText::PacedText(TextPacer& pacer, std::string_view initial, Show show)
    : pacer_(pacer), show_(std::move(show)), latest_(initial), shown_(initial) {
    show_(shown_);
}

PacedText::~PacedText() {
    pacer_.forget(*this);
}

void PacedText::set(std::string_view text) {
    if (text == latest_) {
        return;
    }
    latest_ = text;
    pacer_.changed(*this);
}

bool PacedText::handOver() {
    changed_ = false;
    if (latest_ == shown_) {
        return false;
    }
    shown_ = latest_;
    show_(shown_);
    return true;
}

}  // namespace quendal
