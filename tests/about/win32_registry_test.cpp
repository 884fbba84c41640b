// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/get_key_value.h"
#include "about/win32_system_services.h"

#include "table_rows.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>

namespace {

using ::PrintTo;

using namespace std::string_literals;

struct StoredCase {
    const char* name;
    DWORD type;
    std::string bytes;
    bool read;            // what GetKeyValue returns
    std::string expected; // keyVal after the read, which started as "before"
};

class Win32GetKeyValue : public testing::TestWithParam<StoredCase> {
protected:
    TestRegistryKey key;
    Win32SystemServices system;
};

TEST_P(Win32GetKeyValue, ReadsTheStoredValue) {
    const StoredCase& row = GetParam();
    key.setValue("", "Value", row.type, row.bytes);
    std::string keyVal = "before";

    EXPECT_EQ(GetKeyValue(system, registry::localMachine, key.path(), "Value", keyVal), row.read);
    EXPECT_EQ(keyVal, row.expected);
}

const std::string longest(valueBufferSize - 1, 'p');

INSTANTIATE_TEST_SUITE_P(
    Values, Win32GetKeyValue,
    testing::Values(StoredCase{"StringWithTerminator", REG_SZ, "C:\\Some Tools\\x.exe\0"s, true,
                               "C:\\Some Tools\\x.exe"},
                    // Whether the ANSI query adds the missing zero (and counts
                    // it) is the system's affair; the text comes back whole.
                    StoredCase{"StringWithoutTerminator", REG_SZ, "C:\\Some Tools\\x.exe", true,
                               "C:\\Some Tools\\x.exe"},
                    StoredCase{"Dword", REG_DWORD, "\x04\x03\x02\x01"s, true, "16909060"},
                    StoredCase{"ExpandString", REG_EXPAND_SZ, "%SystemRoot%\0"s, true, "before"},
                    StoredCase{"ExactlyTheBuffer", REG_SZ, longest + '\0', true, longest},
                    StoredCase{"OneByteTooLong", REG_SZ, longest + "q\0"s, false, ""}),
    rowName);

TEST_F(Win32GetKeyValue, MissingValueIsNotRead) {
    std::string keyVal = "before";
    EXPECT_FALSE(GetKeyValue(system, registry::localMachine, key.path(), "Value", keyVal));
    EXPECT_EQ(keyVal, "");
}

TEST_F(Win32GetKeyValue, MissingKeyIsNotRead) {
    std::string keyVal = "before";
    EXPECT_FALSE(
        GetKeyValue(system, registry::localMachine, key.path() + "\\Absent", "Value", keyVal));
    EXPECT_EQ(keyVal, "");
}

TEST_F(Win32GetKeyValue, ZeroSizeValueRaises) {
    key.setValue("", "Value", REG_SZ, "");
    std::string keyVal;
    EXPECT_THROW(GetKeyValue(system, registry::localMachine, key.path(), "Value", keyVal),
                 std::invalid_argument);
}

} // namespace
