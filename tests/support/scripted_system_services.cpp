// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scripted_system_services.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

void ScriptedSystemServices::setString(const std::string& path, const std::string& name,
                                       const std::string& text) {
    setValue(path, name, registry::stringType, text + '\0');
}

void ScriptedSystemServices::setValue(const std::string& path, const std::string& name,
                                      std::uint32_t type, std::string bytes) {
    keys[path].values[name] = Value{type, std::move(bytes), std::nullopt};
}

RegistryStatus ScriptedSystemServices::openKey(RegistryKey root, const std::string& path,
                                               std::uint32_t access, RegistryKey& key) {
    opens.push_back({root, path, access});
    if (root != registry::localMachine || !keys.contains(path))
        return registry::fileNotFound;
    key = nextHandle_++;
    handles_[key] = path;
    openedKeys.push_back(key);
    return registry::success;
}

RegistryStatus ScriptedSystemServices::queryValue(RegistryKey key, const std::string& name,
                                                  std::uint32_t& type, std::uint8_t* data,
                                                  std::uint32_t& size) {
    queries.push_back({name, size, std::all_of(data, data + size, [](auto b) { return b == 0; })});
    const auto& values = keys.at(handles_.at(key)).values;
    const auto found = values.find(name);
    if (found == values.end())
        return registry::fileNotFound;
    const Value& value = found->second;
    if (value.claimedSize) {
        std::memcpy(data, value.bytes.data(), std::min<std::size_t>(value.bytes.size(), size));
        size = *value.claimedSize;
        type = value.type;
        return registry::success;
    }
    const bool fits = value.bytes.size() <= size;
    size = static_cast<std::uint32_t>(value.bytes.size());
    if (!fits)
        return registry::moreData;
    std::memcpy(data, value.bytes.data(), value.bytes.size());
    type = value.type;
    return registry::success;
}

void ScriptedSystemServices::closeKey(RegistryKey key) {
    closedKeys.push_back(key);
    handles_.erase(key);
}

bool ScriptedSystemServices::isOrdinaryFile(const std::string& path) {
    fileTests.push_back(path);
    if (fileTestThrows)
        throw std::runtime_error("file test failed");
    return files.contains(path);
}

bool ScriptedSystemServices::startProgram(const std::string& path) {
    started.push_back(path);
    return startSucceeds;
}
