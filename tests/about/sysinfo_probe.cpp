// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Stands in for the System Information tool in the Windows tests: it leaves a
// note beside itself of how it was started (its command line and its show
// command), then ends at once. The note appears whole, by a rename, so a test
// never reads it half written.
#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char own[MAX_PATH];
    const std::string path(own, GetModuleFileNameA(nullptr, own, MAX_PATH));
    const std::string note = path.substr(0, path.find_last_of('\\')) + "\\started.txt";

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

    std::ofstream(note + ".part") << GetCommandLineA() << '\n' << show << '\n';
    return MoveFileA((note + ".part").c_str(), note.c_str()) ? 0 : 1;
}
