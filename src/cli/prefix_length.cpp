// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/prefix_length.h"

#include "common/number_text.h"
#include "common/subnet_mask.h"

namespace {

// One or two ASCII digits without a leading zero: "/026" or "/+26" would
// pass QString::toInt but is no way of writing a length.
bool isLengthText(QStringView digits) {
    return isDigits(digits) && digits.size() <= 2 && !hasLeadingZero(digits);
}

} // namespace

std::optional<QString> readMaskWord(const QString& word, QString& mask) {
    if (!word.startsWith(u'/')) {
        mask = word;
        return std::nullopt;
    }
    const QStringView digits = QStringView(word).sliced(1);
    const std::optional<SubnetMask> length =
        isLengthText(digits) ? SubnetMask::ofPrefixLength(digits.toInt()) : std::nullopt;
    if (!length)
        return QStringLiteral("the prefix length is /0 to /32, not \"%1\"").arg(word);
    mask = length->dotted();
    return std::nullopt;
}
