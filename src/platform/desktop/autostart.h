#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quendal {

// The user's autostart entry, which starts the clock at log-in on a Linux desktop. The
// program writes a copy of its menu entry there; an entry the user made or changed is
// theirs, and is never deleted: turned off, it is hidden as the autostart rules say
// (Hidden=true), and turned on again, shown.
class Autostart {
  public:
    // The file, through the binding. Each returns why it failed, if it did.
    struct File {
        // The entry's content; none where there is no entry.
        std::function<std::optional<std::string>()> read;
        // Replaces the entry whole, or leaves it as it was: a desktop never reads half an
        // entry. Makes the folder where there is none.
        std::function<std::optional<std::string>(std::string_view content)> write;
        std::function<std::optional<std::string>()> remove;
    };

    // `programEntry`: what the program writes, its menu entry.
    Autostart(std::string programEntry, File file)
        : programEntry_(std::move(programEntry)), file_(std::move(file)) {}

    // The entry in `configHome` (XDG_CONFIG_HOME), or else in `home`/.config; none where
    // neither is an absolute path.
    static std::optional<std::filesystem::path> entryPath(std::string_view configHome,
                                                          std::string_view home,
                                                          std::string_view fileName);
    // Whether a desktop starts an entry of this content at log-in.
    static bool starts(std::string_view entry);
    // The entry with its [Desktop Entry] group set to start, or not, at log-in; the
    // rest as it was.
    static std::string withStart(std::string_view entry, bool start);

    // Whether an entry is there that starts the clock.
    bool enabled() const;
    // Writes, shows, hides or removes the entry. Returns why it could not.
    std::optional<std::string> set(bool enabled) const;

  private:
    std::string programEntry_;
    File file_;
};

}  // namespace quendal
