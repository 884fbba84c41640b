// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ranges/address_range.h"

#include <QString>
#include <QStringList>
#include <optional>

// The first and last assignable address of a listed segment. Rows stand in
// descending order, so a segment ends where the row above begins; the first
// row ends where the mask's own group value begins.
//
// row is the text of list row k (k >= 0), above the text of row k - 1 (unused
// for k = 0), mask the text that produced the rows. Nothing for a class other
// than B or C. A class C segment with no assignable address (mask
// 255.255.255.254) reads "None" to "None".
std::optional<AddressRange> segmentRange(int k, const QString& row, const QString& above,
                                         const QString& mask, const QString& ipClass,
                                         const QString& netPattern);

// The same for row k of the rows listSegments gave (0 <= k < rows.size()).
std::optional<AddressRange> rowRange(const QStringList& rows, int k, const QString& mask,
                                     const QString& ipClass, const QString& netPattern);

// A segment's broadcast address: the one after its ending address. Empty for
// a segment without assignable addresses, whose ending address is "None".
QString broadcastAddress(const QString& end);
