// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/start_sys_info.h"
#include "about/win32_system_services.h"

#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// The Win32 services with HKEY_LOCAL_MACHINE moved into a test key, so that
// the launcher reads the test's own entries through the real registry.
class RedirectedSystemServices : public Win32SystemServices {
public:
    explicit RedirectedSystemServices(std::string base) : base_(std::move(base)) {}

    RegistryStatus openKey(RegistryKey root, const std::string& path, std::uint32_t access,
                           RegistryKey& key) override {
        return Win32SystemServices::openKey(root, base_ + "\\" + path, access, key);
    }

private:
    std::string base_;
};

// Note left by the probe: its command line and its show command.
Strings readNote(const std::string& path) {
    std::ifstream in(path);
    Strings lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The probe stands as the tool in a folder whose name has a blank. A second
// copy waits where an unquoted start would look first: "...\System.exe".
class Win32StartSysInfo : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(toolFolder);
        const auto probe = ownFolder() / "tarnwell_sysinfo_probe.exe";
        std::filesystem::copy_file(probe, toolFolder + "\\MSINFO32.EXE");
        std::filesystem::copy_file(probe, folder.path() + "\\System.exe");
    }

    Strings run() {
        Strings messages;
        StartSysInfo(system, [&](const std::string& text) { messages.push_back(text); });
        return messages;
    }

    // Waits for the tool to report; ends the test if it never started.
    Strings toolNote() {
        const std::string note = toolFolder + "\\started.txt";
        if (!waitForFile(note))
            ADD_FAILURE() << "the tool never started";
        return readNote(note);
    }

    TestRegistryKey key;
    TemporaryFolder folder{"tarnwell start"};
    const std::string toolFolder = folder.path() + "\\System Tools";
    const std::string tool = toolFolder + "\\MSINFO32.EXE";
    RedirectedSystemServices system{key.path()};
};

TEST_F(Win32StartSysInfo, StartsThePathByItsFullName) {
    key.setValue(sysInfoPathKey, sysInfoPathValue, REG_SZ, tool);

    EXPECT_EQ(run(), Strings{});
    EXPECT_EQ(toolNote(), (Strings{'"' + tool + '"', std::to_string(SW_SHOWNORMAL)}));
    EXPECT_FALSE(std::filesystem::exists(folder.path() + "\\started.txt"));
}

TEST_F(Win32StartSysInfo, StartsTheToolInTheFolder) {
    key.setValue(sysInfoFolderKey, sysInfoFolderValue, REG_SZ, toolFolder);

    EXPECT_EQ(run(), Strings{});
    EXPECT_EQ(toolNote(), (Strings{'"' + tool + '"', std::to_string(SW_SHOWNORMAL)}));
}

TEST_F(Win32StartSysInfo, PathToNothingShowsTheMessage) {
    key.setValue(sysInfoPathKey, sysInfoPathValue, REG_SZ, toolFolder + "\\Absent.exe");
    key.setValue(sysInfoFolderKey, sysInfoFolderValue, REG_SZ, toolFolder);

    EXPECT_EQ(run(), Strings{sysInfoUnavailable});
}

TEST_F(Win32StartSysInfo, FolderWithoutTheToolShowsTheMessage) {
    key.setValue(sysInfoFolderKey, sysInfoFolderValue, REG_SZ, folder.path());

    EXPECT_EQ(run(), Strings{sysInfoUnavailable});
}

} // namespace
