// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/network_class.h"

#include <QString>

// What a mask gives: its text ("-1" when no mask fits the request), how many
// segments it makes and how many hosts each segment holds. When Mask is "-1"
// the counts mean nothing.
struct MaskResult {
    QString Mask;
    double Segments = 0;
    double Hosts = 0;
};

inline const QString noMaskFits = QStringLiteral("-1");

// Finds the closest subnet mask of a Class B or Class C network for a desired
// number of subnets, of nodes per subnet, or both; an empty text asks
// nothing. The nodes answer replaces the subnets answer wherever it finds
// one. Texts that are not plain decimal numbers give "-1".
MaskResult DiscoverMask(const QString& Subnets, const QString& Nodes, NetworkClass IPClass);
