// Prints "bell MS" for every bell rung on the X display, MS being the milliseconds of a
// monotonic clock when it was heard, once it has printed "ready".
#include <X11/XKBlib.h>

#include <cstdio>
#include <ctime>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("bell_counter: cannot open the display\n", stderr);
        return 2;
    }
    int opcode = 0;
    int eventBase = 0;
    int errorBase = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &eventBase, &errorBase, &major, &minor)) {
        std::fputs("bell_counter: no XKB on this display\n", stderr);
        return 2;
    }
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    XSync(display, False);
    std::puts("ready");
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == eventBase &&
            reinterpret_cast<XkbEvent*>(&event)->any.xkb_type == XkbBellNotify) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("bell %lld\n",
                        static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000);
            std::fflush(stdout);
        }
    }
}
