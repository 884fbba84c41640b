// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// How the program reads numbers out of texts and writes them back.

// Whether a character is an ASCII digit: a sign, a blank, a "." or another
// script's digit is none.
bool isDigit(QChar c);
// Whether a text is a run of digits, at least one.
bool isDigits(QStringView text);
// Whether a run of digits begins with a 0 that is not the whole number, as
// in "016": some tools read such a number as octal, so it is refused where an
// address is read.
bool hasLeadingZero(QStringView digits);

// Reads a plain decimal number: ASCII digits with at most one "." and at least
// one digit ("007" is 7, "2.5" is 2.5, "5." is 5). Anything else - blanks,
// signs, exponents, letters, other scripts' digits - or a value beyond the
// range of a double gives no number.
std::optional<double> readDecimal(const QString& text);

// Writes a number in its shortest decimal form: whole numbers as plain digits
// with a minus sign when negative (8190, not 8190.0), no thousands separator.
QString numberText(double value);
