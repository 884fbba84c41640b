// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranges/range_information.h"

#include "ranges/mask_check.h"

RangeInformation rangeInformation(const QString& mask, NetworkClass networkClass,
                                  const QString& netPattern) {
    const CheckedMask checked = checkMask(mask, networkClass);
    if (!checked.accepted)
        return maskRefusal(checked.outcome).value_or(generalRefusal);
    return ListedMask{*checked.accepted, listSegments(*checked.accepted, networkClass, netPattern)};
}
