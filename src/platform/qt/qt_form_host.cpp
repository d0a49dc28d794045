#include "platform/qt/qt_form_host.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <span>
#include <stdexcept>
#include <vector>

namespace quendal::qt {
namespace {

template <typename Map>
auto& find(Map& map, std::string_view name) {
    const auto it = map.find(name);
    if (it == map.end()) {
        throw std::out_of_range("no such control: " + std::string(name));
    }
    return *it->second;
}

QString qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect pixelRect(int left, int top, int width, int height) {
    return QRect(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
                 pixelsFromTwips(height));
}

// The pictures come rendered at 16, 32, 48 and 64 pixels. A button shows its picture at
// 32 pixels, 64 on a doubled screen; the window icon offers every size to the taskbar.
// Each size given is read when the icon is made, so a button takes only those it uses.
constexpr int kButtonPictureSizes[] = {32, 64};
constexpr int kIconSizes[] = {16, 32, 48, 64};

void addPicture(QIcon& icon, std::span<const int> sizes, std::string_view name,
                QIcon::State state) {
    for (const int size : sizes) {
        // Read as PNG and nothing else: a reader left to guess the format loads every
        // image format plugin there is to ask each of them.
        QImageReader reader(QStringLiteral(":/pictures/%1-%2.png").arg(qstring(name)).arg(size),
                            "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()), QIcon::Normal, state);
    }
}

QIcon picture(std::span<const int> sizes, std::string_view name,
              std::string_view checkedName = {}) {
    QIcon icon;
    addPicture(icon, sizes, name, QIcon::Off);
    if (!checkedName.empty()) {
        addPicture(icon, sizes, checkedName, QIcon::On);
    }
    return icon;
}

// A button's picture, read when it is first drawn: a clock that starts in the taskbar
// reads none until it is restored.
class LazyPicture final : public QIconEngine {
  public:
    LazyPicture(std::string_view name, std::string_view checkedName)
        : name_(name), checkedName_(checkedName) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new LazyPicture(*this); }

  private:
    const QIcon& icon() {
        if (icon_.isNull()) {
            icon_ = picture(kButtonPictureSizes, name_, checkedName_);
        }
        return icon_;
    }

    std::string name_;
    std::string checkedName_;
    QIcon icon_;
};

void describe(QWidget* widget, const ControlDesign& design) {
    widget->setAccessibleName(qstring(design.accessibleName));
    widget->setAccessibleDescription(qstring(design.description));
}

WindowState stateFrom(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) {
        return WindowState::Minimized;
    }
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        return WindowState::Maximized;
    }
    return WindowState::Normal;
}

Qt::WindowStates qtStates(WindowState state) {
    switch (state) {
        case WindowState::Minimized:
            return Qt::WindowMinimized;
        case WindowState::Maximized:
            return Qt::WindowMaximized;
        case WindowState::Normal:
            break;
    }
    return Qt::WindowNoState;
}

// The designed place, moved just enough to keep the window wholly on a smaller screen.
QRect placeOnScreen(QRect client) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return client;
    }
    const QRect available = screen->availableGeometry();
    client.moveLeft(std::max(available.left(),
                             std::min(client.left(), available.right() + 1 - client.width())));
    client.moveTop(std::max(available.top(),
                            std::min(client.top(), available.bottom() + 1 - client.height())));
    return client;
}

QToolButton* pictureButton(QWidget* parent, const ControlDesign& design) {
    auto* button = new QToolButton(parent);
    // Only the picture: no text, not even beside it.
    button->setIcon(QIcon(new LazyPicture(design.picture, design.checkedPicture)));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setEnabled(design.enabled);
    button->setToolTip(qstring(design.description));
    describe(button, design);
    return button;
}

QFont labelFont(const FontDesign& design) {
    // The face is found when the digits are first drawn, not here: a clock that starts in
    // the taskbar never loads the font database until it is restored. The designed
    // face's only style is itself black, so asking for the stand-in's black weight
    // selects it as surely as its own weight does.
    QFont font;
    font.setFamilies({qstring(design.family), qstring(design.fallbackFamily)});
    font.setWeight(static_cast<QFont::Weight>(design.fallbackWeight));
    font.setPointSizeF(design.pointSize);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace

void FormWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        form_.stateReported(windowState());
    }
    QWidget::changeEvent(event);
}

void FormWidget::closeEvent(QCloseEvent* event) {
    form_.closedByUser();
    event->accept();
}

QtForm::QtForm(const FormDesign& design) : widget_(*this), state_(design.state) {
    widget_.setObjectName(qstring(design.name));
    setCaption(design.caption);
    const QRect client =
        pixelRect(design.clientLeft, design.clientTop, design.clientWidth, design.clientHeight);
    widget_.setFixedSize(client.size());
    widget_.setGeometry(placeOnScreen(client));
    widget_.setWindowIcon(picture(kIconSizes, design.icon));
}

void QtForm::setCaption(std::string_view caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    widget_.setWindowTitle(qstring(caption));
}

void QtForm::setWindowState(WindowState state) {
    if (state == state_) {
        return;
    }
    state_ = state;
    applyState();
    raise(resize_);
}

void QtForm::applyState() {
    // The widget reports this change at once through changeEvent, and the platform may
    // confirm it again later, after further changes; neither is the user's doing.
    pending_.push_back({state_, std::chrono::steady_clock::now()});
    applying_ = true;
    widget_.setWindowState(qtStates(state_));
    applying_ = false;
    if (state_ == WindowState::Normal && widget_.isVisible()) {
        widget_.raise();
    }
}

void QtForm::loadAndShow() {
    raise(load_);
    applyState();
    widget_.show();
    raise(resize_);
}

void QtForm::stateReported(Qt::WindowStates states) {
    if (applying_) {
        return;
    }
    // A confirmation that matches the state the window already has is never reported,
    // so requests are forgotten after a while rather than when confirmed; otherwise a
    // user's later change to a state once asked for would be taken for its confirmation.
    const auto now = std::chrono::steady_clock::now();
    std::erase_if(pending_, [now](const Request& r) { return now - r.at > kConfirmationTime; });
    const WindowState state = stateFrom(states);
    const auto confirmed = std::find_if(pending_.begin(), pending_.end(),
                                        [state](const Request& r) { return r.state == state; });
    if (confirmed != pending_.end()) {
        pending_.erase(pending_.begin(), confirmed + 1);
        return;
    }
    if (state == state_) {
        return;
    }
    pending_.clear();
    state_ = state;
    raise(resize_);
}

void QtForm::closedByUser() {
    raise(unload_);
}

QtFormHost::QtFormHost(const FormDesign& design)
    : form_(design),
      timerName_(design.timer.name),
      timer_(std::make_unique<QtTimer>(&form_.widget(), design.timer.intervalMs)) {
    options_.setExclusive(true);
    const QFont font = labelFont(design.labelFont);
    for (const ControlDesign& control : design.controls) {
        addControl(control, font);
    }

    // Keyboard order follows the tab indexes; the focus starts on the first control
    // that can take it.
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& control : design.controls) {
        if (widgets_.at(std::string(control.name))->focusPolicy() != Qt::NoFocus) {
            order.push_back(&control);
        }
    }
    std::sort(order.begin(), order.end(), [](const ControlDesign* a, const ControlDesign* b) {
        return a->tabIndex < b->tabIndex;
    });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(widgetOf(order[i - 1]->name), widgetOf(order[i]->name));
    }
    for (const ControlDesign* control : order) {
        if (control->enabled) {
            widgetOf(control->name)->setFocus();
            break;
        }
    }
    timer_->setEnabled(design.timer.enabled);
}

void QtFormHost::addControl(const ControlDesign& design, const QFont& font) {
    const std::string name(design.name);
    QWidget* parent = &form_.widget();
    QWidget* widget = nullptr;
    switch (design.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            label->setAlignment(Qt::AlignCenter);
            label->setFont(font);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText,
                             QColor(design.color.red, design.color.green, design.color.blue));
            label->setPalette(palette);
            describe(label, design);
            auto adapter = std::make_unique<QtLabel>(label, qstring(design.accessibleName));
            adapter->setCaption(design.caption);
            labels_.emplace(name, std::move(adapter));
            widget = label;
            break;
        }
        case ControlKind::CheckBox: {
            QToolButton* button = pictureButton(parent, design);
            button->setCheckable(true);
            button->setChecked(design.value == 1);
            checkBoxes_.emplace(name, std::make_unique<QtCheckBox>(button));
            widget = button;
            break;
        }
        case ControlKind::OptionButton: {
            QToolButton* button = pictureButton(parent, design);
            button->setCheckable(true);
            button->setChecked(design.value == 1);
            options_.addButton(button);
            optionButtons_.emplace(name, std::make_unique<QtOptionButton>(button));
            widget = button;
            break;
        }
        case ControlKind::CommandButton: {
            QToolButton* button = pictureButton(parent, design);
            commandButtons_.emplace(name, std::make_unique<QtCommandButton>(button));
            widget = button;
            break;
        }
    }
    widget->setObjectName(qstring(design.name));
    widget->setGeometry(pixelRect(design.left, design.top, design.width, design.height));
    widgets_.emplace(name, widget);
}

QtLabel& QtFormHost::label(std::string_view name) {
    return find(labels_, name);
}
QtCheckBox& QtFormHost::checkBox(std::string_view name) {
    return find(checkBoxes_, name);
}
QtOptionButton& QtFormHost::optionButton(std::string_view name) {
    return find(optionButtons_, name);
}
QtCommandButton& QtFormHost::commandButton(std::string_view name) {
    return find(commandButtons_, name);
}
QtTimer& QtFormHost::timer(std::string_view name) {
    if (name != timerName_) {
        throw std::out_of_range("no such timer: " + std::string(name));
    }
    return *timer_;
}
QWidget* QtFormHost::widgetOf(std::string_view name) {
    return &find(widgets_, name);
}

int QtFormHost::run() {
    form_.loadAndShow();
    return QCoreApplication::exec();
}

}  // namespace quendal::qt
