// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/answers.h"

#include "common/segment_count.h"
#include "discovery/mask_answer.h"
#include "ranges/range_information.h"
#include "ranges/segment_range.h"
#include "ranges/segment_table.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

using Outcome = std::variant<QString, Refusal>;

QString jsonText(const QJsonObject& json) {
    return QString::fromUtf8(QJsonDocument(json).toJson());
}

Outcome answerMask(const Request& request) {
    const std::variant<MaskResult, Refusal> calculation =
        refusedIfNoMaskFits(DiscoverMask(request.subnets, request.nodes, request.networkClass));
    if (const auto* refusal = std::get_if<Refusal>(&calculation))
        return *refusal;
    const MaskResult& result = std::get<MaskResult>(calculation);
    if (!request.json)
        return result.Mask() + u'\n' + discoverySentence(result) + u'\n';
    return jsonText({{QStringLiteral("class"), QLatin1String(facts(request.networkClass).letter)},
                     {QStringLiteral("mask"), result.Mask()},
                     {QStringLiteral("prefix"), result.subnetMask->prefixLength()},
                     {QStringLiteral("segments"), result.Segments},
                     {QStringLiteral("hostsPerSegment"), result.Hosts}});
}

// The mask as it was given, and the prefix length and the hosts of the mask
// the check accepted: a lenient Class B text is described by its third group.
QJsonObject describeSegments(const Request& request, SubnetMask mask) {
    return {{QStringLiteral("class"), QLatin1String(facts(request.networkClass).letter)},
            {QStringLiteral("network"), request.network},
            {QStringLiteral("mask"), request.mask},
            {QStringLiteral("prefix"), mask.prefixLength()},
            {QStringLiteral("hostsPerSegment"),
             countSegments(mask, request.networkClass).value_or(SegmentCount{}).hosts}};
}

// The addresses of a segment; a /31 segment has no assignable address, but a
// broadcast address all the same.
void addAddresses(QJsonObject& json, quint32 segment, SubnetMask mask, const Request& request) {
    const SegmentAddresses addresses =
        segmentAddresses(segment, mask, request.networkClass, request.network)
            .value_or(SegmentAddresses{});
    json.insert(QStringLiteral("start"), addresses.assignable.start);
    json.insert(QStringLiteral("end"), addresses.assignable.end);
    json.insert(QStringLiteral("broadcast"), addresses.broadcast);
}

QString rangeLine(const AddressRange& range) {
    return range.start + u'\t' + range.end + u'\n';
}

Outcome answerSegments(const Request& request) {
    const RangeInformation answer =
        rangeInformation(request.mask, request.networkClass, request.network);
    if (const auto* refusal = std::get_if<Refusal>(&answer))
        return *refusal;
    const ListedMask& listed = std::get<ListedMask>(answer);
    const auto* whole = std::get_if<AddressRange>(&listed.listing);
    const auto* rows = std::get_if<SegmentRows>(&listed.listing);
    if (!request.json) {
        return whole ? rangeLine(*whole)
                     : segmentTable(*rows, listed.mask, request.networkClass, request.network);
    }
    QJsonObject json = describeSegments(request, listed.mask);
    if (whole) {
        addAddresses(json, 0, listed.mask, request); // the network is its one segment
        return jsonText(json);
    }
    QJsonArray segments;
    for (const SegmentRow& row : *rows) {
        QJsonObject segment{{QStringLiteral("segment"), row.text}};
        addAddresses(segment, row.segment, listed.mask, request);
        segments.append(segment);
    }
    json.insert(QStringLiteral("segments"), segments);
    return jsonText(json);
}

// The row that shows the segment named, as segments prints it.
const SegmentRow* listedRow(const SegmentRows& rows, const QString& named) {
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [&](const SegmentRow& row) { return row.text == named; });
    return found == rows.end() ? nullptr : &*found;
}

Outcome answerRange(const Request& request) {
    const RangeInformation answer =
        rangeInformation(request.mask, request.networkClass, request.network);
    if (const auto* refusal = std::get_if<Refusal>(&answer))
        return *refusal;
    const ListedMask& listed = std::get<ListedMask>(answer);
    const auto* rows = std::get_if<SegmentRows>(&listed.listing);
    const SegmentRow* named = rows ? listedRow(*rows, request.segment) : nullptr;
    if (!named)
        return segmentNotListedRefusal;
    if (!request.json) {
        return rangeLine(
            segmentRange(named->segment, listed.mask, request.networkClass, request.network)
                .value_or(AddressRange{}));
    }
    QJsonObject json = describeSegments(request, listed.mask);
    json.insert(QStringLiteral("segment"), named->text);
    addAddresses(json, named->segment, listed.mask, request);
    return jsonText(json);
}

} // namespace

std::variant<QString, Refusal> answer(const Request& request) {
    if (request.command == Command::Mask)
        return answerMask(request);
    if (request.command == Command::Segments)
        return answerSegments(request);
    return answerRange(request);
}
