// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for any program on QtCore: it loads QtCore and prints one line
// through it, and does nothing else.

#include <QString>
#include <QTextStream>

int main() {
    QTextStream(stdout) << QStringLiteral("255.255.224.0") << '\n';
}
