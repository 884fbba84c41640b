// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classic_font.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

namespace {

const QString bundledFamily = QStringLiteral("Liberation Sans");

// The faces taken from the system where it has them, narrow ones first, so
// that captions sized for the original face fit.
const QStringList& installedFamilies() {
#if defined(Q_OS_WIN)
    // Windows keeps MS Sans Serif only as a bitmap face, drawn at a few sizes
    // alone; for every other size Windows itself substitutes the TrueType
    // Microsoft Sans Serif, so that is the face to ask for. Any other face
    // comes bundled: a Liberation Sans installed elsewhere may be the older
    // 1.x, whose own hinting, which Windows' renderer and Wine's obey, wipes
    // out the stem of "I" at dialog sizes.
    static const QStringList families = {QStringLiteral("Microsoft Sans Serif")};
#else
    static const QStringList families = {
        QStringLiteral("MS Sans Serif"),   QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
        QStringLiteral("Nimbus Sans"),     QStringLiteral("Helvetica"),
    };
#endif
    return families;
}

const QStringList& classicFamilies() {
    static const QStringList families = [] {
        QStringList all = installedFamilies();
        if (!all.contains(bundledFamily))
            all.append(bundledFamily);
        return all;
    }();
    return families;
}

// Wider faces such as DejaVu Sans clip the captions, so a system without any
// of the installed faces gets the bundled, metrically compatible Liberation
// Sans. It is loaded only then: reading the faces costs start-up time.
// Answers whether the bundled face was loaded.
bool bundleFaceWhereNoneInstalled() {
    const QStringList installed = QFontDatabase::families();
    const bool anyInstalled =
        std::any_of(installedFamilies().cbegin(), installedFamilies().cend(),
                    [&installed](const QString& family) { return installed.contains(family); });
    if (anyInstalled)
        return false;
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
    return true;
}

} // namespace

QFont classicFont(qreal points, bool bold) {
    [[maybe_unused]] static const bool bundled = bundleFaceWhereNoneInstalled();
    QFont font;
    font.setFamilies(classicFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
