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

// besedka-cli installed beside the program, else, for a program run from its build folder, the
// one built with it. Throws FileError naming the one beside it when neither is there.
fs::path terminalChat() {
    const fs::path beside = start_folder::programFolder() / "besedka-cli";
    std::error_code error;
    if (fs::is_regular_file(beside, error))
        return beside;
    if (fs::is_regular_file(BESEDKA_CLI_IN_BUILD, error))
        return BESEDKA_CLI_IN_BUILD;
    throw FileError::cannotOpen(cp1251::fromUtf8(beside.string()));
}

} // namespace

bool hasDisplay() {
    return !environment("DISPLAY").empty() || !environment("WAYLAND_DISPLAY").empty() ||
           !environment("QT_QPA_PLATFORM").empty();
}

int talkInTerminal() {
    fs::path cli;
    try {
        cli = terminalChat();
        // Made ready here so that a failure is told before the chat starts; the chat finds the
        // same folder.
        start_folder::prepareForThisProgram();
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
