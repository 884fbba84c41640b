// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/answers.h"

#include "discovery/calculation.h"
#include "discovery/mask_table.h"
#include "ranges/mask_check.h"
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
        calculate(request.subnets, request.nodes, request.ipClass);
    if (const auto* refusal = std::get_if<Refusal>(&calculation))
        return *refusal;
    const MaskResult& result = std::get<MaskResult>(calculation);
    if (!request.json)
        return result.Mask + u'\n' + discoverySentence(result) + u'\n';
    return jsonText({{QStringLiteral("class"), request.ipClass},
                     {QStringLiteral("mask"), result.Mask},
                     {QStringLiteral("prefix"), prefixLength(result.Mask)},
                     {QStringLiteral("segments"), result.Segments},
                     {QStringLiteral("hostsPerSegment"), result.Hosts}});
}

// What View Range Information shows: the mask check's refusal first, then
// the listing (which may itself be the class-mismatch refusal).
SegmentListing listingFor(const Request& request) {
    if (const std::optional<Refusal> refusal =
            maskRefusal(checkMask(request.mask, request.ipClass)))
        return *refusal;
    return listSegments(request.mask, request.ipClass, request.netPattern);
}

QJsonObject describeSegments(const Request& request) {
    const int prefix = segmentPrefixLength(request.mask, request.ipClass);
    return {{QStringLiteral("class"), request.ipClass},
            {QStringLiteral("network"), request.netPattern},
            {QStringLiteral("mask"), request.mask},
            {QStringLiteral("prefix"), prefix},
            {QStringLiteral("hostsPerSegment"), hostsPerSegment(prefix)}};
}

void addRange(QJsonObject& json, const AddressRange& range) {
    const QString broadcast = broadcastAddress(range.end);
    json.insert(QStringLiteral("start"), range.start);
    json.insert(QStringLiteral("end"), range.end);
    json.insert(QStringLiteral("broadcast"),
                broadcast.isEmpty() ? QJsonValue() : QJsonValue(broadcast));
}

QString rangeLine(const AddressRange& range) {
    return range.start + u'\t' + range.end + u'\n';
}

AddressRange rangeOfRow(const QStringList& rows, int k, const Request& request) {
    return rowRange(rows, k, request.mask, request.ipClass, request.netPattern)
        .value_or(AddressRange{});
}

Outcome answerSegments(const Request& request) {
    const SegmentListing listing = listingFor(request);
    if (const auto* refusal = std::get_if<Refusal>(&listing))
        return *refusal;
    const auto* whole = std::get_if<AddressRange>(&listing);
    const auto* rows = std::get_if<QStringList>(&listing);
    if (!request.json) {
        return whole ? rangeLine(*whole)
                     : segmentTable(*rows, request.mask, request.ipClass, request.netPattern);
    }
    QJsonObject json = describeSegments(request);
    if (whole) {
        addRange(json, *whole);
        return jsonText(json);
    }
    QJsonArray segments;
    for (int k = 0; k < rows->size(); ++k) {
        QJsonObject segment{{QStringLiteral("segment"), rows->at(k)}};
        addRange(segment, rangeOfRow(*rows, k, request));
        segments.append(segment);
    }
    json.insert(QStringLiteral("segments"), segments);
    return jsonText(json);
}

Outcome answerRange(const Request& request) {
    const SegmentListing listing = listingFor(request);
    if (const auto* refusal = std::get_if<Refusal>(&listing))
        return *refusal;
    const auto* rows = std::get_if<QStringList>(&listing);
    const int k = rows ? static_cast<int>(rows->indexOf(request.segment)) : -1;
    if (k < 0)
        return segmentNotListedRefusal;
    const AddressRange range = rangeOfRow(*rows, k, request);
    if (!request.json)
        return rangeLine(range);
    QJsonObject json = describeSegments(request);
    json.insert(QStringLiteral("segment"), request.segment);
    addRange(json, range);
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
