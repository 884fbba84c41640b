// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

// Scratch places in the real registry and file system for the Windows tests,
// named after the test process so that tests running side by side never meet,
// and removed again however a test ends.

// A key below HKEY_LOCAL_MACHINE\SOFTWARE\Tarnwell Tests, deleted with all it
// holds.
class TestRegistryKey {
public:
    TestRegistryKey();
    ~TestRegistryKey();
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;

    // Path below HKEY_LOCAL_MACHINE.
    const std::string& path() const { return path_; }

    // Stores a value in the subkey (created as needed) of this key.
    void setValue(const std::string& subKey, const std::string& name, DWORD type,
                  const std::string& bytes) const;

private:
    std::string path_;
};

// A folder below the temporary folder whose name has blanks in it, deleted
// with all it holds once nothing in it is running any more.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::string& name);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // Full path, without a backslash at the end.
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The folder of this test executable, where the build puts its helpers.
std::filesystem::path ownFolder();

// Waits until the file exists, for at most a generous while; false if it
// never does.
bool waitForFile(const std::string& path);
