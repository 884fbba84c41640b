// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// How the program reads numbers out of texts and writes them back.

// Whether a text is a run of ASCII digits, at least one: a sign, a blank, a
// "." or another script's digits makes it none.
bool isDigits(QStringView text);

// Reads a plain decimal number: ASCII digits with at most one "." and at least
// one digit ("007" is 7, "2.5" is 2.5, "5." is 5). Anything else - blanks,
// signs, exponents, letters, other scripts' digits - or a value beyond the
// range of a double gives no number.
std::optional<double> readDecimal(const QString& text);

// Writes a number in its shortest decimal form: whole numbers as plain digits
// with a minus sign when negative (8190, not 8190.0), no thousands separator.
QString numberText(double value);
