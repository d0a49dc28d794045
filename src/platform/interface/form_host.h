#pragma once

#include <memory>
#include <string_view>

#include "platform/interface/controls.h"
#include "platform/interface/design.h"
#include "platform/interface/wall_clock.h"

namespace quendal {

// A window built by a toolkit from its design, with its controls found by name.
// Asking for a name the design lacks, or for a control of another kind, is a
// programming error and throws std::out_of_range.
class FormHost {
  public:
    virtual ~FormHost() = default;

    virtual Form& form() = 0;
    virtual Label& label(std::string_view name) = 0;
    virtual CheckBox& checkBox(std::string_view name) = 0;
    virtual OptionButton& optionButton(std::string_view name) = 0;
    virtual CommandButton& commandButton(std::string_view name) = 0;
    virtual Timer& timer(std::string_view name) = 0;

    // Raises Load, shows the window in the state it then has (raising Resize), and runs
    // the event loop until the window is closed. Returns the program's exit status.
    virtual int run() = 0;
};

// The services of the platform the program runs on.
class Runtime {
  public:
    virtual ~Runtime() = default;
    virtual std::unique_ptr<FormHost> createForm(const FormDesign& design) = 0;
    virtual const WallClock& clock() const = 0;
    virtual Beeper& beeper() = 0;
    // Says why the program cannot go on, where the user will see it.
    virtual void fail(std::string_view why) = 0;
};

// Connects to the desktop. On failure prints one line on stderr that says why and
// returns null.
std::unique_ptr<Runtime> createRuntime(int& argc, char** argv);

}  // namespace quendal
