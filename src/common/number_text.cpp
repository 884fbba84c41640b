// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "number_text.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Length of the run of digits with at most one "." at the start of text.
qsizetype decimalRunLength(const QString& text) {
    qsizetype length = 0;
    bool seenPoint = false;
    for (QChar c : text) {
        if (c == u'.' && !seenPoint) {
            seenPoint = true;
        } else if (!isAsciiDigit(c)) {
            break;
        }
        ++length;
    }
    return length;
}

// Converts a run that holds only digits and at most one "." (and at least one
// digit); no value when it lies beyond the range of a double.
std::optional<double> convertRun(const QString& run) {
    const QByteArray latin = run.toLatin1();
    double value = 0;
    const auto [end, error] =
        std::from_chars(latin.data(), latin.data() + latin.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != latin.data() + latin.size())
        return std::nullopt;
    return value;
}

bool holdsDigit(const QString& run) {
    return std::any_of(run.begin(), run.end(), isAsciiDigit);
}

// Whether a run's value is at least 1: a digit other than 0 before its ".".
bool reachesOne(const QString& run) {
    const auto wholePartEnd = std::find(run.begin(), run.end(), u'.');
    return std::any_of(run.begin(), wholePartEnd, [](QChar c) { return c != u'0'; });
}

} // namespace

std::optional<double> readDecimal(const QString& text) {
    if (decimalRunLength(text) != text.size() || !holdsDigit(text))
        return std::nullopt;
    return convertRun(text);
}

double leadingNumber(const QString& text) {
    QString run = text.left(decimalRunLength(text));
    if (!holdsDigit(run))
        return 0;
    if (const std::optional<double> value = convertRun(run))
        return *value;
    // Beyond a double: a run too large counts as the largest value a double
    // holds, one too small (it underflows) as 0.
    return reachesOne(run) ? std::numeric_limits<double>::max() : 0;
}

QString numberText(double value) {
    constexpr double exactIntegerLimit = 9007199254740992.0; // 2^53
    if (value == std::trunc(value) && std::fabs(value) < exactIntegerLimit)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}
