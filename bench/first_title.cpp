// Starts a program and prints how many milliseconds pass until one of its windows
// first carries a title with a digit in it: for the clock, its first caption line.
// Usage: first_title PROGRAM [ARGUMENTS...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string titleOf(Display* display, Window window, Atom name, Atom utf8) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return title;
}

bool hasDigit(const std::string& text) {
    return text.find_first_of("0123456789") != std::string::npos;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: first_title PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("first_title: cannot open the display\n", stderr);
        return 2;
    }
    const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        Window window = None;
        if (event.type == CreateNotify) {
            window = event.xcreatewindow.window;
            XSelectInput(display, window, PropertyChangeMask);
        } else if (event.type == PropertyNotify && event.xproperty.atom == name) {
            window = event.xproperty.window;
        }
        if (window != None && hasDigit(titleOf(display, window, name, utf8))) {
            const auto elapsed = std::chrono::steady_clock::now() - start;
            std::printf("%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
            kill(child, SIGTERM);
            waitpid(child, nullptr, 0);
            return 0;
        }
    }
}
