// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/network_option.h"

#include "common/number_text.h"
#include "common/subnet_mask.h"

#include <QStringList>

namespace {

// One number for each group of the whole network's prefix.
qsizetype networkNumbers(const ClassFacts& of) {
    return of.prefixLength / SubnetMask::groupBits;
}

// Up to three ASCII digits: a sign, a blank or another script's digits would
// pass QString::toInt.
bool isGroupText(const QString& number) {
    return isDigits(number) && number.size() <= 3;
}

} // namespace

std::optional<QString> realNetwork(const QString& text, NetworkClass networkClass) {
    const ClassFacts& networks = facts(networkClass);
    const QStringList numbers = text.split(u'.');
    if (numbers.size() != networkNumbers(networks))
        return std::nullopt;
    QStringList written;
    for (const QString& number : numbers) {
        if (!isGroupText(number))
            return std::nullopt;
        const int value = number.toInt();
        const bool first = written.isEmpty();
        if (value > 255 ||
            (first && (value < networks.firstNumberLowest || value > networks.firstNumberHighest)))
            return std::nullopt;
        written.append(QString::number(value));
    }
    return written.join(u'.');
}

QString networkForm(NetworkClass networkClass) {
    const ClassFacts& of = facts(networkClass);
    static constexpr const char* countWords[] = {"no", "one", "two", "three", "four"};
    return QStringLiteral(
               "a Class %1 network as %2 numbers 0 to 255, the first %3 to %4, such as %5")
        .arg(QLatin1String(of.letter), QLatin1String(countWords[networkNumbers(of)]))
        .arg(of.firstNumberLowest)
        .arg(of.firstNumberHighest)
        .arg(QLatin1String(of.exampleNetwork));
}
