#pragma once

// The user's session bus, for the desktop services the clock talks to.
namespace quendal::qt {

// Whether there is a session bus to talk to: one named in the environment, or the user's
// own. Where there is none, the D-Bus library would try to start one.
bool sessionBusExists();

}  // namespace quendal::qt
