// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// GetKeyValue over the scripted registry with any value type, size and bytes.
// Input bytes: a flags byte (bit 0: the key exists, bit 1: the value exists,
// bits 2 to 4: the size the service reports), four bytes of value type
// (little-endian), two bytes of value length; the rest, repeated to that
// length, is the value's data.

#include "require.h"

#include "about/get_key_value.h"
#include "scripted_system_services.h"

#include <algorithm>
#include <optional>
#include <span>
#include <stdexcept>

namespace {

const std::string keyPath = "SOFTWARE\\Tarnwell\\Fuzz";

// What the service reports besides the honest size of the data it holds.
std::optional<std::uint32_t> claimedSize(std::uint8_t choice) {
    constexpr std::uint32_t sizes[] = {0, 1023, 1024, 1025, 0xFFFFFFFF};
    if (choice >= 1 && choice <= std::size(sizes))
        return sizes[choice - 1];
    return std::nullopt;
}

std::uint32_t littleEndian(const std::uint8_t* bytes, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    return value;
}

// What the caller should find in keyVal after a successful read of `stored`
// with the size the service reported.
std::string expectedText(const ScriptedSystemServices::Value& stored, std::uint32_t size) {
    std::string kept = stored.bytes.substr(0, size);
    kept.resize(size, '\0'); // the buffer was all zero beyond what was written
    if (kept.back() == '\0')
        kept.pop_back();
    if (stored.type == registry::stringType)
        return kept;
    if (stored.type == registry::dwordType)
        return std::to_string(littleEndian(reinterpret_cast<const std::uint8_t*>(kept.data()),
                                           std::min<std::size_t>(kept.size(), 4)));
    return "before";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t headerSize = 7;
    if (size < headerSize)
        return 0;
    const bool keyExists = data[0] & 1;
    const bool valueExists = data[0] & 2;
    ScriptedSystemServices::Value stored;
    stored.claimedSize = claimedSize((data[0] >> 2) & 7);
    stored.type = littleEndian(data + 1, 4);
    const std::size_t length = littleEndian(data + 5, 2) % 2048;
    const std::span<const std::uint8_t> pattern(data + headerSize, size - headerSize);
    for (std::size_t i = 0; i < length && !pattern.empty(); ++i)
        stored.bytes += static_cast<char>(pattern[i % pattern.size()]);

    ScriptedSystemServices system;
    if (keyExists)
        system.keys[keyPath].values[valueExists ? "Value" : "Other"] = stored;
    const std::uint32_t reported = stored.claimedSize.value_or(stored.bytes.size());
    const bool read = keyExists && valueExists && reported <= valueBufferSize;

    std::string keyVal = "before";
    bool result = false;
    bool raised = false;
    try {
        result = GetKeyValue(system, registry::localMachine, keyPath, "Value", keyVal);
    } catch (const std::invalid_argument&) {
        raised = true; // the documented outcome of a value of size 0
    }
    require(system.closedKeys == system.openedKeys, "every key opened is closed");
    require(system.openedKeys.size() == (keyExists ? 1u : 0u), "the key is opened once");
    require(raised == (read && reported == 0), "only a value of size 0 raises");
    if (raised)
        return 0;
    require(result == read, "true exactly when the key opened and the value was read");
    require(result || keyVal.empty(), "a value not read leaves no text");
    require(!result || keyVal == expectedText(stored, reported), "the value's own bytes");
    return 0;
}
