// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "discovery/calculation.h"

#include "common/number_text.h"

std::variant<MaskResult, Refusal> calculate(const QString& subnets, const QString& nodes,
                                            const QString& ipClass) {
    MaskResult result = DiscoverMask(subnets, nodes, ipClass);
    if (result.Mask == noMaskFits)
        return entryErrorRefusal;
    return result;
}

QString discoverySentence(const MaskResult& result) {
    return numberText(result.Segments) + QStringLiteral(" segments with ") +
           numberText(result.Hosts) + QStringLiteral(" hosts per segment.");
}
