// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/start_sys_info.h"

#include "about/portable_system_services.h"
#include "scripted_system_services.h"
#include "table_rows.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using ::PrintTo;

using namespace std::string_literals;
using Strings = std::vector<std::string>;

const std::string pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string toolPath = "C:\\Program Files\\Common Files\\MSInfo\\msinfo32.exe";
const std::string folder = "C:\\Windows\\System32";
const std::string toolInFolder = "C:\\Windows\\System32\\MSINFO32.EXE";
const std::string unavailable = "System Information Is Unavailable At This Time";

void pathPresent(ScriptedSystemServices& system) {
    system.setString(pathKey, "PATH", toolPath);
}

void folderHoldsTool(ScriptedSystemServices& system) {
    system.setString(folderKey, "MSINFO", folder);
    system.files.insert(toolInFolder);
}

struct Scenario {
    const char* name;
    std::function<void(ScriptedSystemServices&)> setUp;
    Strings opened;    // key paths opened, in order
    Strings fileTests; // files looked for
    Strings started;   // programs started
    bool message;      // whether the user is told the tool is unavailable
};

class StartSysInfoFinds : public testing::TestWithParam<Scenario> {};

TEST_P(StartSysInfoFinds, Tool) {
    const Scenario& row = GetParam();
    ScriptedSystemServices system;
    row.setUp(system);
    Strings messages;

    StartSysInfo(system, [&](const std::string& text) { messages.push_back(text); });

    Strings opened;
    for (const auto& open : system.opens) {
        opened.push_back(open.path);
        EXPECT_EQ(open.root, registry::localMachine);
    }
    EXPECT_EQ(opened, row.opened);
    EXPECT_EQ(system.fileTests, row.fileTests);
    EXPECT_EQ(system.started, row.started);
    EXPECT_EQ(messages, row.message ? Strings{unavailable} : Strings{});
    EXPECT_EQ(system.closedKeys, system.openedKeys);
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, StartSysInfoFinds,
    testing::Values(Scenario{"PathTakenAsReadWithoutFileTest",
                             [](auto& system) {
                                 pathPresent(system);
                                 folderHoldsTool(system);
                             },
                             {pathKey},
                             {},
                             {toolPath},
                             false},
                    Scenario{"PathThatFailsToStartHasNoFallback",
                             [](auto& system) {
                                 pathPresent(system);
                                 folderHoldsTool(system);
                                 system.startSucceeds = false;
                             },
                             {pathKey},
                             {},
                             {toolPath},
                             true},
                    Scenario{"FolderHoldingTheTool",
                             folderHoldsTool,
                             {pathKey, folderKey},
                             {toolInFolder},
                             {toolInFolder},
                             false},
                    Scenario{"PathKeyWithoutPathValue",
                             [](auto& system) {
                                 system.setString(pathKey, "Other", toolPath);
                                 folderHoldsTool(system);
                             },
                             {pathKey, folderKey},
                             {toolInFolder},
                             {toolInFolder},
                             false},
                    Scenario{"PathTooLongCountsAsAbsent",
                             [](auto& system) {
                                 system.setString(pathKey, "PATH", std::string(1024, 'p'));
                                 folderHoldsTool(system);
                             },
                             {pathKey, folderKey},
                             {toolInFolder},
                             {toolInFolder},
                             false},
                    Scenario{"FolderWithoutTheTool",
                             [](auto& system) { system.setString(folderKey, "MSINFO", folder); },
                             {pathKey, folderKey},
                             {toolInFolder},
                             {},
                             true},
                    Scenario{"FolderEndingInBackslashJoinedAsIs",
                             [](auto& system) {
                                 system.setString(folderKey, "MSINFO", "C:\\Tools\\");
                                 system.files.insert("C:\\Tools\\\\MSINFO32.EXE");
                             },
                             {pathKey, folderKey},
                             {"C:\\Tools\\\\MSINFO32.EXE"},
                             {"C:\\Tools\\\\MSINFO32.EXE"},
                             false},
                    Scenario{"NeitherLocation", [](auto&) {}, {pathKey, folderKey}, {}, {}, true},
                    Scenario{"PathOfAnotherTypeStartsNothing",
                             [](auto& system) {
                                 system.setValue(pathKey, "PATH", registry::expandStringType,
                                                 "%SystemRoot%\\msinfo32.exe\0"s);
                                 folderHoldsTool(system);
                             },
                             {pathKey},
                             {},
                             {},
                             true},
                    // An empty folder would point the file name at the root of the
                    // current drive, where anyone may have put a MSINFO32.EXE.
                    Scenario{"FolderOfAnotherTypeNeverProbesTheDriveRoot",
                             [](auto& system) {
                                 system.setValue(folderKey, "MSINFO", registry::expandStringType,
                                                 "%SystemRoot%\0"s);
                                 system.files.insert("\\MSINFO32.EXE");
                             },
                             {pathKey, folderKey},
                             {},
                             {},
                             true},
                    Scenario{"ZeroSizePathIsCaught",
                             [](auto& system) {
                                 system.setValue(pathKey, "PATH", registry::stringType, "");
                                 folderHoldsTool(system);
                             },
                             {pathKey},
                             {},
                             {},
                             true},
                    Scenario{"ZeroSizeFolderIsCaught",
                             [](auto& system) {
                                 system.setValue(folderKey, "MSINFO", registry::stringType, "");
                             },
                             {pathKey, folderKey},
                             {},
                             {},
                             true},
                    Scenario{"FailingFileTestIsCaught",
                             [](auto& system) {
                                 folderHoldsTool(system);
                                 system.fileTestThrows = true;
                             },
                             {pathKey, folderKey},
                             {toolInFolder},
                             {},
                             true}),
    rowName);

TEST(StartSysInfo, RepeatsBothLookupsOnEveryCall) {
    ScriptedSystemServices system;
    folderHoldsTool(system);

    StartSysInfo(system, [](const std::string&) {});
    StartSysInfo(system, [](const std::string&) {});
    EXPECT_EQ(system.opens.size(), 4u);
    EXPECT_EQ(system.started, (Strings{toolInFolder, toolInFolder}));
}

// Without a registry the button can only say that the tool is unavailable.
TEST(StartSysInfo, PortableServicesFindNoTool) {
    PortableSystemServices system;
    Strings messages;

    StartSysInfo(system, [&](const std::string& text) { messages.push_back(text); });
    EXPECT_EQ(messages, Strings{unavailable});
}

} // namespace
