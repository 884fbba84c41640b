// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"
#include "common/subnet_mask.h"
#include "ranges/segment_list.h"

#include <QString>

// The captions above the list and the two addresses, which head the table.
inline constexpr char availableSegmentsCaption[] = "Available Segments";
inline constexpr char startingAddressCaption[] = "Starting Address";
inline constexpr char endingAddressCaption[] = "Ending Address";

// The listed segments as tab-separated lines for pasting into spreadsheets:
// the header line, then one line a row in list order with the row's text and
// its first and last assignable address. Every line ends with "\n". The
// addresses come from the same rule a row click shows them with. No rows
// give no table at all, not even the header.
QString segmentTable(const SegmentRows& rows, SubnetMask mask, NetworkClass networkClass,
                     const QString& netPattern);
