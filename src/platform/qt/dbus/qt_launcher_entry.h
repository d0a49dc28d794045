#pragma once

#include <QString>
#include <QVariantMap>

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
    // Takes back what was shown, as the program ends: a desktop keeps an entry's badge
    // and bar after its program has gone, and shows them on the next one's entry.
    void clear();

  private:
    void send(const QVariantMap& properties);

    QString application_;
    bool bus_ = false;
};

}  // namespace quendal::qt
