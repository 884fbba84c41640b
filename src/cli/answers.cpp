// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/answers.h"

#include "discovery/mask_answer.h"
#include "discovery/mask_table.h"
#include "ranges/network_addresses.h"
#include "ranges/range_information.h"
#include "ranges/segment_list.h"
#include "ranges/segment_range.h"
#include "ranges/segment_table.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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
        return result.Mask + u'\n' + discoverySentence(result) + u'\n';
    return jsonText({{QStringLiteral("class"), QLatin1String(facts(request.networkClass).letter)},
                     {QStringLiteral("mask"), result.Mask},
                     {QStringLiteral("prefix"), prefixLength(result.Mask)},
                     {QStringLiteral("segments"), result.Segments},
                     {QStringLiteral("hostsPerSegment"), result.Hosts}});
}

QJsonObject describeSegments(const Request& request) {
    const int prefix = maskPrefixLength(request.mask);
    return {{QStringLiteral("class"), QLatin1String(facts(request.networkClass).letter)},
            {QStringLiteral("network"), request.network},
            {QStringLiteral("mask"), request.mask},
            {QStringLiteral("prefix"), prefix},
            {QStringLiteral("hostsPerSegment"), hostsPerSegment(prefix)}};
}

// The addresses of a segment named by its own address; a /31 segment has no
// assignable address, but a broadcast address all the same.
void addAddresses(QJsonObject& json, const QString& segment, const Request& request) {
    const SegmentAddresses addresses =
        segmentAddresses(segment, request.mask, request.networkClass, request.network)
            .value_or(SegmentAddresses{});
    json.insert(QStringLiteral("start"), addresses.assignable.start);
    json.insert(QStringLiteral("end"), addresses.assignable.end);
    json.insert(QStringLiteral("broadcast"), addresses.broadcast);
}

QString rangeLine(const AddressRange& range) {
    return range.start + u'\t' + range.end + u'\n';
}

Outcome answerSegments(const Request& request) {
    const RangeInformation listing =
        rangeInformation(request.mask, request.networkClass, request.network);
    if (const auto* refusal = std::get_if<Refusal>(&listing))
        return *refusal;
    const auto* whole = std::get_if<AddressRange>(&listing);
    const auto* rows = std::get_if<QStringList>(&listing);
    if (!request.json) {
        return whole ? rangeLine(*whole)
                     : segmentTable(*rows, request.mask, request.networkClass, request.network);
    }
    QJsonObject json = describeSegments(request);
    if (whole) {
        addAddresses(json, networkAddress(request.networkClass, request.network), request);
        return jsonText(json);
    }
    QJsonArray segments;
    for (const QString& row : *rows) {
        QJsonObject segment{{QStringLiteral("segment"), row}};
        addAddresses(segment, row, request);
        segments.append(segment);
    }
    json.insert(QStringLiteral("segments"), segments);
    return jsonText(json);
}

Outcome answerRange(const Request& request) {
    const RangeInformation listing =
        rangeInformation(request.mask, request.networkClass, request.network);
    if (const auto* refusal = std::get_if<Refusal>(&listing))
        return *refusal;
    const auto* rows = std::get_if<QStringList>(&listing);
    if (!rows || !rows->contains(request.segment))
        return segmentNotListedRefusal;
    if (!request.json) {
        return rangeLine(
            segmentRange(request.segment, request.mask, request.networkClass, request.network)
                .value_or(AddressRange{}));
    }
    QJsonObject json = describeSegments(request);
    json.insert(QStringLiteral("segment"), request.segment);
    addAddresses(json, request.segment, request);
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
