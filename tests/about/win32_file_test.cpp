// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/win32_system_services.h"

#include "table_rows.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <string>

namespace {

using ::PrintTo;

struct FileCase {
    const char* name;
    DWORD attributes; // 0: no such file
    bool ordinary;
};

class Win32FileTest : public testing::TestWithParam<FileCase> {
protected:
    TemporaryFolder folder{"tarnwell files"};
};

TEST_P(Win32FileTest, CountsOnlyOrdinaryFiles) {
    const FileCase& row = GetParam();
    const std::string path = folder.path() + "\\MSINFO32.EXE";
    if (row.attributes == FILE_ATTRIBUTE_DIRECTORY) {
        ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    } else if (row.attributes != 0) {
        std::ofstream(path) << "x";
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), row.attributes));
    }

    Win32SystemServices system;
    EXPECT_EQ(system.isOrdinaryFile(path), row.ordinary);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

INSTANTIATE_TEST_SUITE_P(Attributes, Win32FileTest,
                         testing::Values(FileCase{"Normal", FILE_ATTRIBUTE_NORMAL, true},
                                         FileCase{"ReadOnly", FILE_ATTRIBUTE_READONLY, true},
                                         FileCase{"Archive", FILE_ATTRIBUTE_ARCHIVE, true},
                                         FileCase{"Hidden", FILE_ATTRIBUTE_HIDDEN, false},
                                         FileCase{"System", FILE_ATTRIBUTE_SYSTEM, false},
                                         FileCase{"Directory", FILE_ATTRIBUTE_DIRECTORY, false},
                                         FileCase{"Missing", 0, false}),
                         rowName);

} // namespace
