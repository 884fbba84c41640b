// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/network_option.h"

#include <QStringList>

#include <algorithm>

namespace {

struct ClassNetworks {
    qsizetype numbers;
    int firstLowest;
    int firstHighest;
};

constexpr ClassNetworks classBNetworks{2, 128, 191};
constexpr ClassNetworks classCNetworks{3, 192, 223};

// Up to three ASCII digits: a sign, a blank or another script's digits would
// pass QString::toInt.
bool isGroupText(const QString& number) {
    return !number.isEmpty() && number.size() <= 3 &&
           std::all_of(number.begin(), number.end(),
                       [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

std::optional<QString> realNetwork(const QString& text, const QString& ipClass) {
    if (ipClass != u"B" && ipClass != u"C")
        return std::nullopt;
    const ClassNetworks& networks = ipClass == u"B" ? classBNetworks : classCNetworks;
    const QStringList numbers = text.split(u'.');
    if (numbers.size() != networks.numbers)
        return std::nullopt;
    QStringList written;
    for (const QString& number : numbers) {
        if (!isGroupText(number))
            return std::nullopt;
        const int value = number.toInt();
        const bool first = written.isEmpty();
        if (value > 255 ||
            (first && (value < networks.firstLowest || value > networks.firstHighest)))
            return std::nullopt;
        written.append(QString::number(value));
    }
    return written.join(u'.');
}
