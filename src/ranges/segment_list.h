// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"
#include "common/subnet_mask.h"
#include "ranges/address_range.h"

#include <QList>
#include <QString>
#include <variant>

// The segments an accepted mask gives: exactly those Mask Discovery counts
// for it (countSegments), from the highest down, each written on the
// placeholder prefix as its own address. A class B row holds two groups
// ("X.Y.224.0", "X.Y.254.192"), a class C row one ("X.Y.Z.128").

// A row keeps the segment it shows, so nothing reads a row's text back.
struct SegmentRow {
    quint32 segment; // its number, see SegmentCount
    QString text;
};
using SegmentRows = QList<SegmentRow>;

// Rows to list, or the whole range of a mask that does not split the network
// and so has no segments to list.
using SegmentListing = std::variant<SegmentRows, AddressRange>;

// mask is one checkMask accepted for the class; any other lists nothing.
SegmentListing listSegments(SubnetMask mask, NetworkClass networkClass, const QString& netPattern);
