// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/launch.h"

#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/core/start_folder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace besedka::launch {

namespace fs = std::filesystem;

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

fs::path programFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error)
        throw FileError::cannotOpen("/proc/self/exe");
    return program.parent_path();
}

} // namespace

void enterWorkingFolder() {
    const fs::path shipped = (programFolder() / BESEDKA_SHIPPED_FROM_PROGRAM).lexically_normal();
    start_folder::enter(
        shipped, start_folder::userDataFolder(environment("XDG_DATA_HOME"), environment("HOME")));
}

bool hasDisplay() {
    return !environment("DISPLAY").empty() || !environment("WAYLAND_DISPLAY").empty() ||
           !environment("QT_QPA_PLATFORM").empty();
}

int talkInTerminal() {
    fs::path cli;
    try {
        enterWorkingFolder();
        cli = programFolder() / "besedka-cli";
    } catch (const FileError& error) {
        std::fprintf(stderr, "%s\n", cp1251::toUtf8(error.what()).c_str());
        return 2;
    }
    std::fputs("No display found: talking in the terminal (Ctrl+D ends the dialogue).\n", stderr);
    ::execl(cli.c_str(), "besedka-cli", "chat", static_cast<char*>(nullptr));
    std::fprintf(stderr, "Cannot start %s: %s\n", cli.c_str(), std::strerror(errno));
    return 2;
}

} // namespace besedka::launch
