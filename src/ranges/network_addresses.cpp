// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/network_addresses.h"

#include "common/number_text.h"

#include <QList>

QString networkAddress(NetworkClass networkClass, const QString& netPattern) {
    return addressText(0, facts(networkClass).prefixLength, netPattern);
}

QString addressText(quint32 offset, int networkPrefix, const QString& netPattern) {
    QString text;
    text.reserve(netPattern.size() + 8);
    text += netPattern;
    // Written digit by digit: lists of tens of thousands of rows are built
    // from this.
    for (int shift = 32 - networkPrefix - 8; shift >= 0; shift -= 8) {
        const quint32 group = (offset >> shift) & 0xff;
        text += u'.';
        if (group >= 100)
            text += QChar(u'0' + group / 100);
        if (group >= 10)
            text += QChar(u'0' + group / 10 % 10);
        text += QChar(u'0' + group % 10);
    }
    return text;
}

namespace {

// A group of an address: 0 to 255 in plain digits, so "07", "+7" and " 7"
// name no address a row holds.
std::optional<quint32> groupValue(QStringView digits) {
    if (!isDigits(digits) || digits.size() > 3 || (digits.size() > 1 && digits[0] == u'0'))
        return std::nullopt;
    quint32 value = 0;
    for (QChar digit : digits)
        value = value * 10 + (digit.unicode() - u'0');
    return value <= 255 ? std::optional(value) : std::nullopt;
}

} // namespace

std::optional<quint32> addressOffset(const QString& address, int networkPrefix,
                                     const QString& netPattern) {
    const qsizetype start = netPattern.size() + 1;
    if (networkPrefix < 8 || address.size() <= start || !address.startsWith(netPattern) ||
        address[start - 1] != u'.')
        return std::nullopt;
    const QList<QStringView> groups = QStringView(address).sliced(start).split(u'.');
    if (groups.size() != (32 - networkPrefix) / 8)
        return std::nullopt;
    quint32 offset = 0;
    for (QStringView group : groups) {
        const std::optional<quint32> value = groupValue(group);
        if (!value)
            return std::nullopt;
        offset = offset << 8 | *value;
    }
    return offset;
}
