// The baseline: a bare Qt 6 window with a 1 ms timer that computes its title from the
// time at every tick and hands it to the window every TITLE_MS milliseconds (1: at every
// tick). Prints its count of refreshes once a second.
// Usage: bare_title [TITLE_MS]
#include <QApplication>
#include <QElapsedTimer>
#include <QTime>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const qint64 titleMs = argc > 1 ? std::atoi(argv[1]) : 1;
    QWidget window;
    window.setFixedSize(481, 33);
    long refreshes = 0;
    QElapsedTimer sinceTitle;
    sinceTitle.start();
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        ++refreshes;
        const QString title = QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz"));
        if (titleMs <= 1 || sinceTitle.elapsed() >= titleMs) {
            window.setWindowTitle(title);
            sinceTitle.restart();
        }
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
