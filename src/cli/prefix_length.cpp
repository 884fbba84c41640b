// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/prefix_length.h"

#include <QtGlobal>

#include <algorithm>

namespace {

constexpr int longestPrefix = 32;

// One or two ASCII digits without a leading zero: "/026" or "/+26" would
// pass QString::toInt but is no way of writing a length.
bool isLengthText(QStringView digits) {
    return !digits.isEmpty() && digits.size() <= 2 && (digits.size() == 1 || digits[0] != u'0') &&
           std::all_of(digits.begin(), digits.end(),
                       [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString dottedMask(int length) {
    // Shifting a 32-bit value by 32 is undefined, so /0 is spelt out.
    const quint32 bits = length == 0 ? 0 : ~quint32(0) << (longestPrefix - length);
    return QStringLiteral("%1.%2.%3.%4")
        .arg(bits >> 24)
        .arg((bits >> 16) & 0xff)
        .arg((bits >> 8) & 0xff)
        .arg(bits & 0xff);
}

} // namespace

std::optional<QString> readMaskWord(const QString& word, QString& mask) {
    if (!word.startsWith(u'/')) {
        mask = word;
        return std::nullopt;
    }
    const QStringView digits = QStringView(word).sliced(1);
    const int length = isLengthText(digits) ? digits.toInt() : -1;
    if (length < 0 || length > longestPrefix)
        return QStringLiteral("the prefix length is /0 to /32, not \"%1\"").arg(word);
    mask = dottedMask(length);
    return std::nullopt;
}
