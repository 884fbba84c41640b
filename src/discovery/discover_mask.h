// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"
#include "common/subnet_mask.h"

#include <QString>

#include <optional>

inline const QString noMaskFits = QStringLiteral("-1");

// What a mask gives: the mask (none when no mask fits the request), how many
// segments it makes and how many hosts each segment holds. Without a mask
// the counts mean nothing.
struct MaskResult {
    std::optional<SubnetMask> subnetMask;
    double Segments = 0;
    double Hosts = 0;

    // The mask's text as Calculate shows it, "-1" when no mask fits.
    QString Mask() const { return subnetMask ? subnetMask->dotted() : noMaskFits; }
};

// Finds the closest subnet mask of a Class B or Class C network for a desired
// number of subnets, of nodes per subnet, or both; an empty text asks
// nothing. The nodes answer replaces the subnets answer wherever it finds
// one. Texts that are not plain decimal numbers give "-1".
MaskResult DiscoverMask(const QString& Subnets, const QString& Nodes, NetworkClass networkClass);
