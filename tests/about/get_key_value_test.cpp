// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/get_key_value.h"

#include "scripted_system_services.h"
#include "table_rows.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>

namespace {

using ::PrintTo;

using namespace std::string_literals;

const std::string keyPath = "SOFTWARE\\Tarnwell\\Test";

struct ValueCase {
    const char* name;
    std::uint32_t type;
    std::string bytes;
    std::string expected; // keyVal after the read, which started as "before"
};

class GetKeyValueReads : public testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValueReads, StoredValue) {
    const ValueCase& row = GetParam();
    ScriptedSystemServices system;
    system.setValue(keyPath, "Value", row.type, row.bytes);
    std::string keyVal = "before";

    EXPECT_TRUE(GetKeyValue(system, registry::localMachine, keyPath, "Value", keyVal));
    EXPECT_EQ(keyVal, row.expected);
    EXPECT_EQ(system.closedKeys, system.openedKeys);
}

const std::string longest(valueBufferSize - 1, 'p');

INSTANTIATE_TEST_SUITE_P(
    Types, GetKeyValueReads,
    testing::Values(
        ValueCase{"StringDropsTerminator", registry::stringType, "C:\\Tools\\x.exe\0"s,
                  "C:\\Tools\\x.exe"},
        ValueCase{"StringWithoutTerminatorKeepsLastCharacter", registry::stringType,
                  "C:\\Tools\\x.exe", "C:\\Tools\\x.exe"},
        ValueCase{"OnlyOneTrailingZeroDropped", registry::stringType, "ab\0\0"s, "ab\0"s},
        ValueCase{"StringOfOneZeroIsEmpty", registry::stringType, "\0"s, ""},
        ValueCase{"StringFillingTheBuffer", registry::stringType, longest + '\0', longest},
        ValueCase{"AnsiBytesKeptAsTheyAre", registry::stringType, "Caf\xe9\0"s, "Caf\xe9"},
        ValueCase{"DwordLittleEndianAsDecimal", registry::dwordType, "\x04\x03\x02\x01"s,
                  "16909060"},
        ValueCase{"DwordHighZeroByteDropped", registry::dwordType, "\x2a\x00\x00\x00"s, "42"},
        ValueCase{"DwordLongerThanFourBytesReadsItsFirstFour", registry::dwordType,
                  "\x01\x02\x03\x04\x05\x06"s, "67305985"},
        ValueCase{"DwordLargestIsUnsigned", registry::dwordType, "\xff\xff\xff\xff"s, "4294967295"},
        ValueCase{"ExpandStringLeavesTextAlone", registry::expandStringType, "%WINDIR%\0"s,
                  "before"},
        ValueCase{"MultiStringLeavesTextAlone", registry::multiStringType, "a\0b\0\0"s, "before"}),
    rowName);

struct MissingCase {
    const char* name;
    bool keyExists;
    std::string bytes; // of a string value, when the key exists
};

class GetKeyValueMisses : public testing::TestWithParam<MissingCase> {};

TEST_P(GetKeyValueMisses, ReturnsFalseAndEmptiesText) {
    const MissingCase& row = GetParam();
    ScriptedSystemServices system;
    if (row.keyExists)
        system.setValue(keyPath, row.bytes.empty() ? "Other" : "Value", registry::stringType,
                        row.bytes);
    std::string keyVal = "before";

    EXPECT_FALSE(GetKeyValue(system, registry::localMachine, keyPath, "Value", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(system.closedKeys, system.openedKeys);
}

INSTANTIATE_TEST_SUITE_P(
    Absent, GetKeyValueMisses,
    testing::Values(MissingCase{"NoKey", false, ""}, MissingCase{"NoValue", true, ""},
                    MissingCase{"OneByteTooLong", true, std::string(valueBufferSize, 'p') + '\0'}),
    rowName);

TEST(GetKeyValue, ZeroSizeValueRaisesAndStillClosesTheKey) {
    ScriptedSystemServices system;
    system.setValue(keyPath, "Value", registry::stringType, "");
    std::string keyVal;

    EXPECT_THROW(GetKeyValue(system, registry::localMachine, keyPath, "Value", keyVal),
                 std::invalid_argument);
    ASSERT_EQ(system.openedKeys.size(), 1u);
    EXPECT_EQ(system.closedKeys, system.openedKeys);
}

// A size past the buffer can only come from a faulty service; reading that
// many bytes would run past the buffer's end.
TEST(GetKeyValue, RefusesASizeBeyondTheBufferEvenWithSuccess) {
    for (const std::uint32_t claimed : {1025u, 0xFFFFFFFFu}) {
        ScriptedSystemServices system;
        system.setValue(keyPath, "Value", registry::stringType, "x");
        system.keys[keyPath].values["Value"].claimedSize = claimed;
        std::string keyVal = "before";

        EXPECT_FALSE(GetKeyValue(system, registry::localMachine, keyPath, "Value", keyVal));
        EXPECT_EQ(keyVal, "");
        EXPECT_EQ(system.closedKeys, system.openedKeys);
    }
}

// Write access would turn away every user who may not change
// HKEY_LOCAL_MACHINE, so the key is opened for reading only.
TEST(GetKeyValue, OpensTheKeyReadOnlyBelowTheGivenRoot) {
    ScriptedSystemServices system;
    system.setString(keyPath, "Value", "x");
    std::string keyVal;

    GetKeyValue(system, registry::localMachine, keyPath, "Value", keyVal);
    ASSERT_EQ(system.opens.size(), 1u);
    EXPECT_EQ(system.opens[0].root, registry::localMachine);
    EXPECT_EQ(system.opens[0].path, keyPath);
    EXPECT_EQ(system.opens[0].access, 0x20019u);
}

TEST(GetKeyValue, OffersAZeroedBufferOfTheFullSize) {
    ScriptedSystemServices system;
    system.setString(keyPath, "Value", "x");
    std::string keyVal;

    GetKeyValue(system, registry::localMachine, keyPath, "Value", keyVal);
    ASSERT_EQ(system.queries.size(), 1u);
    EXPECT_EQ(system.queries[0].name, "Value");
    EXPECT_EQ(system.queries[0].offeredSize, 1024u);
    EXPECT_TRUE(system.queries[0].bufferZeroed);
}

} // namespace
