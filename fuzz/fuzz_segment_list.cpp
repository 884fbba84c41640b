// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// listSegments over accepted masks. Input: the class on the first line, the
// mask text after it; texts the mask check refuses are passed over.

#include "fuzz_lines.h"
#include "require.h"

#include "fuzz_masks.h"
#include "ranges/mask_check.h"
#include "ranges/segment_list.h"

#include <variant>

namespace {

void checkRows(const QStringList& rows, int groupValue, const QString& ipClass,
               const QString& pattern) {
    const int block = 256 - groupValue;
    require(rows.size() == 256 / block - 2, "256 / block - 2 rows");
    const QString suffix = ipClass == u"B" ? QStringLiteral(".0") : QString();
    int above = groupValue;
    for (const QString& row : rows) {
        require(row.startsWith(pattern + u'.') && row.endsWith(suffix), "rows on the pattern");
        bool isNumber = false;
        const int segment =
            row.sliced(pattern.size() + 1, row.size() - pattern.size() - 1 - suffix.size())
                .toInt(&isNumber);
        require(isNumber && row == pattern + u'.' + QString::number(segment) + suffix,
                "a row names its segment in plain digits");
        require(segment > 0 && segment < above, "rows strictly descend and leave out 0 and D");
        require(segment % block == 0, "rows are segments of the mask's block");
        above = segment;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzLines lines(data, size);
    const QString ipClass = lines.at(0);
    const QString mask = lines.from(1);
    if (checkMask(mask, ipClass) != MaskCheck::Accepted)
        return 0;
    const QString pattern = classPattern(ipClass);
    const SegmentListing listing = listSegments(mask, ipClass, pattern);

    if (ipClass == u"B" && mask == u"255.255.0.0") {
        const auto* range = std::get_if<AddressRange>(&listing);
        require(range && range->start == pattern + QStringLiteral(".1.1") &&
                    range->end == pattern + QStringLiteral(".254.254"),
                "255.255.0.0 gives the whole class B range");
    } else if (ipClass == u"C" && mask == u"255.255.255.0") {
        const auto* range = std::get_if<AddressRange>(&listing);
        require(range && range->start == pattern + QStringLiteral(".1") &&
                    range->end == pattern + QStringLiteral(".254"),
                "255.255.255.0 gives the whole class C range");
    } else if (ipClass == u"B" && mask == u"255.255.255.0") {
        const auto* refusal = std::get_if<Refusal>(&listing);
        require(refusal && refusal->text == classMismatchRefusal.text,
                "a class C standard mask asked as class B is refused");
    } else {
        const auto* rows = std::get_if<QStringList>(&listing);
        require(rows != nullptr, "every other accepted mask lists rows");
        checkRows(*rows, subnetGroupValue(mask, ipClass), ipClass, pattern);
    }
    return 0;
}
