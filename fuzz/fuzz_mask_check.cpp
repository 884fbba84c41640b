// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// checkMask over any class and any text. Input: the class on the first line,
// the mask text (which may hold line feeds) after it.

#include "fuzz_lines.h"
#include "require.h"

#include "fuzz_masks.h"
#include "ranges/mask_check.h"

namespace {

bool endsInPartialGroup(const QString& mask, const QString& front) {
    for (int value : partialGroupValues) {
        if (mask == front + QString::number(value))
            return true;
    }
    return false;
}

// The accepted mask texts as the check's own table lists them.
bool isAcceptedText(const QString& mask, NetworkClass ipClass) {
    const bool fourthGroupMask =
        mask == u"255.255.255.0" || endsInPartialGroup(mask, QStringLiteral("255.255.255."));
    if (ipClass == NetworkClass::C)
        return fourthGroupMask;
    if (fourthGroupMask || mask == u"255.255.0.0")
        return true;
    for (int value : partialGroupValues) {
        if (mask.startsWith(QStringLiteral("255.255.%1.").arg(value)))
            return true;
    }
    return false;
}

MaskCheck expectedCheck(const QString& mask, NetworkClass ipClass) {
    if (!mask.startsWith(u"255.255."))
        return MaskCheck::BadPrefix;
    if (isAcceptedText(mask, ipClass))
        return MaskCheck::Accepted;
    if (ipClass == NetworkClass::C && !mask.startsWith(u"255.255.255."))
        return MaskCheck::NotClassCMask;
    return MaskCheck::BadSubnetGroups;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzLines lines(data, size);
    const std::optional<NetworkClass> named = classNamed(lines.at(0));
    if (!named)
        return 0; // tarnwell-cli and the window take no other class
    const NetworkClass ipClass = *named;
    const QString mask = lines.from(1);
    const CheckedMask checked = checkMask(mask, ipClass);
    const MaskCheck check = checked.outcome;
    require(check == expectedCheck(mask, ipClass), "the outcome the accepted texts call for");
    require(checked.accepted.has_value() == (check == MaskCheck::Accepted),
            "a mask handed over exactly when accepted");
    require(!checked.accepted ||
                checked.accepted->prefixLength() == acceptedPrefixLength(mask, ipClass),
            "the mask handed over is the one the text stands for");
    const auto refusal = maskRefusal(check);
    require(refusal.has_value() == (check != MaskCheck::Accepted), "a message for every refusal");
    require(!refusal || (!refusal->title.isEmpty() && !refusal->text.isEmpty()),
            "every message has a title and a text");
    return 0;
}
