// besedka-cli chat: the dialogue engine in a terminal, in the folder that holds Base\.
#include "engine/phrase.h"
#include "engine/session_log.h"
#include "engine/turn.h"
#include "platform/core/clock.h"
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "tools/cli/commands.h"

#include <charconv>
#include <clocale>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <unistd.h>
#include <utility>

namespace besedka::cli {

namespace {

// The window as far as a terminal has one: the transcript, and the two timers that matter
// once a turn is over. Sounds and the busy cursor have no terminal form.
class ChatView final : public TurnView {
public:
    void setBusyCursor(bool) override {}
    void playPhraseSound() override {}
    void playSystemSound() override {}
    void showUserLine(const std::string& phrase) override { transcript_.push_back(phrase); }
    void showSystemLine(const std::string& line) override { transcript_.push_back(line); }
    void setClosingTimer(bool enabled) override { closing_ = enabled; }
    void setFollowUpTimer(bool enabled) override { followUpPending_ = enabled; }

    // The line before the last one, as the repeat check reads the transcript.
    std::string previousTranscriptLine() const {
        return transcript_.size() < 2 ? std::string() : transcript_[transcript_.size() - 2];
    }
    bool closing() const { return closing_; }
    bool takeFollowUp() { return std::exchange(followUpPending_, false); }

private:
    std::vector<std::string> transcript_;
    bool closing_ = false;
    bool followUpPending_ = false;
};

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
        if (printable.starts_with(cpuPrefix))
            writeUtf8(cp1251::fromUtf8("  Беседка: ") + printable.substr(cpuPrefix.size()) + '\n');
    }

    const LineList& session_;
    bool forPerson_;
    int shown_ = 0;
};

std::optional<std::uint32_t> parseSeed(const std::vector<std::string>& args) {
    std::uint32_t seed = 0;
    const std::string& text = args[1];
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return seed;
}

// A file error ends the step that failed and is shown; the chat goes on.
template <typename Step> bool guarded(Step step) {
    try {
        step();
        return true;
    } catch (const FileError& e) {
        trouble(e.what());
        return false;
    }
}

// Null, with the reason shown, when the arguments are not understood.
std::unique_ptr<RandomSource> randomFor(const std::vector<std::string>& args) {
    if (args.empty())
        return std::make_unique<ClockRandom>();
    if (args.size() != 2 || args[0] != "--seed") {
        trouble("usage: besedka-cli chat [--seed N]");
        return nullptr;
    }
    const auto seed = parseSeed(args);
    if (!seed) {
        trouble("--seed takes a whole number from 0 to 4294967295");
        return nullptr;
    }
    return std::make_unique<SeededRandom>(*seed);
}

// The main window's objects and timers, played out one line of input after another.
class Chat {
public:
    explicit Chat(RandomSource& random)
        : engine_({workingList_, session_, exchange_, random, view_}),
          forPerson_(::isatty(STDOUT_FILENO) == 1),
          prompt_(forPerson_ && ::isatty(STDIN_FILENO) == 1), printer_(session_, forPerson_) {}

    // As the greeting timer does: a failed greeting is drawn again until a draw says no.
    void greet() {
        if (prompt_)
            writeUtf8(cp1251::fromUtf8("Беседка слушает. Ctrl+D заканчивает разговор.\n"));
        while (!guarded([this] { engine_.greet(); })) {
        }
        printer_.printNewLines();
    }

    // Until a farewell reply or the end of input.
    void converse() {
        std::string phrase;
        while (!view_.closing() && readPhrase(phrase)) {
            guarded(
                [&] { engine_.runTurn(phrase, view_.previousTranscriptLine(), Mode::CpuUser); });
            printer_.printNewLines();
            // The closing animation would end the program before the remark came.
            if (!view_.closing() && view_.takeFollowUp()) {
                engine_.sayFollowUpRemark();
                printer_.printNewLines();
            }
        }
    }

    bool recordSession() {
        return guarded([this] {
            const LocalMoment now = localMoment();
            appendSessionRecord(workingList_, session_, now.date, now.time);
        });
    }

private:
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

    LineList workingList_, session_, exchange_;
    ChatView view_;
    Engine engine_;
    bool forPerson_;
    bool prompt_;
    SessionPrinter printer_;
};

} // namespace

int runChat(const std::vector<std::string>& args) {
    const auto random = randomFor(args);
    if (!random)
        return kTrouble;
    std::setlocale(LC_TIME, "");
    Chat chat(*random);
    chat.greet();
    chat.converse();
    return chat.recordSession() ? kFine : kTrouble;
}

} // namespace besedka::cli
