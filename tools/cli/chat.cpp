// SPDX-License-Identifier: GPL-3.0-or-later
// besedka-cli chat: the dialogue engine in a terminal, on the knowledge base of the folder the
// desktop program would work in.
#include "engine/history.h"
#include "engine/phrase.h"
#include "engine/plain_view.h"
#include "engine/session_log.h"
#include "engine/turn.h"
#include "platform/core/clock.h"
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/core/paths.h"
#include "tools/cli/commands.h"

#include <charconv>
#include <chrono>
#include <clocale>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <thread>
#include <unistd.h>
#include <utility>

namespace besedka::cli {

namespace {

void writeUtf8(const std::string& textCp1251) {
    const std::string utf8 = cp1251::toUtf8(textCp1251);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

// Shows what entered the session buffer since the last call. A script sees the buffer's lines
// as they are; a person sees the system's lines only, having typed the others.
class SessionPrinter {
public:
    SessionPrinter(const LineList& session, bool forPerson)
        : session_(session), forPerson_(forPerson) {}

    // When the phrases come from a file, a person has typed none of them.
    void showUserLines() { showUserLines_ = true; }

    void printNewLines() {
        for (; shown_ < session_.count(); ++shown_)
            print(session_.lines()[static_cast<std::size_t>(shown_)]);
        std::fflush(stdout);
    }

private:
    void print(const std::string& line) const {
        const std::string printable = withoutControlCharacters(line);
        if (!forPerson_) {
            writeUtf8(printable + '\n');
            return;
        }
        const std::string_view cpuPrefix = kCpuPrefix;
        const std::string_view userPrefix = kUserPrefix;
        if (printable.starts_with(cpuPrefix))
            writeUtf8(cp1251::fromUtf8("  Беседка: ") + printable.substr(cpuPrefix.size()) + '\n');
        else if (showUserLines_ && printable.starts_with(userPrefix))
            writeUtf8(cp1251::fromUtf8("Вы: ") + printable.substr(userPrefix.size()) + '\n');
    }

    const LineList& session_;
    bool forPerson_;
    bool showUserLines_ = false;
    int shown_ = 0;
};

constexpr const char* kChatUsage = "usage: besedka-cli chat [--seed N] [--no-learn] [--exchange "
                                   "FILE [--period SECONDS] [--turns N]]";

std::optional<double> parseSeconds(const std::string& text) {
    char* end = nullptr;
    const double seconds = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(seconds) || seconds <= 0)
        return std::nullopt;
    return seconds;
}

// The Cpu\Cpu mode of the terminal: phrases from line 0 of a file, replies written back to it.
struct ExchangeOptions {
    std::string path; // as the engine spells paths
    std::chrono::duration<double> period{1.0};
    std::optional<long long> turns;
};

struct ChatOptions {
    std::optional<std::uint32_t> seed;
    std::optional<ExchangeOptions> exchange;
    bool learn = true; // false: no knowledge file changes, no session is recorded
};

// What is wrong with one option and its value (empty when the option ends the line); empty when
// it is understood.
std::string takeOption(const std::string& option, const std::string& value, ChatOptions& options,
                       ExchangeOptions& exchange) {
    if (option == "--seed") {
        options.seed = parseSeed(value);
        return options.seed ? "" : "--seed takes a whole number from 0 to 4294967295";
    }
    if (option == "--exchange") {
        exchange.path = cp1251::fromUtf8(value);
        return value.empty() ? "--exchange takes the path of the exchange file" : "";
    }
    if (option == "--period") {
        const auto seconds = parseSeconds(value);
        exchange.period = std::chrono::duration<double>(seconds.value_or(0));
        return seconds ? "" : "--period takes a positive number of seconds";
    }
    if (option == "--turns") {
        exchange.turns = parseWholeNumber<long long>(value);
        return exchange.turns && *exchange.turns > 0 ? "" : "--turns takes a positive whole number";
    }
    return "unknown option " + cp1251::fromUtf8(option);
}

// Null, with the reason shown, when the arguments are not understood.
std::optional<ChatOptions> parseChatOptions(std::vector<std::string> args) {
    ChatOptions options;
    // The one option without a value; the others come in pairs.
    options.learn = std::erase(args, std::string("--no-learn")) == 0;
    ExchangeOptions exchange;
    bool exchangeOptionGiven = false;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& option = args[i];
        const std::string value = i + 1 < args.size() ? args[i + 1] : std::string();
        const std::string problem = takeOption(option, value, options, exchange);
        if (!problem.empty()) {
            trouble(problem);
            return std::nullopt;
        }
        exchangeOptionGiven = exchangeOptionGiven || option != "--seed";
    }
    if (exchangeOptionGiven && exchange.path.empty()) {
        trouble(std::string("--period and --turns go with --exchange; ") + kChatUsage);
        return std::nullopt;
    }
    if (exchangeOptionGiven)
        options.exchange = exchange;
    return options;
}

volatile std::sig_atomic_t interrupted = 0;

// Ctrl+C ends an exchange conversation between two turns, so the session is still recorded.
void stopOnInterrupt() {
    struct sigaction action = {};
    action.sa_handler = [](int) { interrupted = 1; };
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// Sleeps for the period, waking early when interrupted.
void waitFor(std::chrono::duration<double> period) {
    const auto until = std::chrono::steady_clock::now() +
                       std::chrono::duration_cast<std::chrono::steady_clock::duration>(period);
    constexpr std::chrono::milliseconds kSlice{20};
    while (!interrupted && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            kSlice, until - std::chrono::steady_clock::now()));
}

// A relative exchange path names a file where the user stands, also when the knowledge base,
// which the engine finds the exchange file in, is elsewhere.
std::string whereUserStands(const WorkingFolder& folder, const std::string& spelledPath) {
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    if (WorkingFolder::ofProcess().resolve(spelledPath).is_absolute() || folder.root() == here)
        return spelledPath;
    return cp1251::fromUtf8(here.string()) + '/' + spelledPath;
}

// The main window's objects and timers, played out one line of input after another.
class Chat {
public:
    // Without typed input, nobody is prompted.
    // Without keeping files, the knowledge base is tried without teaching it: nothing is learned,
    // collected, recorded or kept in the history; only the exchange file is written.
    Chat(const WorkingFolder& folder, RandomSource& random, bool typedInput, bool keepsFiles)
        : folder_(folder),
          history_(
              clock_, [](const std::string& message) { trouble(message); }, historyFolder(folder)),
          engine_(
              {workingList_, session_, exchange_, random, view_, keepsFiles ? &history_ : nullptr},
              folder),
          forPerson_(::isatty(STDOUT_FILENO) == 1), typedInput_(typedInput),
          prompt_(typedInput && forPerson_ && ::isatty(STDIN_FILENO) == 1),
          printer_(session_, forPerson_), keepsFiles_(keepsFiles) {
        engine_.setLearning(keepsFiles);
    }

    // As the greeting timer does: a failed greeting is drawn again until a draw says no.
    void greet() {
        if (prompt_)
            writeUtf8(cp1251::fromUtf8("Беседка слушает. Ctrl+D заканчивает разговор.\n"));
        else if (forPerson_ && !typedInput_)
            writeUtf8(cp1251::fromUtf8("Беседка отвечает на фразы из файла. Ctrl+C заканчивает "
                                       "разговор.\n"));
        while (!guarded([this] { engine_.greet(); })) {
        }
        printer_.printNewLines();
    }

    // Until a farewell reply or the end of input.
    void converse() {
        std::string phrase;
        while (!view_.closing() && readPhrase(phrase))
            takeTurn(phrase, Mode::CpuUser);
    }

    // One turn per period on the exchange file, until the turns are done, a farewell reply or
    // Ctrl+C. A file that cannot be read is reported at most once a second and polled again; a
    // file without a phrase is said once, until a phrase comes.
    void converseThrough(const ExchangeOptions& exchange) {
        printer_.showUserLines();
        long long turns = 0;
        std::optional<std::chrono::steady_clock::time_point> lastReport;
        bool waitSaid = false;
        while (!view_.closing() && !interrupted && (!exchange.turns || turns < *exchange.turns)) {
            waitFor(exchange.period);
            if (interrupted)
                break;
            try {
                exchange_.loadText(exchange.path, folder_);
            } catch (const FileError& e) {
                const auto now = std::chrono::steady_clock::now();
                if (!lastReport || now - *lastReport >= std::chrono::seconds(1)) {
                    trouble(e.what());
                    lastReport = now;
                }
                continue;
            }
            if (phraseAtEntry(exchange_.get(0)).empty()) {
                if (!std::exchange(waitSaid, true))
                    sayWaiting(exchange.path);
                continue;
            }
            waitSaid = false;
            if (takeTurn(exchange_.get(0), Mode::CpuCpu, exchange.path))
                ++turns;
        }
    }

    void recordSession() {
        if (!keepsFiles_)
            return;
        guarded([this] {
            const LocalMoment now = localMoment();
            appendSessionRecord(workingList_, session_, now.date, now.time, folder_);
        });
    }

    // Whether a file failed the greeting, a turn or the record: the chat went on without it,
    // but what it should have learned or written may be lost.
    bool anyFileFailed() const { return anyFileFailed_; }

private:
    // A file error ends the step that failed and is shown; the chat goes on.
    template <typename Step> bool guarded(Step step) {
        try {
            step();
            return true;
        } catch (const FileError& e) {
            trouble(e.what());
            anyFileFailed_ = true;
            return false;
        }
    }

    static void sayWaiting(const std::string& exchangePath) {
        std::fprintf(stderr, "besedka-cli: %s holds no phrase: waiting for a line\n",
                     cp1251::toUtf8(exchangePath).c_str());
    }

    // Whether a turn was taken: an empty phrase takes none.
    bool takeTurn(const std::string& phrase, Mode mode, const std::string& exchangePath = {}) {
        bool taken = false;
        guarded([&] {
            taken = engine_.runTurn(phrase, view_.previousTranscriptLine(), mode, exchangePath);
        });
        printer_.printNewLines();
        // The closing animation would end the program before the remark came.
        if (!view_.closing() && view_.takeFollowUp()) {
            engine_.sayFollowUpRemark();
            printer_.printNewLines();
        }
        return taken;
    }

    bool readPhrase(std::string& phrase) {
        if (prompt_)
            writeUtf8(cp1251::fromUtf8("Вы: "));
        std::fflush(stdout);
        std::string line;
        if (!std::getline(std::cin, line)) {
            if (prompt_)
                std::fputc('\n', stdout);
            return false;
        }
        phrase = typedPhrase(cp1251::fromUtf8(line));
        return true;
    }

    WorkingFolder folder_;
    LineList workingList_, session_, exchange_;
    PlainView view_;
    SystemClock clock_;
    HistoryWriter history_;
    Engine engine_;
    bool forPerson_;
    bool typedInput_;
    bool prompt_;
    SessionPrinter printer_;
    bool anyFileFailed_ = false;
    bool keepsFiles_;
};

} // namespace

int runChat(const std::vector<std::string>& args) {
    auto options = parseChatOptions(args);
    if (!options)
        return kTrouble;
    const auto folder = knowledgeFolder();
    if (!folder)
        return kTrouble;
    if (options->exchange)
        options->exchange->path = whereUserStands(*folder, options->exchange->path);
    const auto random = randomSource(options->seed);
    std::setlocale(LC_TIME, "");
    Chat chat(*folder, *random, !options->exchange, options->learn);
    chat.greet();
    if (options->exchange) {
        stopOnInterrupt();
        chat.converseThrough(*options->exchange);
    } else {
        chat.converse();
    }
    chat.recordSession();
    return chat.anyFileFailed() ? kTrouble : kFine;
}

} // namespace besedka::cli
