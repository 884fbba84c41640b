// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/about_captions.h"

#include "qstring_printer.h"
#include "table_rows.h"

#include <gtest/gtest.h>

namespace {

struct VersionCase {
    const char* name;
    const char* version;
    const char* caption;
};

using ::PrintTo;

class VersionCaption : public testing::TestWithParam<VersionCase> {};

TEST_P(VersionCaption, GivesMajorMinorRevision) {
    EXPECT_EQ(versionCaption(QString::fromLatin1(GetParam().version)),
              QString::fromLatin1(GetParam().caption));
}

INSTANTIATE_TEST_SUITE_P(Versions, VersionCaption,
                         testing::Values(VersionCase{"Whole", "1.0.0", "Version 1.0.0"},
                                         VersionCase{"TwoDigits", "12.34.56", "Version 12.34.56"},
                                         VersionCase{"NoRevision", "2.5", "Version 2.5.0"},
                                         VersionCase{"MajorOnly", "3", "Version 3.0.0"},
                                         VersionCase{"FourNumbers", "1.2.3.4", "Version 1.2.3"},
                                         VersionCase{"Empty", "", "Version 0.0.0"}),
                         rowName);

TEST(AboutWindowCaption, PutsAboutBeforeTheTitle) {
    EXPECT_EQ(aboutWindowCaption(QStringLiteral("Tarnwell")), QStringLiteral("About Tarnwell"));
}

} // namespace
