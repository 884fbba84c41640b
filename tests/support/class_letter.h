// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"

#include <QString>
#include <stdexcept>

// Test tables name a class by its letter, as the window and the command line do.
inline NetworkClass classLetter(QStringView letter) {
    const std::optional<NetworkClass> named = classNamed(letter);
    if (!named)
        throw std::invalid_argument("a test names a class other than B or C");
    return *named;
}

inline NetworkClass classLetter(const char* letter) {
    return classLetter(QString::fromLatin1(letter));
}

// And the letter of a class, to compare with a table's.
inline QString letterOf(NetworkClass networkClass) {
    return QString::fromLatin1(facts(networkClass).letter);
}
