// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/network_addresses.h"

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
