// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/engine/engine_fixture.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace besedka::test {

using Lines = std::vector<std::string>;

namespace {

struct ChatRun {
    int status = -1;
    Lines out; // standard output, line by line (UTF-8)
    std::string err;
};

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

Lines splitLines(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Runs `besedka-cli chat ARGS` in the folder with the UTF-8 input; output is not a terminal.
ChatRun chat(const BaseFolder& folder, const std::string& input, const std::string& args) {
    const auto root = folder.root();
    std::ofstream(root / "input.txt", std::ios::binary) << input;
    const std::string command = "cd '" + root.string() + "' && '" BESEDKA_CLI "' chat " + args +
                                " < input.txt > output.txt 2> errors.txt";
    ChatRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = splitLines(slurp(root / "output.txt"));
    run.err = slurp(root / "errors.txt");
    return run;
}

// The greeting and the follow-up remarks come at random; what is left is the conversation.
Lines withoutRemarks(Lines lines) {
    std::erase_if(lines, [](const std::string& line) {
        return line == "CPU:     Здравствуй, друг!" || line == "CPU:     Кстати.";
    });
    return lines;
}

// One answer for each line, so that only the remarks are left to chance.
void writeChatBase(const BaseFolder& folder) {
    folder.writeExampleBase();
    folder.write("Words.Dat",
                 {"Фразы", "ПРИВЕТ.^Здравствуй!;", "_КАК ДЕЛА?^Хорошо.;", "ПОКА.^До встречи!;@"});
}

// The session record at the end of the log: the lines between its header and its closing rule.
Lines recordedSession(const BaseFolder& folder) {
    const Lines log = folder.read("Log.Quorel");
    const auto header = std::find_if(log.begin(), log.end(), [](const std::string& line) {
        return line.starts_with("//Загружено фраз выученных программой: ");
    });
    if (header == log.end() || log.back() != std::string(53, '='))
        return {"no record"};
    return Lines(header + 1, log.end() - 1);
}

} // namespace

TEST(Chat, PrintsEachSessionLineAndRecordsTheSessionAtTheEndOfInput) {
    BaseFolder folder;
    writeChatBase(folder);
    const ChatRun run = chat(folder, "привет\n\nкак дела?\r\nты кто?\n", "--seed 7");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(withoutRemarks(run.out),
              (Lines{"USER:     Привет.", "CPU:     Здравствуй!", "USER:     Как дела?",
                     "CPU:     Хорошо.", "USER:     Ты кто?", "CPU:     Не знаю."}));
    EXPECT_EQ(recordedSession(folder), run.out);
    const Lines log = folder.read("Log.Quorel");
    ASSERT_GE(log.size(), 4u);
    EXPECT_TRUE(log[3].starts_with(std::string(22, ' ') + "Дата - ")) << log[3];
    EXPECT_NE(log[3].find("   |   Время - "), std::string::npos) << log[3];
}

TEST(Chat, AFarewellReplyEndsTheChat) {
    BaseFolder folder;
    writeChatBase(folder);
    const ChatRun run = chat(folder, "пока\nпривет\n", "--seed 1");
    EXPECT_EQ(withoutRemarks(run.out), (Lines{"USER:     Пока.", "CPU:     До встречи!"}));
    EXPECT_EQ(recordedSession(folder), run.out);
}

TEST(Chat, TheRepeatCheckReadsTheChatsOwnTranscript) {
    // Whether a follow-up remark came between decides, as in the window.
    int remarks = 0;
    for (int seed = 0; seed < 8; ++seed) {
        BaseFolder folder;
        writeChatBase(folder);
        const ChatRun run = chat(folder, "привет\nПРИВЕТ\n", "--seed " + std::to_string(seed));
        const Lines out = run.out;
        const auto first = std::find(out.begin(), out.end(), "CPU:     Здравствуй!");
        ASSERT_NE(first, out.end());
        const bool remarkBetween = *(first + 1) == "CPU:     Кстати.";
        const auto again = std::find(first, out.end(), "USER:     ПРИВЕТ.");
        ASSERT_LT(again + 1, out.end());
        EXPECT_EQ(again[1] == "CPU:     Ты повторяешься.", !remarkBetween) << "seed " << seed;
        remarks += remarkBetween ? 1 : 0;
    }
    // The seeds cover both cases.
    EXPECT_GT(remarks, 0);
    EXPECT_LT(remarks, 8);
}

// The chat goes on, but a script must learn that something was lost.
TEST(Chat, AMissingFileIsReportedTheChatGoesOnAndTheExitStatusSaysSo) {
    BaseFolder folder;
    writeChatBase(folder);
    folder.remove("X.Dat");
    const ChatRun run = chat(folder, "ты лох\nпривет\n", "--seed 2");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Cannot open file Base\\X.Dat"), std::string::npos) << run.err;
    EXPECT_EQ(withoutRemarks(run.out),
              (Lines{"USER:     Ты лох.", "USER:     Привет.", "CPU:     Здравствуй!"}));
}

TEST(Chat, TheSameSeedGivesTheSameConversationAndTheSameFiles) {
    const auto converse = [](BaseFolder& folder) {
        writeChatBase(folder);
        folder.write("W2.Dat", {"Раз.", "Два.", "Три.", "Четыре.", "Пять."});
        folder.write("AI.dat", {"-", "А.", "Б.", "В.", "Г."});
        return chat(folder, "один\nдва\nтри\nчетыре\nпять\nшесть\n", "--seed 42").out;
    };
    BaseFolder first;
    const Lines firstRun = converse(first);
    const Lines firstBase = first.read("Words.Dat");
    BaseFolder second;
    EXPECT_EQ(converse(second), firstRun);
    EXPECT_EQ(second.read("Words.Dat"), firstBase);
    EXPECT_EQ(second.read("W2.Dat"), first.read("W2.Dat"));
}

TEST(Chat, ControlCharactersOfATypedLineBecomeOneSpace) {
    BaseFolder folder;
    writeChatBase(folder);
    const ChatRun run =
        chat(folder, "привет\nкто\tты\x1b[31m \x07такой\b\x7f?\r\n\x1b\x01\n", "--seed 4");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(withoutRemarks(run.out),
              (Lines{"USER:     Привет.", "CPU:     Здравствуй!", "USER:     Кто ты [31m такой ?",
                     "CPU:     Не знаю."}));
    EXPECT_EQ(folder.read("W2.Dat"), (Lines{"Понятно.", "Кто ты [31m такой ?"}));
}

TEST(Chat, PrintsNoControlCharacterOfTheKnowledgeBase) {
    BaseFolder folder;
    writeChatBase(folder);
    folder.write("Words.Dat", {"Фразы", "ПРИВЕТ.^\x1b[1mЗдравствуй!\x1b[0m\x07;"});
    const ChatRun run = chat(folder, "привет\n", "--seed 5");
    EXPECT_EQ(withoutRemarks(run.out), (Lines{"USER:     Привет.", "CPU:     [1mЗдравствуй! [0m"}));
    // The base itself is the user's: it keeps what it holds.
    EXPECT_EQ(folder.read("Words.Dat")[1], "ПРИВЕТ.^\x1b[1mЗдравствуй!\x1b[0m\x07;");
}

TEST(Chat, ALongTypedLineIsCutAsTheInputLineCutsIt) {
    BaseFolder folder;
    writeChatBase(folder);
    const auto repeated = [](const std::string& letter, int times) {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += letter;
        return text;
    };
    // A seed whose draw sends the long phrase past the stock replies for long phrases.
    const ChatRun run = chat(folder, "привет\n" + repeated("я", 20000) + "\n", "--seed 3");
    EXPECT_EQ(run.status, 0);
    const std::string learned = "Я" + repeated("я", 254) + ".";
    EXPECT_NE(std::find(run.out.begin(), run.out.end(), "USER:     " + learned), run.out.end());
    EXPECT_EQ(folder.read("W2.Dat").back(), learned);
    EXPECT_EQ(folder.read("Words.Dat").back(), repeated("Я", 255) + ".^");
}

TEST(Chat, RejectsArgumentsItDoesNotKnow) {
    BaseFolder folder;
    writeChatBase(folder);
    EXPECT_EQ(chat(folder, "", "--seed").status, 2);
    EXPECT_EQ(chat(folder, "", "--seed x").status, 2);
    EXPECT_EQ(chat(folder, "", "--fast").status, 2);
    EXPECT_EQ(chat(folder, "", "--period 1").status, 2);
    EXPECT_EQ(chat(folder, "", "--exchange").status, 2);
    EXPECT_EQ(chat(folder, "", "--exchange f --period 0").status, 2);
    EXPECT_EQ(chat(folder, "", "--exchange f --period 1s").status, 2);
    EXPECT_EQ(chat(folder, "", "--exchange f --turns -1").status, 2);
    EXPECT_EQ(folder.read("Log.Quorel"), Lines{});
}

TEST(Chat, AMissingLogIsReportedAtTheEnd) {
    BaseFolder folder;
    writeChatBase(folder);
    folder.remove("Log.Quorel");
    const ChatRun run = chat(folder, "привет\n", "--seed 3");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Cannot open file Base\\Log.Quorel"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.path("Log.Quorel")));
}

namespace {

// Two phrases that answer each other, and a farewell.
void writeExchangeBase(const BaseFolder& folder) {
    folder.writeExampleBase();
    folder.write("Words.Dat",
                 {"Фразы", "ПРИВЕТ.^Здравствуй!;", "ЗДРАВСТВУЙ!^Как дела?;", "ПОКА.^Прощай!;@"});
}

// `besedka-cli chat ARGS` started in the folder without waiting for it; output goes to
// output.txt and errors.txt there, and standard input is empty.
pid_t startChat(const BaseFolder& folder, const std::vector<std::string>& args) {
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    std::filesystem::current_path(folder.root());
    const int output = open("output.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int errors = open("errors.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int nothing = open("/dev/null", O_RDONLY);
    dup2(output, STDOUT_FILENO);
    dup2(errors, STDERR_FILENO);
    dup2(nothing, STDIN_FILENO);
    std::vector<char*> argv{const_cast<char*>(BESEDKA_CLI), const_cast<char*>("chat")};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(BESEDKA_CLI, argv.data());
    _exit(127);
}

int exitStatusOf(pid_t pid) {
    int raw = 0;
    waitpid(pid, &raw, 0);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// Whether the process has a handler of its own for the signal (from /proc).
bool catches(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("SigCgt:"))
            return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1) & 1) != 0;
    }
    return false;
}

template <typename Condition> bool waitUntil(Condition condition) {
    for (int i = 0; i < 2000 && !condition(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return condition();
}

} // namespace

TEST(ChatExchange, AnswersLineZeroOfTheFileAndWritesEachReplyBack) {
    BaseFolder folder;
    writeExchangeBase(folder);
    std::ofstream(folder.path("exchange.txt"), std::ios::binary)
        << "\xcf\xd0\xc8\xc2\xc5\xd2\r\nlater lines are ignored\r\n";
    // Typed input would be answered first; the exchange mode reads none.
    const ChatRun run =
        chat(folder, "пока\n", "--seed 7 --exchange Base/exchange.txt --period 0.01 --turns 2");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(withoutRemarks(run.out), (Lines{"USER:     ПРИВЕТ.", "CPU:     Здравствуй!",
                                              "USER:     Здравствуй!", "CPU:     Как дела?"}));
    EXPECT_EQ(recordedSession(folder), run.out);
    EXPECT_TRUE(slurp(folder.path("exchange.txt")).starts_with("{\\rtf1"));
    EXPECT_EQ(folder.read("exchange.txt"), Lines{"Как дела?"});
}

TEST(ChatExchange, AFarewellFromTheFileEndsTheChat) {
    BaseFolder folder;
    writeExchangeBase(folder);
    std::ofstream(folder.path("exchange.txt"), std::ios::binary) << "\xcf\xce\xca\xc0\r\n";
    const ChatRun run = chat(folder, "", "--seed 7 --exchange Base/exchange.txt --period 0.01");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(withoutRemarks(run.out), (Lines{"USER:     ПОКА.", "CPU:     Прощай!"}));
}

TEST(ChatExchange, AMissingFileIsReportedAtMostOnceASecondAndPolledAgain) {
    BaseFolder folder;
    writeExchangeBase(folder);
    const auto started = std::chrono::steady_clock::now();
    const pid_t pid = startChat(folder, {"--seed", "7", "--exchange", "Base/exchange.txt",
                                         "--period", "0.01", "--turns", "1"});
    ASSERT_TRUE(waitUntil([&] { return !slurp(folder.root() / "errors.txt").empty(); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::ofstream(folder.path("exchange.txt"), std::ios::binary) << "\xcf\xd0\xc8\xc2\xc5\xd2";
    ASSERT_EQ(exitStatusOf(pid), 0);
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started)
            .count();

    const Lines errors = splitLines(slurp(folder.root() / "errors.txt"));
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.front(), "besedka-cli: Cannot open file Base/exchange.txt");
    EXPECT_LE(static_cast<long long>(errors.size()), seconds + 1);
    EXPECT_EQ(withoutRemarks(splitLines(slurp(folder.root() / "output.txt"))),
              (Lines{"USER:     ПРИВЕТ.", "CPU:     Здравствуй!"}));
}

TEST(ChatExchange, AFileWithNulBytesIsNeitherAnsweredNorWrittenAndIsPolledAgain) {
    BaseFolder folder;
    writeExchangeBase(folder);
    const std::string blob("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xcf\xd0\xc8\xc2\xc5\xd2", 22);
    std::ofstream(folder.path("exchange.txt"), std::ios::binary) << blob;
    const pid_t pid = startChat(folder, {"--seed", "7", "--exchange", "Base/exchange.txt",
                                         "--period", "0.01", "--turns", "1"});
    ASSERT_TRUE(waitUntil([&] { return !slurp(folder.root() / "errors.txt").empty(); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(slurp(folder.path("exchange.txt")), blob);
    std::ofstream(folder.path("exchange.txt"), std::ios::binary) << "\xcf\xd0\xc8\xc2\xc5\xd2";
    ASSERT_EQ(exitStatusOf(pid), 0);

    const Lines errors = splitLines(slurp(folder.root() / "errors.txt"));
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.front(), "besedka-cli: Not a text file Base/exchange.txt");
    EXPECT_EQ(withoutRemarks(splitLines(slurp(folder.root() / "output.txt"))),
              (Lines{"USER:     ПРИВЕТ.", "CPU:     Здравствуй!"}));
}

TEST(ChatExchange, AFileWithoutAPhraseIsSaidOnceWhileTheChatWaits) {
    BaseFolder folder;
    writeExchangeBase(folder);
    std::ofstream(folder.path("exchange.txt"), std::ios::binary) << "";
    const pid_t pid = startChat(folder, {"--seed", "7", "--exchange", "Base/exchange.txt",
                                         "--period", "0.01", "--turns", "1"});
    ASSERT_TRUE(waitUntil([&] { return !slurp(folder.root() / "errors.txt").empty(); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::ofstream(folder.path("exchange.txt"), std::ios::binary) << "\xcf\xd0\xc8\xc2\xc5\xd2";
    ASSERT_EQ(exitStatusOf(pid), 0);

    EXPECT_EQ(splitLines(slurp(folder.root() / "errors.txt")),
              Lines{"besedka-cli: Base/exchange.txt holds no phrase: waiting for a line"});
    EXPECT_EQ(withoutRemarks(splitLines(slurp(folder.root() / "output.txt"))),
              (Lines{"USER:     ПРИВЕТ.", "CPU:     Здравствуй!"}));
}

TEST(ChatExchange, CtrlCEndsTheChatWithTheSessionRecorded) {
    BaseFolder folder;
    writeExchangeBase(folder);
    std::ofstream(folder.path("exchange.txt"), std::ios::binary) << "\xcf\xd0\xc8\xc2\xc5\xd2";
    const pid_t pid =
        startChat(folder, {"--seed", "7", "--exchange", "Base/exchange.txt", "--period", "60"});
    ASSERT_TRUE(waitUntil([&] { return catches(pid, SIGINT); }));
    kill(pid, SIGINT);
    EXPECT_EQ(exitStatusOf(pid), 0);
    EXPECT_NE(recordedSession(folder), Lines{"no record"});
    EXPECT_EQ(folder.read("exchange.txt"), Lines{"ПРИВЕТ"});
}

} // namespace besedka::test
