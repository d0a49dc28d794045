#include "platform/qt/display/qt_form_host.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <QWindow>
#include <cmath>
#include <stdexcept>

#include "platform/qt/display/qt_pictures.h"
#include "platform/qt/shared/qt_text.h"
#include "platform/qt/shared/qt_wake.h"

namespace quendal::qt {
namespace {

QColor qcolor(const Rgb& c) {
    return QColor(c.red, c.green, c.blue);
}

QRect qrect(const PixelRect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}

WindowState stateFrom(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) {
        return WindowState::Minimized;
    }
    // A full-screen window shows its controls, as a normal one does.
    if (states & Qt::WindowFullScreen) {
        return WindowState::Normal;
    }
    if (states & Qt::WindowMaximized) {
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
QRect placeOnScreen(const QRect& client, const QScreen* screen) {
    if (!screen) {
        return client;
    }
    const QRect a = screen->availableGeometry();
    const PixelRect placed = keepWithin({client.x(), client.y(), client.width(), client.height()},
                                        {a.x(), a.y(), a.width(), a.height()});
    return qrect(placed);
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

Speech& FormWidget::speech() const {
    return host_.speech();
}

void FormWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        host_.form().stateReported(stateFrom(windowState()));
    } else if (event->type() == QEvent::PaletteChange) {
        host_.colourFields();
    }
    QWidget::changeEvent(event);
}

void FormWidget::closeEvent(QCloseEvent* event) {
    host_.form().closedByUser();
    event->accept();
}

QtFormHost::QtFormHost(const FormDesign& design, const Words& words, MonoClock now)
    : ModelHost(std::move(now),
                [this](std::chrono::nanoseconds delay) { wakeAfter(frameTimer_, delay); }),
      design_(design),
      speech_(design, *this, words),
      widget_(*this) {
    installAccessibility();
    frameTimer_.setSingleShot(true);
    frameTimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&frameTimer_, &QTimer::timeout, [this] { pacer().frameDue(); });

    const QScreen* screen = QGuiApplication::primaryScreen();
    dotsPerInch_ = screen ? screen->logicalDotsPerInch() : kStandardDotsPerInch;
    if (screen) {
        pacer().setFrameRate(screen->refreshRate());
    }

    frameWindow(screen);
    options_.setExclusive(true);
    makeStrip();
    labelFont_ = labelFont(design.labelFont);
    build(design,
          FormModel::Port{
              [this](std::string_view caption) { widget_.setWindowTitle(qstring(caption)); },
              [this](WindowState state) { applyState(state); }, [this] { showFirstTime(); },
              [this](const Progress& progress) {
                  if (beside_.showProgress) {
                      beside_.showProgress(progress);
                  }
              },
              [this](const Reading& reading, const ModeSelection& modes) {
                  if (beside_.showReading) {
                      beside_.showReading(reading, modes);
                  }
              }},
          kConfirmationTime, *this);
    QObject::connect(&progTimer_, &QTimer::timeout,
                     [m = &timer(design.timer.name)] { m->fires(); });
    setTabOrder();
}

QtFormHost::~QtFormHost() = default;

void QtFormHost::frameWindow(const QScreen* screen) {
    widget_.setObjectName(qstring(design_.name));
    // Of fixed size, so with no maximise: the window manager reads that from the window's
    // hints (on X11 the Motif ones), as Windows does from its frame.
    widget_.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    const QRect client = qrect(pixelRect(design_.clientLeft, design_.clientTop, design_.clientWidth,
                                         design_.clientHeight, dotsPerInch_));
    widget_.setFixedSize(client.size());
    widget_.setGeometry(placeOnScreen(client, screen));
    widget_.setWindowIcon(windowIcon(design_.icon));
}

// The labels stand in one strip, which a screen reader hears as one number.
void QtFormHost::makeStrip() {
    QRect labels;
    for (const ControlDesign& control : design_.controls) {
        if (control.kind == ControlKind::Label) {
            labels |= qrect(
                pixelRect(control.left, control.top, control.width, control.height, dotsPerInch_));
        }
    }
    strip_ = new ReadingStrip(&widget_, speech_);
    strip_->setGeometry(labels);
}

// Tab goes round the buttons by their tab indexes, from the first that can take it.
void QtFormHost::setTabOrder() {
    const auto order = focusOrder(design_);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(widgetOf(order[i - 1]->name), widgetOf(order[i]->name));
    }
    if (const auto first = focusAfterKey(focusStops(order), std::nullopt, FocusKey::Tab)) {
        widgetOf(order[*first]->name)->setFocus();
    }
}

void QtFormHost::setHighContrast(std::optional<HighContrast> colours) {
    highContrast_ = colours;
    colourFields();
}

PacedText::Show QtFormHost::makeLabel(const ControlDesign& design) {
    auto* label = new QLabel(strip_);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(labelFont_);
    label->setAutoFillBackground(true);
    colourField(label, design);
    place(label, design);
    labels_.emplace_back(label, &design);
    return [label](std::string_view text) { label->setText(qstring(text)); };
}

CheckBoxModel::Port QtFormHost::makeCheckBox(const ControlDesign& design) {
    QToolButton* button = pictureButton(design);
    button->setCheckable(true);
    // toggled follows every actual change of the checked state, a click's, the space
    // key's or the program's; the model tells them apart.
    QObject::connect(button, &QToolButton::toggled,
                     [this, &design](bool checked) { userClicked(design.name, checked); });
    if (!design.checkedName.empty()) {
        // The ringing bell says so, and so does the window, once.
        QObject::connect(button, &QToolButton::toggled, [this, button, &design] {
            button->setAccessibleName(qstring(speech_.name(design)));
            button->setAccessibleDescription(qstring(speech_.description(design)));
            QAccessibleEvent told(&widget_, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&told);
        });
    }
    place(button, design);
    return {[button](bool on) { button->setChecked(on); },
            [button](bool on) { button->setEnabled(on); }};
}

std::function<void(bool)> QtFormHost::makeOptionButton(const ControlDesign& design) {
    QToolButton* button = pictureButton(design);
    button->setCheckable(true);
    button->setAutoExclusive(true);  // a radio button, to a screen reader
    options_.addButton(button);
    // clicked follows the user's selection only, never the program's.
    QObject::connect(button, &QToolButton::clicked, [this, &design] { userClicked(design.name); });
    place(button, design);
    return [button](bool on) { button->setChecked(on); };
}

std::function<void(bool)> QtFormHost::makeCommandButton(const ControlDesign& design) {
    QToolButton* button = pictureButton(design);
    QObject::connect(button, &QToolButton::clicked, [this, &design] { userClicked(design.name); });
    place(button, design);
    return [button](bool on) { button->setEnabled(on); };
}

TimerModel::Port QtFormHost::makeTimer(const TimerDesign&) {
    progTimer_.setTimerType(Qt::PreciseTimer);
    return {[this](std::chrono::milliseconds interval) { progTimer_.start(interval); },
            [this] { progTimer_.stop(); }};
}

// A button that shows only its picture: no text, not even beside it.
QToolButton* QtFormHost::pictureButton(const ControlDesign& design) {
    auto* button = new QToolButton(&widget_);
    const int size = static_cast<int>(std::lround(32 * dotsPerInch_ / kStandardDotsPerInch));
    button->setIcon(buttonPicture(design.picture, design.checkedPicture));
    button->setIconSize(QSize(size, size));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setToolTip(qstring(speech_.words().text(design.description)));
    return button;
}

// Last, once the widget is what it will be: a screen reader's view of it is made when first
// asked for. A label with a name of its own tells no screen reader of each new text.
void QtFormHost::place(QWidget* widget, const ControlDesign& design) {
    widget->setAccessibleName(qstring(speech_.words().text(design.accessibleName)));
    widget->setAccessibleDescription(qstring(speech_.words().text(design.description)));
    widget->setObjectName(qstring(design.name));
    QRect place =
        qrect(pixelRect(design.left, design.top, design.width, design.height, dotsPerInch_));
    if (widget->parentWidget() == strip_) {
        place.translate(-strip_->pos());
    }
    widget->setGeometry(place);
    widgets_.emplace(design.name, widget);
}

void QtFormHost::colourField(QWidget* label, const ControlDesign& design) {
    const FieldColours colours = fieldColours(design_, design, highContrast_);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, qcolor(colours.text));
    palette.setColor(QPalette::Window, qcolor(colours.background));
    label->setPalette(palette);
}

void QtFormHost::colourFields() {
    for (const auto& [label, design] : labels_) {
        colourField(label, *design);
    }
}

void QtFormHost::applyState(WindowState state) {
    widget_.setWindowState(qtStates(state));
    if (state == WindowState::Normal && widget_.isVisible()) {
        // Brought up in front, as the program's own request to the window manager: a
        // window manager that keeps a minimised window mapped restores it only so.
        widget_.raise();
        widget_.activateWindow();
    }
}

void QtFormHost::showFirstTime() {
    if (beside_.beforeFirstShow) {
        beside_.beforeFirstShow();
    }
    widget_.show();
}

QWidget* QtFormHost::widgetOf(std::string_view name) {
    const auto it = widgets_.find(name);
    if (it == widgets_.end()) {
        throw std::out_of_range("no such control: " + std::string(name));
    }
    return it->second;
}

int QtFormHost::exec() {
    if (QWindow* window = widget_.windowHandle()) {
        QObject::connect(window, &QWindow::screenChanged,
                         [this](QScreen* screen) { pacer().setFrameRate(screen->refreshRate()); });
    }
    return QCoreApplication::exec();
}

}  // namespace quendal::qt
