#pragma once

#include <QString>

#include "reading/reading.h"

namespace quendal::qt {

// The taskbar entry's bar and count, as desktops that draw them on a launcher (Plasma's
// task managers, icons-only included, Ubuntu's dock, Dash to Panel) hear them: the
// launcher entry signal on the session bus. Where there is no session bus, nothing is
// sent and nothing is said.
class LauncherEntry {
  public:
    // `desktopFile`: the menu entry's file name, by which the desktop finds the window's
    // taskbar entry.
    explicit LauncherEntry(const QString& desktopFile);

    void show(const Progress& progress);

  private:
    QString application_;
    bool bus_ = false;
};

}  // namespace quendal::qt
