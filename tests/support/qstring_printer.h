// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>
#include <ostream>

// Lets GoogleTest show texts as text when an expectation fails.
inline void PrintTo(QStringView text, std::ostream* out) {
    *out << '"' << text.toString().toStdString() << '"';
}

inline void PrintTo(const QString& text, std::ostream* out) {
    PrintTo(QStringView(text), out);
}
