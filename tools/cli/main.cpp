// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/command_line.h"
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/core/start_folder.h"
#include "tools/cli/commands.h"

#include <cstdio>
#include <map>

namespace {

constexpr const char* kUsage =
    "Usage: besedka-cli COMMAND [ARGS]\n"
    "Terminal tools for Besedka's knowledge base.\n"
    "\n"
    "  cat FILE      print the lines of a line file (RTF or plain text) as UTF-8; a file with\n"
    "                NUL bytes is no text and is refused\n"
    "  write [--cp1251] [--allow-empty] FILE\n"
    "                save UTF-8 lines from standard input as FILE in the program's form; a\n"
    "                line that is not UTF-8 or holds a character Windows-1251 lacks is named\n"
    "                and nothing is written (--cp1251: the lines are Windows-1251); input\n"
    "                without a line is refused unless --allow-empty is given\n"
    "                The previous FILE is kept as FILE.bak; standard error says how many lines\n"
    "                it had and has. A FILE that changed meanwhile is not saved over\n"
    "  lint [--authoring [--corpus TEXT]] [FILE]\n"
    "                report phrase-base lines that break the format, are longer than reading\n"
    "                takes, or can never be used (default Base/Words.Dat); exit status 1\n"
    "                when there are any. --authoring adds an author's warnings: keys that an\n"
    "                earlier key always takes first, key words hidden inside other words of\n"
    "                Base/dictionary.dat, farewell keys found in ordinary sentences of TEXT\n"
    "                (UTF-8, one sentence a line)\n"
    "  stats         print the knowledge-base counts of the Base/ folder\n"
    "  chat [--seed N] [--no-learn]\n"
    "                talk to Besedka in the terminal; --no-learn: nothing is learned or\n"
    "                recorded, no file changes (with --exchange, but for FILE)\n"
    "  chat [--seed N] [--no-learn] --exchange FILE [--period SECONDS] [--turns N]\n"
    "                answer the first line of FILE once a period (default 1 second) and write\n"
    "                each reply back to FILE; ends after N turns, on a farewell or on Ctrl+C\n"
    "  why [--summary] [--fresh] [--seed N] [PHRASE...]\n"
    "                for each phrase (the arguments, else the lines of standard input) print\n"
    "                the reply, the stage that chose it and the phrase-base line and key it\n"
    "                came from, changing no file; an empty input line starts a new dialogue,\n"
    "                --fresh starts one for every phrase; --summary prints the share of each\n"
    "                stage instead\n"
    "  history [--day YYYY-MM-DD] [--grep WORD]\n"
    "                print the conversation history kept in History/: the latest day, or the\n"
    "                day given; with --grep the lines of every day (or of the day given) that\n"
    "                hold WORD, letter case aside; exit status 1 when none does\n"
    "  why [--seed N] --expect FILE\n"
    "                run each phrase of FILE (UTF-8 lines \"phrase \u2192 key\" or\n"
    "                \"phrase<TAB>key\") as the first of a dialogue and name every one that\n"
    "                another line answered, with that line; exit status 1 when any was\n"
    "  add TOPIC [--top|--after LINE]\n"
    "                put the knowledge lines of TOPIC (UTF-8) into Base/Words.Dat right after\n"
    "                its first line (--top, the default: before the broad keys that would\n"
    "                take the topic's phrases) or after line LINE; refused, with exit status\n"
    "                1 and the file untouched, when a line breaks the format or a key would\n"
    "                never answer. The previous file is kept as Base/Words.Dat.bak\n"
    "  --help        print this help\n"
    "  --version     print the version\n"
    "\n"
    "FILE is found from the current folder. lint without FILE, stats and chat work on the\n"
    "knowledge base of the desktop program: in the current folder when it holds Base/Words.Dat,\n"
    "else in the data folder $XDG_DATA_HOME/besedka (~/.local/share/besedka without it), which\n"
    "is made and given the shipped files it lacks on first use.\n"
    "\n"
    "Exit status: 0 fine, 1 findings, 2 usage or file error (chat: any file that failed).\n";

// The folder the knowledge-base commands would work in, from here.
void printKnowledgeFolder() {
    try {
        const std::string folder = besedka::start_folder::folderForThisProgram().string();
        std::printf("\nKnowledge base from here: %s\n", folder.c_str());
    } catch (const besedka::FileError& e) {
        std::printf("\nKnowledge base from here: none (%s)\n",
                    besedka::cp1251::toUtf8(e.what()).c_str());
    }
}

using Command = int (*)(const std::vector<std::string>&);

// Says what of the command line is not understood; the usage only when nothing was given.
int misunderstood(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return besedka::cli::kTrouble;
    }
    const std::string given = argv[1];
    const std::string what = given.starts_with('-') ? "unknown option " : "unknown command ";
    return besedka::cli::trouble(what + besedka::cp1251::fromUtf8(given));
}

} // namespace

int main(int argc, char** argv) {
    namespace command_line = besedka::command_line;
    if (command_line::hasOption(argc, argv, {"--help", "-h"})) {
        std::fputs(kUsage, stdout);
        printKnowledgeFolder();
        return besedka::cli::kFine;
    }
    if (command_line::hasOption(argc, argv, {"--version"})) {
        command_line::printVersion("besedka-cli");
        return besedka::cli::kFine;
    }
    const std::map<std::string, Command> commands = {{"cat", besedka::cli::runCat},
                                                     {"write", besedka::cli::runWrite},
                                                     {"lint", besedka::cli::runLint},
                                                     {"stats", besedka::cli::runStats},
                                                     {"chat", besedka::cli::runChat},
                                                     {"why", besedka::cli::runWhy},
                                                     {"history", besedka::cli::runHistory},
                                                     {"add", besedka::cli::runAdd}};
    const auto command = argc >= 2 ? commands.find(argv[1]) : commands.end();
    if (command == commands.end())
        return misunderstood(argc, argv);
    return command->second(std::vector<std::string>(argv + 2, argv + argc));
}
