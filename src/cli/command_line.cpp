// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/command_line.h"

#include "cli/network_option.h"
#include "cli/prefix_length.h"
#include "common/app_info.h"

#include <QCommandLineParser>

#include <optional>

namespace {

struct CommandForm {
    QStringView name;
    Command command;
    qsizetype words; // the command's name included
    QStringView usage;
};

constexpr CommandForm commandForms[] = {
    {u"mask", Command::Mask, 2, u"Usage: tarnwell-cli mask B|C (--subnets N | --nodes N) [--json]"},
    {u"segments", Command::Segments, 3,
     u"Usage: tarnwell-cli segments B|C MASK [--json] [--network NET]"},
    {u"range", Command::Range, 4,
     u"Usage: tarnwell-cli range B|C MASK SEGMENT [--json] [--network NET]"},
};

constexpr QStringView anyUsage =
    u"Usage: tarnwell-cli mask|segments|range B|C ... [--json] [--network NET]";

constexpr QStringView description =
    u"Plans the subnets of Class B and Class C networks by Tarnwell's rules, with the\n"
    u"answers its window gives.\n"
    u"\n"
    u"  mask B|C --subnets N     the closest mask for N subnets, or --nodes N for N\n"
    u"                           nodes a subnet: the mask, then how many segments it\n"
    u"                           gives with how many hosts per segment\n"
    u"  segments B|C MASK        the segments the mask gives, as Copy All Segments\n"
    u"                           copies them; a standard mask gives its first and\n"
    u"                           last address instead\n"
    u"  range B|C MASK SEGMENT   the first and last assignable address of a segment\n"
    u"                           as segments prints it\n"
    u"\n"
    u"A MASK is dotted, as typed in the window (255.255.255.192), or a prefix length\n"
    u"/0 to /32 (/26), which stands for the dotted mask of that length. The numbers\n"
    u"of a SEGMENT and of --network are written without leading zeros (16, not 016).\n"
    u"\n"
    u"What the window refuses is refused with its message, title then text, on\n"
    u"standard error, exit status 1; a usage error exits with status 2. Output that\n"
    u"cannot be written (a full disk) exits with status 3, named on standard error.";

const CommandForm* commandNamed(const QString& name) {
    for (const CommandForm& form : commandForms) {
        if (form.name == name)
            return &form;
    }
    return nullptr;
}

// The parser heads its help with the path it was started by; scripts and the
// manual page know the program by its name alone.
QString helpText(const QCommandLineParser& parser) {
    QString synopsis;
    for (const CommandForm& form : commandForms) {
        QString line = form.usage.toString();
        if (!synopsis.isEmpty())
            line.replace(0, 6, QString(6, u' ')); // under the first line's "Usage:"
        synopsis += line + u'\n';
    }
    return synopsis + u'\n' + parser.helpText().section(u'\n', 1);
}

// "(172.16 for Class B, 192.168.10 for Class C) instead of X.Y or X.Y.Z".
QString networkHelp() {
    QStringList examples;
    QStringList patterns;
    for (NetworkClass networkClass : everyClass()) {
        const ClassFacts& of = facts(networkClass);
        examples.append(QStringLiteral("%1 for Class %2")
                            .arg(QLatin1String(of.exampleNetwork), QLatin1String(of.letter)));
        patterns.append(QLatin1String(of.netPattern));
    }
    return QStringLiteral("Write addresses on this network (%1) instead of %2.")
        .arg(examples.join(QStringLiteral(", ")), patterns.join(QStringLiteral(" or ")));
}

struct Options {
    QCommandLineOption subnets{QStringLiteral("subnets"),
                               QStringLiteral("Desired subnets, as typed in the window."),
                               QStringLiteral("N")};
    QCommandLineOption nodes{QStringLiteral("nodes"),
                             QStringLiteral("Desired nodes per subnet, as typed in the window."),
                             QStringLiteral("N")};
    QCommandLineOption json{
        QStringLiteral("json"),
        QStringLiteral("Print one JSON object, with the prefix length, each segment's "
                       "broadcast address and the hosts per segment.")};
    QCommandLineOption network{QStringLiteral("network"), networkHelp(), QStringLiteral("NET")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version.")};
};

// As in the window, a request is one number: typing into one box locks the
// other, and an empty box asks nothing.
std::optional<QString> readNumbers(const QCommandLineParser& parser, const Options& options,
                                   Request& request) {
    request.subnets = parser.value(options.subnets);
    request.nodes = parser.value(options.nodes);
    if (request.subnets.isEmpty() == request.nodes.isEmpty())
        return QStringLiteral("give one of --subnets and --nodes");
    return std::nullopt;
}

std::optional<QString> readMaskAndSegment(const QCommandLineParser& parser, const Options& options,
                                          const QStringList& words, Request& request) {
    if (parser.isSet(options.subnets) || parser.isSet(options.nodes))
        return QStringLiteral("--subnets and --nodes belong to the mask command");
    if (const std::optional<QString> problem = readMaskWord(words[2], request.mask))
        return problem;
    // The window lists nothing for an empty mask and says nothing either.
    if (request.mask.isEmpty())
        return QStringLiteral("the mask is empty");
    request.segment = words.value(3);
    if (writesLeadingZero(request.segment))
        return QStringLiteral("the segment's numbers have no leading zeros, not \"%1\"")
            .arg(request.segment);
    return std::nullopt;
}

// Fills in the request for a command, or says what is wrong with its
// arguments.
std::optional<QString> readRequest(const QCommandLineParser& parser, const Options& options,
                                   const CommandForm& form, Request& request) {
    const QStringList words = parser.positionalArguments();
    if (words.size() != form.words)
        return QStringLiteral("wrong number of arguments for %1").arg(form.name);
    const std::optional<NetworkClass> networkClass = classNamed(words[1]);
    if (!networkClass)
        return QStringLiteral("the class is B or C, not \"%1\"").arg(words[1]);
    for (const QCommandLineOption* option : {&options.subnets, &options.nodes, &options.network}) {
        if (parser.values(*option).size() > 1)
            return QStringLiteral("--%1 is given more than once").arg(option->names().first());
    }
    request.command = form.command;
    request.networkClass = *networkClass;
    request.json = parser.isSet(options.json);
    request.network = QLatin1String(facts(*networkClass).netPattern);
    if (parser.isSet(options.network)) {
        const std::optional<QString> network =
            realNetwork(parser.value(options.network), *networkClass);
        if (!network)
            return QStringLiteral("--network takes ") + networkForm(*networkClass);
        request.network = *network;
    }
    if (form.command == Command::Mask)
        return readNumbers(parser, options, request);
    return readMaskAndSegment(parser, options, words, request);
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments) {
    const Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(description.toString());
    parser.addOptions({options.subnets, options.nodes, options.json, options.network, options.help,
                       options.version});
    if (!parser.parse(arguments))
        return UsageError{parser.errorText(), anyUsage.toString()};
    if (parser.isSet(options.help))
        return Printout{helpText(parser)};
    if (parser.isSet(options.version))
        return Printout{QStringLiteral("tarnwell-cli ") + QLatin1String(applicationVersion) +
                        u'\n'};

    const QString name = parser.positionalArguments().value(0);
    const CommandForm* form = commandNamed(name);
    if (!form) {
        const QString problem = name.isEmpty() ? QStringLiteral("no command given")
                                               : QStringLiteral("unknown command \"%1\"").arg(name);
        return UsageError{problem, anyUsage.toString()};
    }
    Request request;
    if (const std::optional<QString> problem = readRequest(parser, options, *form, request))
        return UsageError{*problem, form->usage.toString()};
    return request;
}
