// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/number_text.h"

#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadDecimal, ReadsPlainDecimalNumbers) {
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"0", 0},    {"6", 6},   {"007", 7},       {"2.5", 2.5}, {"5.", 5},
        {".5", 0.5}, {"0.0", 0}, {"65534", 65534}, {"1.0", 1.0}, {"123456789012", 123456789012.0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(readDecimal(QString::fromUtf8(row.text)), row.value) << row.text;
}

TEST(ReadDecimal, RefusesEverythingElse) {
    const char* const texts[] = {
        "",     ".",   " 6",  "6 ",  "+6",  "-6",     "6e3",    "1.2.3", "2,5",
        "0x10", "inf", "nan", "six", "6\n", "\u0666", "\uFF16", "..5",   "1..",
    };
    for (const char* text : texts)
        EXPECT_FALSE(readDecimal(QString::fromUtf8(text)).has_value()) << text;
    EXPECT_FALSE(readDecimal(QString(400, u'9')).has_value());
}

TEST(IsDigits, OnlyARunOfAsciiDigits) {
    const struct {
        const char* text;
        bool digits;
    } rows[] = {
        {"0", true},   {"007", true}, {"65534", true},   {"", false},       {" 7", false},
        {"7 ", false}, {"+7", false}, {"-7", false},     {"7.", false},     {"1.5", false},
        {"x7", false}, {"7x", false}, {"\u0667", false}, {"\uFF17", false}, {"1\u00B2", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(isDigits(QString::fromUtf8(row.text)), row.digits) << row.text;
}

TEST(NumberText, WritesTheShortestDecimalForm) {
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {8190, "8190"}, {0, "0"},    {-1, "-1"},   {65534, "65534"},
        {1, "1"},       {-0.0, "0"}, {2.5, "2.5"}, {1e20, "1e+20"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(numberText(row.value), QString::fromLatin1(row.text)) << row.value;
}

} // namespace
