#pragma once

#include <QDBusVariant>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "platform/rules/field_colours.h"

namespace quendal::qt {

// Whether the desktop asks for high contrast, as its portal tells every toolkit
// (org.freedesktop.appearance, contrast 1), and then the colours it wants: the
// application palette's text and window. Asked once without waiting, and followed as it
// changes; where no portal answers, there is none.
class HighContrastWatch final : public QObject {
    Q_OBJECT

  public:
    // `changed` is called whenever the answer changes.
    explicit HighContrastWatch(std::function<void()> changed);

    std::optional<HighContrast> colours() const;

  private slots:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value);

  private:
    void take(const QVariant& contrast);

    std::function<void()> changed_;
    bool on_ = false;
};

}  // namespace quendal::qt
