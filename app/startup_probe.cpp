#include "app/startup_probe.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace {

QElapsedTimer mainClock;

// Milliseconds since the kernel started this process (from /proc, in clock
// ticks), or -1 when that cannot be read.
double MsSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray text = stat.readAll();
    // Field 22 (starttime) counts from the field after the command name.
    const int close = text.lastIndexOf(')');
    if (close < 0) return -1;
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    if (fields.size() < 20) return -1;
    const double ticks = fields[19].toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - ticks * 1000.0 / sysconf(_SC_CLK_TCK);
}

class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The timer runs once the paint event has been handled and the
            // frame has gone to the screen.
            QTimer::singleShot(0, [] {
                std::printf("first paint: %.0f ms (%lld ms since main)\n", MsSinceProcessStart(),
                            static_cast<long long>(mainClock.elapsed()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

}  // namespace

void StartStartupClock() {
    mainClock.start();
}

void ExitAfterFirstPaintIfAsked(QWidget* board) {
    if (qEnvironmentVariableIntValue("POLYSHARD_EXIT_AFTER_FIRST_PAINT") != 1) return;
    board->installEventFilter(new FirstPaintWatch(board));
}
