// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/network_option.h"

#include "class_letter.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace {

struct NetworkCase {
    const char16_t* text;
    const char16_t* ipClass;
    const char16_t* written; // nullptr: refused
};

TEST(RealNetwork, TakesTheClassesOwnNetworksOnly) {
    const NetworkCase cases[] = {
        {u"128.0", u"B", u"128.0"},       {u"191.255", u"B", u"191.255"},
        {u"127.1", u"B", nullptr},        {u"192.1", u"B", nullptr},
        {u"172.016", u"B", nullptr}, // read as octal elsewhere
        {u"192.0.00", u"C", nullptr},     {u"172.0", u"B", u"172.0"},
        {u"192.0.0", u"C", u"192.0.0"},   {u"223.255.255", u"C", u"223.255.255"},
        {u"191.1.1", u"C", nullptr},      {u"224.1.1", u"C", nullptr},
        {u"192.168.1000", u"C", nullptr}, {u"172.+16", u"B", nullptr},
        {u"172. 16", u"B", nullptr},      {u"172.", u"B", nullptr},
        {u"172..16", u"B", nullptr},
    };
    for (const NetworkCase& c : cases) {
        const std::optional<QString> written =
            realNetwork(QString::fromUtf16(c.text), classLetter(QStringView(c.ipClass)));
        if (c.written)
            EXPECT_EQ(written.value_or(QString()), QString::fromUtf16(c.written));
        else
            EXPECT_EQ(written, std::nullopt);
    }
}

} // namespace
