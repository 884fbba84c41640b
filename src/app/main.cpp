// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/platform_system_services.h"
#include "common/app_info.h"
#include "common/message_box.h"
#include "main_window.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Without a display Qt's default platform aborts; say why instead.
bool displayAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs("Tarnwell is a desktop program and needs a graphical display: no X11 or "
                   "Wayland display is set (DISPLAY / WAYLAND_DISPLAY).\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(applicationTitle));
    QApplication::setApplicationVersion(QString::fromUtf8(applicationVersion));
    QApplication::setDesktopFileName(QString::fromUtf8(applicationId));

    QtMessageBox messages;
    const std::unique_ptr<SystemServices> system = makePlatformSystemServices();
    MainWindow window(messages, *system);
    window.show();
    return app.exec();
}
