// The baseline: a bare Qt 6 window that sets its title from the time every millisecond.
// Prints its count of refreshes once a second.
#include <QApplication>
#include <QTime>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(481, 33);
    long refreshes = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        ++refreshes;
        window.setWindowTitle(QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz")));
    });
    tick.start(1);
    QTimer report;
    QObject::connect(&report, &QTimer::timeout, [&] {
        std::printf("refreshes %ld\n", refreshes);
        std::fflush(stdout);
    });
    report.setTimerType(Qt::PreciseTimer);
    report.start(1000);
    window.showMinimized();
    return QApplication::exec();
}
