// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/get_key_value.h"

#include "about/scoped_registry_key.h"

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace {

using ValueBuffer = std::array<std::uint8_t, valueBufferSize>;

// The bytes the value holds: the last one is dropped when it is a zero, the
// terminator of a string. A value without bytes has no last byte to look at.
std::span<const std::uint8_t> keptBytes(const ValueBuffer& buffer, std::uint32_t size) {
    if (size == 0)
        throw std::invalid_argument("registry value of size 0");
    const std::span<const std::uint8_t> data(buffer.data(), size);
    return data.back() == 0 ? data.first(size - 1) : data;
}

// A DWORD is little-endian; a dropped high zero byte leaves it unchanged.
std::string dwordText(std::span<const std::uint8_t> bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes.size() && i < sizeof value; ++i)
        value |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    return std::to_string(value);
}

// Reads the value into the buffer; false when it is missing or does not fit. A
// size beyond the buffer with a success status would be the service's fault,
// and is refused rather than read past the buffer's end.
bool queryInto(SystemServices& system, RegistryKey key, const std::string& name,
               ValueBuffer& buffer, std::uint32_t& type, std::uint32_t& size) {
    size = buffer.size();
    return system.queryValue(key, name, type, buffer.data(), size) == registry::success &&
           size <= buffer.size();
}

} // namespace

bool GetKeyValue(SystemServices& system, RegistryKey keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal) {
    const ScopedRegistryKey key(system, keyRoot, keyName, registry::readAccess);
    ValueBuffer buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (!key.isOpen() || !queryInto(system, key.handle(), subKeyRef, buffer, type, size)) {
        keyVal.clear();
        return false;
    }
    const auto bytes = keptBytes(buffer, size);
    if (type == registry::stringType)
        keyVal.assign(bytes.begin(), bytes.end());
    else if (type == registry::dwordType)
        keyVal = dwordText(bytes);
    return true;
}
