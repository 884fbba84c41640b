// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/network_option.h"

#include "common/number_text.h"
#include "common/subnet_mask.h"

#include <QStringList>

#include <algorithm>

namespace {

// One number for each group of the whole network's prefix.
qsizetype networkNumbers(const ClassFacts& of) {
    return of.prefixLength / SubnetMask::groupBits;
}

// A number of an address: 0 to 255 in plain digits without a leading zero.
// A sign, a blank or another script's digits would pass QString::toInt.
std::optional<int> addressNumber(QStringView text) {
    if (!isDigits(text) || hasLeadingZero(text) || text.size() > 3 || text.toInt() > 255)
        return std::nullopt;
    return text.toInt();
}

} // namespace

std::optional<QString> realNetwork(const QString& text, NetworkClass networkClass) {
    const ClassFacts& networks = facts(networkClass);
    const QStringList numbers = text.split(u'.');
    if (numbers.size() != networkNumbers(networks))
        return std::nullopt;
    for (const QString& number : numbers) {
        if (!addressNumber(number))
            return std::nullopt;
    }
    const int first = numbers.front().toInt();
    if (first < networks.firstNumberLowest || first > networks.firstNumberHighest)
        return std::nullopt;
    return text;
}

bool writesLeadingZero(const QString& address) {
    const QStringList numbers = address.split(u'.');
    return std::any_of(numbers.begin(), numbers.end(), [](const QString& number) {
        return isDigits(number) && hasLeadingZero(number);
    });
}

QString networkForm(NetworkClass networkClass) {
    const ClassFacts& of = facts(networkClass);
    static constexpr const char* countWords[] = {"no", "one", "two", "three", "four"};
    return QStringLiteral("a Class %1 network as %2 numbers 0 to 255 without leading zeros, the "
                          "first %3 to %4, such as %5")
        .arg(QLatin1String(of.letter), QLatin1String(countWords[networkNumbers(of)]))
        .arg(of.firstNumberLowest)
        .arg(of.firstNumberHighest)
        .arg(QLatin1String(of.exampleNetwork));
}
