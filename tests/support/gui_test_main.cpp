// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// GoogleTest main for tests that drive real widgets: starts a QApplication on
// the offscreen platform (or the one TARNWELL_TEST_PLATFORM names) and fails
// any test that leaves a modal dialog open, closing it so the run goes on
// instead of hanging.

#include "common/app_info.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class ModalWatchdog : public QObject {
public:
    ModalWatchdog() {
        connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::check);
        timer_.start(1000);
    }

private:
    // A dialog seen open on two checks in a row was not closed by its test.
    void check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal == lastSeen_) {
            ADD_FAILURE() << "Unexpected modal dialog left open: "
                          << modal->objectName().toStdString();
            modal->close();
        }
        lastSeen_ = modal;
    }

    QTimer timer_;
    QPointer<QWidget> lastSeen_;
};

} // namespace

int main(int argc, char* argv[]) {
    const QByteArray platform = qgetenv("TARNWELL_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(applicationTitle));
    QApplication::setApplicationVersion(QString::fromUtf8(applicationVersion));
    ModalWatchdog watchdog;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
