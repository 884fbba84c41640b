// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "number_text.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

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

} // namespace

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isDigits(QStringView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isDigit);
}

bool hasLeadingZero(QStringView digits) {
    return digits.size() > 1 && digits.front() == u'0';
}

std::optional<double> readDecimal(const QString& text) {
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = QStringView(text).first(point < 0 ? text.size() : point);
    const QStringView fraction = point < 0 ? QStringView() : QStringView(text).sliced(point + 1);
    const auto digitsOrNothing = [](QStringView part) {
        return part.isEmpty() || isDigits(part);
    };
    if ((whole.isEmpty() && fraction.isEmpty()) || !digitsOrNothing(whole) ||
        !digitsOrNothing(fraction))
        return std::nullopt;
    return convertRun(text);
}

QString numberText(double value) {
    constexpr double exactIntegerLimit = 9007199254740992.0; // 2^53
    if (value == std::trunc(value) && std::fabs(value) < exactIntegerLimit)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}
