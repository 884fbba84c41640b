// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The listed segments as tab-separated lines for pasting into spreadsheets:
// the header line, then one line a row in list order with the row's text and
// its first and last assignable address. Every line ends with "\n". The
// addresses come from the same rule a row click shows them with; a row that
// rule gives nothing for has empty address fields.
QString segmentTable(const QStringList& header, const QStringList& rows, const QString& mask,
                     const QString& ipClass, const QString& netPattern);
