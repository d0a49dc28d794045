#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/desktop/autostart.h"
#include "platform/qt/display/qt_accessibility.h"
#include "platform/qt/display/qt_form_host.h"

namespace quendal::qt {

class BusServiceWatch;
class FramingWatch;
class HighContrastWatch;
class LauncherEntry;
class StatusNotifier;
class XScreenWatch;

// What the desktop offers beside the window, each fed by the window's models: the
// launcher entry's bar and count, the tray item, the desktop's high contrast, the screen
// reader's notices, the watch on the window's framing, and the services that say whether
// anyone sees the screen. Kept by the host for as long as the window lives; at the end,
// whatever the launcher entry showed is taken back.
class DesktopServices final : public QtFormHost::Companion {
  public:
    // Made once the host has its models, before the start.
    static void offer(const FormDesign& design, QtFormHost& host);
    ~DesktopServices() override;

    DesktopServices(const FormDesign& design, QtFormHost& host);
    DesktopServices(const DesktopServices&) = delete;
    DesktopServices& operator=(const DesktopServices&) = delete;

  private:
    QtFormHost& host_;
    bool sessionBus_;
    std::unique_ptr<LauncherEntry> launcherEntry_;
    std::unique_ptr<HighContrastWatch> highContrast_;
    ScreenReaderNotices screenReader_;
    std::unique_ptr<StatusNotifier> tray_;
    std::unique_ptr<FramingWatch> framing_;
    // Last, so that they go first: nothing reports to the models once they are gone.
    std::vector<std::unique_ptr<BusServiceWatch>> busWatches_;
    std::unique_ptr<XScreenWatch> xScreenWatch_;
};

// The user's autostart entry for this program, written through Qt's atomic file; none
// where the user has no configuration folder.
std::optional<Autostart> userAutostart();

}  // namespace quendal::qt
