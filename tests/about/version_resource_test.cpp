// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "table_rows.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// This executable carries the program's icon and version information, so it
// reads them back the way Windows shows them.

namespace {

using ::PrintTo;

std::vector<char> ownVersionInfo() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::vector<char> info(GetFileVersionInfoSizeA(path, nullptr));
    if (info.empty() || !GetFileVersionInfoA(path, 0, static_cast<DWORD>(info.size()), info.data()))
        info.clear();
    return info;
}

// The bytes of one entry, or nothing when it is missing.
std::string entry(std::vector<char>& info, const std::string& name) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), name.c_str(), &value, &length))
        return {};
    return std::string(static_cast<const char*>(value), length);
}

struct TextCase {
    const char* name;
    const char* expected;
};

class VersionText : public testing::TestWithParam<TextCase> {};

TEST_P(VersionText, ReadsInUsEnglishUnicode) {
    auto info = ownVersionInfo();
    ASSERT_FALSE(info.empty());
    const std::string text =
        entry(info, std::string("\\StringFileInfo\\040904B0\\") + GetParam().name);
    EXPECT_STREQ(text.c_str(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Entries, VersionText,
                         testing::Values(TextCase{"FileVersion", "1.00"},
                                         TextCase{"ProductVersion", "1.00"},
                                         TextCase{"ProductName", "Tarnwell"},
                                         TextCase{"FileDescription", "Tarnwell"},
                                         TextCase{"InternalName", "Tarnwell"},
                                         TextCase{"OriginalFilename", "Tarnwell.exe"},
                                         TextCase{"Comments", "BETA Version"}),
                         rowName);

TEST(VersionInfo, NumbersAre1000) {
    auto info = ownVersionInfo();
    const std::string fixed = entry(info, "\\");
    ASSERT_EQ(fixed.size(), sizeof(VS_FIXEDFILEINFO));
    const auto* numbers = reinterpret_cast<const VS_FIXEDFILEINFO*>(fixed.data());
    EXPECT_EQ(numbers->dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(numbers->dwFileVersionLS, 0u);
    EXPECT_EQ(numbers->dwProductVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(numbers->dwProductVersionLS, 0u);
}

TEST(VersionInfo, TranslationIsUsEnglishUnicode) {
    auto info = ownVersionInfo();
    const std::string translation = entry(info, "\\VarFileInfo\\Translation");
    ASSERT_EQ(translation.size(), 2 * sizeof(WORD));
    const auto* words = reinterpret_cast<const WORD*>(translation.data());
    EXPECT_EQ(words[0], 0x0409);
    EXPECT_EQ(words[1], 0x04B0);
}

// The icon group as Windows lays it out in a resource.
#pragma pack(push, 2)
struct IconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(VersionInfo, CarriesTheIconAtEverySize) {
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    const auto* header =
        static_cast<const IconGroupHeader*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(header, nullptr);
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(header + 1);
    std::vector<int> widths;
    for (WORD i = 0; i < header->count; ++i)
        widths.push_back(entries[i].width);
    // A 256-pixel entry gives its width as 0.
    EXPECT_EQ(widths, (std::vector<int>{16, 32, 48, 0}));
}

// Windows reads a program's own manifest from resource 1 of type 24: it asks
// for no elevation and declares Windows 10 and 11.
TEST(VersionInfo, CarriesTheApplicationManifest) {
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                               SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find(R"(<requestedExecutionLevel level="asInvoker")"), std::string::npos);
    EXPECT_NE(manifest.find(R"(<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>)"),
              std::string::npos);
}

} // namespace
