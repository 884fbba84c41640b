// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/about_captions.h"

#include <QVersionNumber>

QString aboutWindowCaption(const QString& title) {
    return QStringLiteral("About ") + title;
}

QString versionCaption(const QString& applicationVersion) {
    const QVersionNumber version = QVersionNumber::fromString(applicationVersion);
    return QStringLiteral("Version %1.%2.%3")
        .arg(version.majorVersion())
        .arg(version.minorVersion())
        .arg(version.microVersion());
}
