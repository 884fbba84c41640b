// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"
#include "common/refusal.h"
#include "ranges/address_range.h"

#include <QString>
#include <QStringList>
#include <variant>

// What View Range Information answers for a mask text that is not empty: the
// mask check's refusal; the whole range of a mask that does not split the
// network; or the rows of its segments (see listSegments).
using RangeInformation = std::variant<Refusal, AddressRange, QStringList>;

RangeInformation rangeInformation(const QString& mask, NetworkClass networkClass,
                                  const QString& netPattern);
