#include <exception>

#include "platform/interface/form_host.h"
#include "window/window.h"
#include "window/window_design.h"

int main(int argc, char** argv) {
    auto runtime = quendal::createRuntime(argc, argv);
    if (!runtime) {
        return 1;
    }
    try {
        auto host = runtime->createForm(quendal::windowDesign());
        quendal::Window window(*host, runtime->clock(), runtime->beeper());
        return host->run();
    } catch (const std::exception& failure) {
        runtime->fail(failure.what());
        return 1;
    }
}
