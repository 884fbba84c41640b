// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into a start-up probe: when the first frame has been painted, prints
// the monotonic clock in nanoseconds and ends the program. The clock is the
// one the starting process read just before it started this one.

#include <QCoreApplication>
#include <QEvent>
#include <cstdio>
#include <ctime>

namespace {

class FirstFrameProbe : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued, so the whole frame is painted and flushed before it runs.
            QMetaObject::invokeMethod(this, &FirstFrameProbe::report, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void report() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool seen_ = false;
};

void installProbe() {
    QCoreApplication::instance()->installEventFilter(new FirstFrameProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
