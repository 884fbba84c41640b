// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "about/system_services.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// A registry, file system and process table set up by the test, recording
// what the launcher asks of it.
class ScriptedSystemServices : public SystemServices {
public:
    struct Value {
        std::uint32_t type = registry::stringType;
        std::string bytes;
        // A faulty service: reports success with this size, whatever it wrote.
        std::optional<std::uint32_t> claimedSize;
    };
    struct Key {
        std::map<std::string, Value> values;
    };
    struct Open {
        RegistryKey root;
        std::string path;
        std::uint32_t access;
    };
    struct Query {
        std::string name;
        std::uint32_t offeredSize; // the buffer size the caller passed in
        bool bufferZeroed;         // whether the caller's buffer was all zero
    };

    // Set up by the test.
    std::map<std::string, Key> keys; // by path below HKEY_LOCAL_MACHINE
    std::set<std::string> files;     // ordinary files
    bool startSucceeds = true;
    bool fileTestThrows = false;

    // Recorded.
    std::vector<Open> opens;
    std::vector<Query> queries;
    std::vector<RegistryKey> openedKeys;
    std::vector<RegistryKey> closedKeys;
    std::vector<std::string> fileTests;
    std::vector<std::string> started;

    // A key holding one string value, terminated as a REG_SZ usually is.
    void setString(const std::string& path, const std::string& name, const std::string& text);
    void setValue(const std::string& path, const std::string& name, std::uint32_t type,
                  std::string bytes);

    RegistryStatus openKey(RegistryKey root, const std::string& path, std::uint32_t access,
                           RegistryKey& key) override;
    RegistryStatus queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                              std::uint8_t* data, std::uint32_t& size) override;
    void closeKey(RegistryKey key) override;
    bool isOrdinaryFile(const std::string& path) override;
    bool startProgram(const std::string& path) override;

private:
    std::map<RegistryKey, std::string> handles_; // open handles to their key paths
    RegistryKey nextHandle_ = 0x100;
};
