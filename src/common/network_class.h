// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>

// The two classes of network Tarnwell plans, and every fact that sets them
// apart. A class is read from its letter where it enters - the class options,
// the shared state's IPClass, tarnwell-cli's argument - and is a NetworkClass
// everywhere else.
enum class NetworkClass { B, C };

struct ClassFacts {
    const char* letter;     // "B"
    const char* netPattern; // the placeholder prefix of every segment and address
    const char* caption;    // the placeholder network shown beside the class options
    int prefixLength;       // of the whole network
    const char* wholeNetworkMask;
    double subnetsLimit; // Mask Discovery refuses a request for more subnets at once
    double nodesLimit;   // and one for more nodes per subnet
    // A real network that stands for the placeholder prefix (tarnwell-cli's
    // --network): so many numbers 0 to 255, the first within its range.
    int networkNumbers;
    int firstNumberLowest;
    int firstNumberHighest;
    const char* exampleNetwork;
};

// 2^14 subnets for class B, not 2^14 - 2: a class B request for 16383 or
// 16384 subnets passes the limit and then fits no range.
inline constexpr std::array<ClassFacts, 2> classFacts{{
    {"B", "X.Y", "X.Y.0.0", 16, "255.255.0.0", 16384, 65534, 2, 128, 191, "172.16"},
    {"C", "X.Y.Z", "X.Y.Z.0", 24, "255.255.255.0", 254, 254, 3, 192, 223, "192.168.10"},
}};

constexpr const ClassFacts& facts(NetworkClass networkClass) {
    return classFacts[static_cast<std::size_t>(networkClass)];
}

// The class a letter names: exactly "B" or "C".
std::optional<NetworkClass> classNamed(QStringView letter);
