#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/qt/display/qt_form_host.h"
#include "window/window_design.h"

namespace quendal::qt {
namespace {

class QtFormHostTest : public ::testing::Test {
  protected:
    const FormDesign& design = windowDesign();
    EnglishWords words;
    QtFormHost host{design, words};

    const ControlDesign& control(std::string_view name) {
        return *std::find_if(design.controls.begin(), design.controls.end(),
                             [&](const ControlDesign& c) { return c.name == name; });
    }
};

TEST_F(QtFormHostTest, ControlsStandWhereTheDesignPutsThem) {
    EXPECT_EQ(host.widget().size(), QSize(481, 33));
    EXPECT_EQ(host.widget().minimumSize(), QSize(481, 33)) << "fixed size";
    EXPECT_EQ(host.widget().maximumSize(), QSize(481, 33)) << "fixed size";
    const std::map<std::string, QRect> pixels = {
        {"Go", {0, 0, 41, 33}},          {"Reset", {40, 0, 41, 33}},
        {"Blue", {88, 0, 49, 33}},       {"Red", {136, 0, 49, 33}},
        {"Yellow", {184, 0, 49, 33}},    {"Green", {232, 0, 65, 33}},
        {"Alarm", {304, 0, 41, 33}},     {"Clock", {360, 0, 41, 33}},
        {"StopWatch", {400, 0, 41, 33}}, {"Calendar", {440, 0, 41, 33}},
    };
    for (const auto& [name, rect] : pixels) {
        const QWidget* widget = host.widgetOf(name);
        EXPECT_EQ(QRect(widget->mapTo(&host.widget(), QPoint(0, 0)), widget->size()), rect) << name;
    }
}

TEST_F(QtFormHostTest, TabOrderFollowsTheTabIndexesAndFocusStartsOnTheBell) {
    // The buttons by their tab indexes (4 to 9); the labels (0 to 3) take no focus.
    const std::vector<std::string> expected = {"Alarm",     "Go",    "Clock",
                                               "StopWatch", "Reset", "Calendar"};

    // The chain, from the bell round to it again: the bell comes first by its tab index.
    std::vector<std::string> chain;
    QWidget* w = host.widgetOf("Alarm");
    do {
        if (w->focusPolicy() != Qt::NoFocus && w->parentWidget() == &host.widget()) {
            chain.push_back(w->objectName().toStdString());
        }
        w = w->nextInFocusChain();
    } while (w != host.widgetOf("Alarm"));
    EXPECT_EQ(chain, expected);
    for (const char* label : {"Blue", "Red", "Yellow", "Green"}) {
        EXPECT_EQ(host.widgetOf(label)->focusPolicy(), Qt::NoFocus) << label;
    }

    host.form().start();
    EXPECT_EQ(host.widget().focusWidget(), host.widgetOf("Alarm"));
}

TEST_F(QtFormHostTest, LabelsUseTheDesignedFaceAndColours) {
    const std::map<std::string, QColor> colours = {{"Blue", QColor(0, 0, 255)},
                                                   {"Red", QColor(255, 0, 0)},
                                                   {"Yellow", QColor(255, 255, 0)},
                                                   {"Green", QColor(0, 255, 0)}};
    const bool designedFace = QFontDatabase::hasFamily("Arial Black");
    for (const auto& [name, colour] : colours) {
        auto* label = qobject_cast<QLabel*>(host.widgetOf(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), colour) << name;
        EXPECT_EQ(label->alignment(), Qt::AlignCenter) << name;
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 20.25) << name;
        EXPECT_FALSE(label->font().italic() || label->font().underline() ||
                     label->font().strikeOut())
            << name;
        EXPECT_EQ(label->font().families(), (QStringList{"Arial Black", "Lato"})) << name;
        EXPECT_EQ(QFontInfo(label->font()).family(), designedFace ? "Arial Black" : "Lato") << name;
        EXPECT_GE(QFontInfo(label->font()).weight(), QFont::Black) << name;
        EXPECT_EQ(label->text().toStdString(), std::string(control(name).caption)) << name;
    }
}

TEST_F(QtFormHostTest, EachButtonWidgetStartsAsItsDesignSays) {
    // What the widgets themselves show, before any handler runs.
    for (const ControlDesign& c : design.controls) {
        if (c.kind == ControlKind::Label) {
            continue;
        }
        auto* button = qobject_cast<QAbstractButton*>(host.widgetOf(std::string(c.name)));
        ASSERT_NE(button, nullptr) << c.name;
        EXPECT_EQ(button->isEnabled(), c.enabled) << c.name;
        EXPECT_EQ(button->isChecked(), c.value == 1) << c.name;
    }
    EXPECT_THROW(host.label("Go"), std::out_of_range);
    EXPECT_THROW(host.timer("Other"), std::out_of_range);
}

TEST_F(QtFormHostTest, AClickOnEachControlRunsItsHandlerOnce) {
    std::map<std::string, int> clicks;
    host.checkBox("Go").onClick([&] { ++clicks["Go"]; });
    host.checkBox("Alarm").onClick([&] { ++clicks["Alarm"]; });
    host.commandButton("Reset").onClick([&] { ++clicks["Reset"]; });
    for (const char* name : {"Clock", "StopWatch", "Calendar"}) {
        host.optionButton(name).onClick([&clicks, name] { ++clicks[name]; });
    }
    host.checkBox("Go").setEnabled(true);
    host.commandButton("Reset").setEnabled(true);
    host.widget().show();

    for (const char* name : {"Go", "Reset", "Alarm", "StopWatch", "Calendar", "Clock"}) {
        QTest::mouseClick(host.widgetOf(name), Qt::LeftButton);
        EXPECT_EQ(clicks[name], 1) << name;
    }
    EXPECT_EQ(host.checkBox("Go").value(), 0) << "the click toggled it";
    EXPECT_EQ(host.checkBox("Alarm").value(), 1);
    EXPECT_TRUE(host.optionButton("Clock").selected());
    EXPECT_FALSE(host.optionButton("Calendar").selected()) << "one selected at a time";

    host.checkBox("Go").setEnabled(false);
    QTest::mouseClick(host.widgetOf("Go"), Qt::LeftButton);
    EXPECT_EQ(clicks["Go"], 1) << "a disabled button hears nothing";
}

TEST_F(QtFormHostTest, CheckBoxClickFollowsEveryActualChangeOfItsValue) {
    int clicks = 0;
    CheckBox& alarm = host.checkBox("Alarm");
    alarm.onClick([&] { ++clicks; });
    const struct {
        int set;
        int clicksAfter;
    } steps[] = {{0, 0}, {1, 1}, {1, 1}, {0, 2}, {0, 2}, {1, 3}};
    for (const auto& step : steps) {
        alarm.setValue(step.set);
        EXPECT_EQ(alarm.value(), step.set);
        EXPECT_EQ(clicks, step.clicksAfter) << "after setting " << step.set;
    }

    host.widget().show();
    host.widgetOf("Alarm")->setFocus();
    QTest::keyClick(host.widgetOf("Alarm"), Qt::Key_Space);
    EXPECT_EQ(clicks, 4) << "space on the focused bell toggles it";
    EXPECT_EQ(alarm.value(), 0);
}

TEST_F(QtFormHostTest, TheWindowsOwnReportsOfTheProgramsChangeRaiseNoSecondResize) {
    FormModel& form = host.form();
    std::vector<WindowState> seen;
    form.onResize([&] { seen.push_back(form.windowState()); });
    form.start();
    EXPECT_TRUE(host.widget().windowState() & Qt::WindowMinimized) << "starts minimised";
    seen.clear();

    form.setWindowState(WindowState::Normal);
    EXPECT_EQ(seen, std::vector<WindowState>{WindowState::Normal}) << "before returning";
    form.setWindowState(WindowState::Minimized);
    form.setWindowState(WindowState::Maximized);
    QApplication::processEvents();
    EXPECT_EQ(seen, (std::vector<WindowState>{WindowState::Normal, WindowState::Minimized,
                                              WindowState::Maximized}));

    // The user's (or the window manager's) changes raise exactly one Resize each; a
    // full-screen window counts as normal.
    const struct {
        Qt::WindowStates states;
        WindowState seen;
    } changes[] = {{Qt::WindowNoState, WindowState::Normal},
                   {Qt::WindowMinimized, WindowState::Minimized},
                   {Qt::WindowFullScreen, WindowState::Normal},
                   {Qt::WindowMaximized, WindowState::Maximized}};
    for (const auto& change : changes) {
        host.widget().setWindowState(change.states);
        QApplication::processEvents();
        EXPECT_EQ(form.windowState(), change.seen);
        EXPECT_EQ(seen.back(), change.seen);
    }
    EXPECT_EQ(seen.size(), 7U);
}

TEST_F(QtFormHostTest, ClosingRaisesUnloadOnce) {
    int unloads = 0;
    host.form().onUnload([&] { ++unloads; });
    host.widget().show();
    host.widget().close();
    EXPECT_EQ(unloads, 1);
}

TEST_F(QtFormHostTest, CaptionsReachTheWindowOncePerFrameTheLatestFirst) {
    struct TitleCounter : QObject {
        int changes = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            changes += event->type() == QEvent::WindowTitleChange;
            return false;
        }
    } counter;
    host.widget().installEventFilter(&counter);
    for (const char* caption : {"14 28 93 518", "14 28 93 519", "Quendal", " 57"}) {
        host.form().setCaption(caption);
    }
    EXPECT_EQ(counter.changes, 0) << "not while the event that set them runs";
    QApplication::processEvents();
    EXPECT_EQ(counter.changes, 1) << "after a quiet spell, at once";
    EXPECT_EQ(host.widget().windowTitle(), " 57") << "exactly the latest text";

    host.form().setCaption("Quendal");
    QApplication::processEvents();
    EXPECT_EQ(host.widget().windowTitle(), " 57") << "not within the same frame";
    QTest::qWait(40);
    EXPECT_EQ(host.widget().windowTitle(), "Quendal") << "within the next frame";
    host.form().setCaption("Quendal");
    QTest::qWait(40);
    EXPECT_EQ(counter.changes, 2) << "the text it has costs nothing";
}

int colourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

TEST_F(QtFormHostTest, EveryPictureRendersAtEachSize) {
    std::vector<std::pair<std::string, QIcon>> icons{{"window", host.widget().windowIcon()}};
    for (const ControlDesign& c : design.controls) {
        if (c.kind != ControlKind::Label) {
            icons.emplace_back(c.name, qobject_cast<QToolButton*>(host.widgetOf(c.name))->icon());
        }
    }
    for (const auto& [name, icon] : icons) {
        for (const int size : {16, 32, 64}) {
            for (const QIcon::State state : {QIcon::Off, QIcon::On}) {
                const QImage image = icon.pixmap(QSize(size, size), QIcon::Normal, state).toImage();
                EXPECT_EQ(image.size(), QSize(size, size)) << name << " at " << size;
                EXPECT_GT(colourCount(image), 2) << name << " at " << size;
            }
        }
    }
}

QImage grab(QWidget* widget) {
    return widget->grab().toImage();
}

TEST_F(QtFormHostTest, GoShowsTheLitBulbWhileChecked) {
    auto* go = qobject_cast<QToolButton*>(host.widgetOf("Go"));
    for (const int size : {16, 32, 64}) {
        EXPECT_NE(go->icon().pixmap(size, QIcon::Normal, QIcon::On).toImage(),
                  go->icon().pixmap(size, QIcon::Normal, QIcon::Off).toImage())
            << size;
    }
    host.checkBox("Go").setEnabled(true);
    host.widget().show();
    const QImage lit = grab(go);
    host.checkBox("Go").setValue(0);
    const QImage unlit = grab(go);
    EXPECT_NE(lit, unlit);
    host.checkBox("Go").setValue(1);
    EXPECT_EQ(grab(go), lit);
}

TEST_F(QtFormHostTest, ButtonsShowOnlyTheirPictureAndSayWhatTheyDo) {
    for (const ControlDesign& c : design.controls) {
        QWidget* widget = host.widgetOf(c.name);
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << c.name;
        EXPECT_FALSE(widget->accessibleDescription().isEmpty()) << c.name;
        if (c.kind == ControlKind::Label) {
            continue;
        }
        auto* button = qobject_cast<QToolButton*>(widget);
        ASSERT_NE(button, nullptr) << c.name;
        EXPECT_FALSE(button->toolTip().isEmpty()) << c.name;
        EXPECT_TRUE(button->text().isEmpty()) << c.name;
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly) << c.name;
    }
    EXPECT_EQ(host.widgetOf("Go")->toolTip(), "Hold or run the stopwatch display");
    EXPECT_EQ(host.widgetOf("Alarm")->toolTip(), "Alarm: click to silence or disarm");

    // A screen reader hears the strip as one number, and the window as a frame.
    host.form().setReading(readingOf(12346.0 / 864), ModeSelection{.clock = true});
    QApplication::processEvents();
    QAccessibleInterface* strip =
        QAccessible::queryAccessibleInterface(host.widgetOf("Blue")->parentWidget());
    EXPECT_EQ(strip->text(QAccessible::Name), "14.2893518 percent of the day");
    EXPECT_EQ(strip->childCount(), 0) << "not in four pieces";
    EXPECT_EQ(host.widgetOf("Blue")->accessibleName(), "Whole percent") << "quiet: no digits";
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&host.widget());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(host.widgetOf("Clock"))->role(),
              QAccessible::RadioButton);
    host.checkBox("Alarm").setValue(1);
    EXPECT_EQ(host.widgetOf("Alarm")->accessibleName(), "Alarm ringing");
    EXPECT_TRUE(window->text(QAccessible::Description).startsWith("The alarm is ringing"));
}

// Qt 6.8 asks for the window's accessible name around every change of its title, the first
// one included, which is shown while the window's models are still being made.
TEST(QtFormHostStartTest, TheWindowCanBeAskedForItsNameFromItsFirstCaption) {
    struct AskAtEachTitle : QObject {
        QStringList names;
        bool eventFilter(QObject* object, QEvent* event) override {
            if (event->type() == QEvent::WindowTitleChange) {
                names << QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
            }
            return false;
        }
    } asker;
    qApp->installEventFilter(&asker);
    EnglishWords words;
    QtFormHost host{windowDesign(), words};
    qApp->removeEventFilter(&asker);
    ASSERT_FALSE(asker.names.empty());
    EXPECT_EQ(asker.names.front(), "Quendal");
}

TEST_F(QtFormHostTest, TimerFiresOnTheWindowThreadWhileEnabled) {
    int firings = 0;
    Timer& prog = host.timer("Prog");
    prog.onTimer([&] { ++firings; });
    QTest::qWait(50);
    EXPECT_GT(firings, 0);
    prog.setEnabled(false);
    const int stopped = firings;
    QTest::qWait(20);
    EXPECT_EQ(firings, stopped);
}

}  // namespace
}  // namespace quendal::qt

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A private runtime directory, or Qt complains on stderr where none is set.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QFile::setPermissions(runtimeDir.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toUtf8());
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
