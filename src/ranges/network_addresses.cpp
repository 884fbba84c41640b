// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/network_addresses.h"

#include <QStringList>

int networkPrefixLength(const QString& ipClass) {
    if (ipClass == u"B")
        return 16;
    if (ipClass == u"C")
        return 24;
    return 0;
}

QString networkAddress(const QString& ipClass, const QString& netPattern) {
    return addressText(0, networkPrefixLength(ipClass), netPattern);
}

QString addressText(quint32 offset, int networkPrefix, const QString& netPattern) {
    QString text = netPattern;
    for (int shift = 32 - networkPrefix - 8; shift >= 0; shift -= 8)
        text += u'.' + QString::number((offset >> shift) & 0xff);
    return text;
}

std::optional<quint32> addressOffset(const QString& address, int networkPrefix,
                                     const QString& netPattern) {
    if (networkPrefix < 8 || !address.startsWith(netPattern + u'.'))
        return std::nullopt;
    const QStringList groups = address.sliced(netPattern.size() + 1).split(u'.');
    if (groups.size() != (32 - networkPrefix) / 8)
        return std::nullopt;
    quint32 offset = 0;
    for (const QString& group : groups) {
        bool isNumber = false;
        const uint value = group.toUInt(&isNumber);
        // Plain digits only: "07", "+7" and " 7" name no address a row holds.
        if (!isNumber || value > 255 || group != QString::number(value))
            return std::nullopt;
        offset = offset << 8 | value;
    }
    return offset;
}
