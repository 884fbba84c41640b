// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// isDigits, readDecimal and numberText. Input: any text; its first eight
// bytes are also read as a double for numberText.

#include "require.h"

#include "common/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Digits with at most one "." and at least one digit, and nothing else.
bool isPlainDecimal(const QString& text) {
    return text.count(u'.') <= 1 && std::any_of(text.begin(), text.end(), isAsciiDigit) &&
           std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c == u'.' || isAsciiDigit(c); });
}

void checkReading(const QString& text) {
    const bool digits = !text.isEmpty() && std::all_of(text.begin(), text.end(), isAsciiDigit);
    require(isDigits(text) == digits, "digits are a run of ASCII digits and nothing else");
    const std::optional<double> value = readDecimal(text);
    require(!value || isPlainDecimal(text), "only plain decimal texts are read");
    require(!value || (std::isfinite(*value) && *value >= 0), "a read number is finite");
}

void checkWriting(double value) {
    const QString text = numberText(value);
    require(!text.isEmpty(), "every number has a text");
    if (!std::isfinite(value))
        return;
    const bool whole = value == std::trunc(value) && std::fabs(value) < 9007199254740992.0;
    if (whole) {
        const QString digits = text.startsWith(u'-') ? text.sliced(1) : text;
        require(isPlainDecimal(digits) && !digits.contains(u'.'), "a whole number as digits");
        require(digits == u"0" || !digits.startsWith(u'0'), "no leading zeros");
        require(readDecimal(digits) == std::fabs(value), "the digits read back as the number");
        require(text.startsWith(u'-') == (value < 0), "a minus sign exactly when negative");
    } else {
        bool isNumber = false;
        require(text.toDouble(&isNumber) == value && isNumber, "the text reads back exactly");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkReading(
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    double value = 0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        checkWriting(value);
    }
    return 0;
}
