// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>

// The two classes of network Tarnwell plans, and every fact that sets them
// apart. A class is read from its letter only where tarnwell-cli takes it as
// an argument, and is a NetworkClass everywhere else. Another class is an
// enumerator here and a row of classFacts; the rules read everything else
// from the row.
enum class NetworkClass { B, C };

// How the mask check reads the groups after "255.255.".
enum class MaskForm {
    // The third group carries the subnet bits, and nothing after its "." is
    // examined; a third group of 255 hands them to the fourth, which is then
    // the whole rest of the text. "0.0" and "255.0" are the whole masks.
    FromThirdGroup,
    // "255." first, then the fourth group alone carries the subnet bits;
    // "255.0" is the whole mask.
    FourthGroup,
};

struct ClassFacts {
    const char* letter;     // "B"
    const char* netPattern; // the placeholder prefix of every segment and address
    const char* caption;    // the placeholder network shown beside the class options
    int prefixLength;       // of the whole network
    MaskForm maskForm;

    // Mask Discovery.
    int searchRanges;    // candidate ranges tried; also bounds the range pre-test
    double subnetsLimit; // a request for more subnets is refused at once
    double nodesLimit;   // and one for more nodes per subnet
    // A network split by one bit counts as two segments, where the rule of
    // 2^s - 2 gives none.
    bool halvesCount;
    // A subnets request that would need a longer prefix fits no mask.
    int longestSubnetsPrefix;

    // A real network that stands for the placeholder prefix (tarnwell-cli's
    // --network): as many numbers 0 to 255 as the prefix has groups, the
    // first within its range.
    int firstNumberLowest;
    int firstNumberHighest;
    const char* exampleNetwork;
};

inline constexpr std::array<ClassFacts, 2> classFacts{{
    {
        .letter = "B",
        .netPattern = "X.Y",
        .caption = "X.Y.0.0",
        .prefixLength = 16,
        .maskForm = MaskForm::FromThirdGroup,
        .searchRanges = 14,
        // 2^14, not 2^14 - 2: a request for 16383 or 16384 subnets passes
        // the limit and then fits no range.
        .subnetsLimit = 16384,
        .nodesLimit = 65534,
        .halvesCount = false,
        .longestSubnetsPrefix = 32,
        .firstNumberLowest = 128,
        .firstNumberHighest = 191,
        .exampleNetwork = "172.16",
    },
    {
        .letter = "C",
        .netPattern = "X.Y.Z",
        .caption = "X.Y.Z.0",
        .prefixLength = 24,
        .maskForm = MaskForm::FourthGroup,
        .searchRanges = 8,
        .subnetsLimit = 254,
        .nodesLimit = 254,
        .halvesCount = true,
        // Past /29 a segment holds 2 hosts or none, fewer than the nodes
        // Mask Discovery plans for at the least.
        .longestSubnetsPrefix = 29,
        .firstNumberLowest = 192,
        .firstNumberHighest = 223,
        .exampleNetwork = "192.168.10",
    },
}};

constexpr const ClassFacts& facts(NetworkClass networkClass) {
    return classFacts[static_cast<std::size_t>(networkClass)];
}

// Every class, in the order of the table.
std::array<NetworkClass, classFacts.size()> everyClass();

// The class a letter names: exactly "B" or "C".
std::optional<NetworkClass> classNamed(QStringView letter);
