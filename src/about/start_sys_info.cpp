// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/start_sys_info.h"

#include "about/get_key_value.h"

#include <optional>

namespace {

// The tool's full path as the first location gives it, or else the tool in
// the folder the second one names. A location that is read but gives no
// text (a value of another type) leads nowhere: an empty folder would make
// the file name point into the root of the current drive.
std::optional<std::string> findSysInfoTool(SystemServices& system) {
    std::string toolPath;
    if (GetKeyValue(system, registry::localMachine, sysInfoPathKey, sysInfoPathValue, toolPath))
        return toolPath;
    if (!GetKeyValue(system, registry::localMachine, sysInfoFolderKey, sysInfoFolderValue,
                     toolPath) ||
        toolPath.empty())
        return std::nullopt;
    toolPath += sysInfoFileName;
    if (!system.isOrdinaryFile(toolPath))
        return std::nullopt;
    return toolPath;
}

// A path read as empty text names nothing to start; as with any path that
// fails to start, the second location is not tried.
bool startSysInfoTool(SystemServices& system) {
    const auto tool = findSysInfoTool(system);
    return tool && !tool->empty() && system.startProgram(*tool);
}

} // namespace

void StartSysInfo(SystemServices& system, const SysInfoNotifier& notify) {
    bool started = false;
    // Whatever goes wrong on the way, the user is told the same thing and
    // the dialog carries on.
    try {
        started = startSysInfoTool(system);
    } catch (...) {
        started = false;
    }
    if (!started)
        notify(sysInfoUnavailable);
}
