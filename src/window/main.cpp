#include "platform/form_host.h"
#include "window/window.h"
#include "window/window_design.h"

int main(int argc, char** argv) {
    auto runtime = quendal::createRuntime(argc, argv);
    if (!runtime) {
        return 1;
    }
    auto host = runtime->createForm(quendal::windowDesign());
    quendal::Window window(*host, runtime->clock(), runtime->beeper());
    return host->run();
}
