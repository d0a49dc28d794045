#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quendal {

// The user's autostart entry, which starts the clock at log-in on a Linux desktop: a copy
// of the program's menu entry in the user's autostart folder. It is written whole or not at
// all, so that a desktop never starts from half an entry.
class Autostart {
  public:
    // `entry`: the file's path; `content`: what it is to hold.
    Autostart(std::filesystem::path entry, std::string content)
        : entry_(std::move(entry)), content_(std::move(content)) {}

    // The entry in `configHome` (XDG_CONFIG_HOME), or else in `home`/.config; none where
    // neither is an absolute path.
    static std::optional<std::filesystem::path> entryPath(std::string_view configHome,
                                                          std::string_view home,
                                                          std::string_view fileName);

    bool enabled() const;
    // Writes or removes the entry. Returns why it could not, leaving things as they were.
    std::optional<std::string> set(bool enabled) const;

  private:
    std::filesystem::path entry_;
    std::string content_;
};

}  // namespace quendal
