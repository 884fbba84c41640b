// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "discovery/mask_answer.h"

#include "common/number_text.h"

std::variant<MaskResult, Refusal> refusedIfNoMaskFits(const MaskResult& result) {
    if (!result.subnetMask)
        return entryErrorRefusal;
    return result;
}

QString discoverySentence(const MaskResult& result) {
    return numberText(result.Segments) + QStringLiteral(" segments with ") +
           numberText(result.Hosts) + QStringLiteral(" hosts per segment.");
}
