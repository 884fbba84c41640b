// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// A fuzz input read as UTF-8 text split at line feeds; lines past the end
// are empty texts.
class FuzzLines {
public:
    FuzzLines(const std::uint8_t* data, std::size_t size)
        : lines_(
              QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
                  .split(u'\n')) {}

    QString at(qsizetype index) const { return lines_.value(index); }
    qsizetype count() const { return lines_.size(); }
    // The lines from index on, joined again, so that a last text may hold
    // line feeds.
    QString from(qsizetype index) const { return lines_.mid(index).join(u'\n'); }

private:
    QStringList lines_;
};
