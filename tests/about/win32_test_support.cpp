// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "win32_test_support.h"

#include <chrono>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <type_traits>

namespace {

const std::string testRoot = "SOFTWARE\\Tarnwell Tests";
constexpr auto patience = std::chrono::seconds(30);
constexpr auto pollInterval = std::chrono::milliseconds(20);

std::string processTag() {
    return std::to_string(GetCurrentProcessId());
}

void check(LSTATUS status, const char* what) {
    if (status != ERROR_SUCCESS)
        throw std::system_error(static_cast<int>(status), std::system_category(), what);
}

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

// Opens a key for writing, creating it and any missing parents.
UniqueKey createKey(const std::string& path) {
    HKEY key = nullptr;
    check(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &key, nullptr),
          "RegCreateKeyExA");
    return UniqueKey(key);
}

} // namespace

TestRegistryKey::TestRegistryKey() : path_(testRoot + "\\" + processTag()) {
    createKey(path_);
}

TestRegistryKey::~TestRegistryKey() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, path_.c_str());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, path_.c_str());
    // Fails while another test process still has its key there.
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, testRoot.c_str());
}

void TestRegistryKey::setValue(const std::string& subKey, const std::string& name, DWORD type,
                               const std::string& bytes) const {
    const std::string fullPath = subKey.empty() ? path_ : path_ + "\\" + subKey;
    const UniqueKey key = createKey(fullPath);
    check(RegSetValueExA(key.get(), name.c_str(), 0, type,
                         reinterpret_cast<const BYTE*>(bytes.data()),
                         static_cast<DWORD>(bytes.size())),
          "RegSetValueExA");
}

TemporaryFolder::TemporaryFolder(const std::string& name)
    : path_((std::filesystem::temp_directory_path() / (name + " " + processTag())).string()) {
    std::filesystem::create_directories(path_);
}

// A program started by a test may still be on its way out; Windows refuses
// to delete its file until it has ended.
TemporaryFolder::~TemporaryFolder() {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::error_code error;
    while (std::filesystem::remove_all(path_, error) == static_cast<std::uintmax_t>(-1) &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(pollInterval);
}

std::filesystem::path ownFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(std::string(path, length)).parent_path();
}

bool waitForFile(const std::string& path) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(pollInterval);
    }
    return true;
}
