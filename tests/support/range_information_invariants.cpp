// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "range_information_invariants.h"

#include "ranges/range_information.h"
#include "ranges/segment_range.h"
#include "window_driver.h"

#include <algorithm>

namespace {

// Whether the shown addresses are those of the whole range or of one row.
bool belongsToTheListing(const AddressRange& shown, const ListedMask& listed,
                         const SharedState& state) {
    const auto same = [&shown](const std::optional<AddressRange>& range) {
        return range && range->start == shown.start && range->end == shown.end;
    };
    if (const auto* whole = std::get_if<AddressRange>(&listed.listing))
        return same(*whole);
    const auto* rows = std::get_if<SegmentRows>(&listed.listing);
    return rows && std::any_of(rows->begin(), rows->end(), [&](const SegmentRow& row) {
               return same(segmentRange(row.segment, listed.mask, state.networkClass(),
                                        state.NetPattern()));
           });
}

} // namespace

QString brokenRangeInformationInvariant(const WindowDriver& driver) {
    const SharedState& state = driver.window.state();
    const QString mask = driver.text("txt_SubnetMask");
    const RangeInformation answer =
        rangeInformation(mask, state.networkClass(), state.NetPattern());
    const auto* accepted = std::get_if<ListedMask>(&answer);
    const auto* listed = accepted ? std::get_if<SegmentRows>(&accepted->listing) : nullptr;
    const QStringList shownRows = driver.rows();
    QStringList listedRows;
    for (const SegmentRow& row : listed ? *listed : SegmentRows())
        listedRows.append(row.text);
    if (!shownRows.isEmpty() && listedRows != shownRows)
        return QStringLiteral("the rows belong to another mask or class");
    const bool isC = state.networkClass() == NetworkClass::C;
    if (driver.caption("lbl_Ext2") != (isC ? QStringLiteral("X.Y.Z.0") : QStringLiteral("X.Y.0.0")))
        return QStringLiteral("lbl_Ext2 shows another class");

    const AddressRange shown{driver.caption("lbl_Start"), driver.caption("lbl_End")};
    if (shown.start.isEmpty() && shown.end.isEmpty())
        return {};
    if (!accepted || !belongsToTheListing(shown, *accepted, state))
        return QStringLiteral("the addresses belong to no segment of the mask");
    return {};
}
