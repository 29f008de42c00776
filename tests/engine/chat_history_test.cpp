// SPDX-License-Identifier: GPL-3.0-or-later
// What the terminal chat keeps in the history, whatever ends it.
#include "engine/history.h"
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
namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

void writeChatBase(const BaseFolder& folder) {
    folder.writeExampleBase();
    folder.write("Words.Dat", {"Фразы", "ПРИВЕТ.^Здравствуй!;", "ЗДРАВСТВУЙ!^Как дела?;"});
}

// Speaker and text of each line of the one day the history holds; the times must be there.
Lines keptLines(const BaseFolder& folder) {
    const fs::path history = folder.root() / "History";
    const Lines days = historyDays(history);
    if (days.size() != 1)
        return {std::to_string(days.size()) + " days"};
    Lines lines;
    for (const HistoryLine& line :
         readHistoryDay(history, days.front()).value_or(std::vector<HistoryLine>{})) {
        if (line.time.empty())
            return {"a line without its time: " + line.text};
        lines.push_back(line.speaker + ": " + line.text);
    }
    return lines;
}

// The greeting comes at random; what is left is the conversation.
Lines withoutGreeting(Lines lines) {
    std::erase(lines, "Беседка: Здравствуй, друг!");
    return lines;
}

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int runChat(const BaseFolder& folder, const std::string& input, const std::string& args) {
    std::ofstream(folder.root() / "input.txt", std::ios::binary) << input;
    const std::string command = "cd '" + folder.root().string() + "' && '" BESEDKA_CLI "' chat " +
                                args + " < input.txt > output.txt 2> errors.txt";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// `besedka-cli chat --seed 3` in the folder, reading what the test writes to the descriptor
// returned, as a person would type it.
pid_t startTypedChat(const BaseFolder& folder, int& typing) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid != 0) {
        close(pipeEnds[0]);
        typing = pipeEnds[1];
        return pid;
    }
    fs::current_path(folder.root());
    const int output = open("output.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(output, STDOUT_FILENO);
    dup2(output, STDERR_FILENO);
    dup2(pipeEnds[0], STDIN_FILENO);
    close(pipeEnds[1]);
    execl(BESEDKA_CLI, BESEDKA_CLI, "chat", "--seed", "3", static_cast<char*>(nullptr));
    _exit(127);
}

template <typename Condition> bool waitUntil(Condition condition) {
    for (int i = 0; i < 2000 && !condition(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return condition();
}

TEST(ChatHistory, EachLineIsInTheHistoryAsItIsSaidAndAKillLeavesItThere) {
    BaseFolder folder;
    writeChatBase(folder);
    int typing = -1;
    const pid_t pid = startTypedChat(folder, typing);
    ASSERT_GT(pid, 0);
    const std::string phrase = "привет\n";
    ASSERT_EQ(write(typing, phrase.data(), phrase.size()), static_cast<ssize_t>(phrase.size()));
    const Lines expected = {"Вы: Привет.", "Беседка: Здравствуй!"};
    // Read while the chat still waits for the next phrase.
    EXPECT_TRUE(waitUntil([&] { return withoutGreeting(keptLines(folder)) == expected; }))
        << ::testing::PrintToString(keptLines(folder));
    kill(pid, SIGKILL);
    int raw = 0;
    waitpid(pid, &raw, 0);
    close(typing);
    EXPECT_TRUE(WIFSIGNALED(raw));
    EXPECT_EQ(withoutGreeting(keptLines(folder)), expected);
    // The session record of "Выход" never came.
    EXPECT_EQ(folder.read("Log.Quorel"), Lines{});
}

TEST(ChatHistory, AHistoryThatCannotBeWrittenIsToldOnceAndTheChatGoesOn) {
    BaseFolder folder;
    writeChatBase(folder);
    std::ofstream(folder.root() / "History") << "a file where the folder should be";
    ASSERT_EQ(runChat(folder, "привет\nздравствуй!\n", "--seed 3"), 0);
    std::istringstream errors(slurp(folder.root() / "errors.txt"));
    Lines told;
    for (std::string line; std::getline(errors, line);)
        told.push_back(line);
    ASSERT_EQ(told.size(), 2u) << slurp(folder.root() / "errors.txt");
    EXPECT_TRUE(told[0].starts_with("besedka-cli: История бесед не записывается в " +
                                    (folder.root() / "History").string() + "/"))
        << told[0];
    EXPECT_FALSE(told[1].empty());
    EXPECT_NE(slurp(folder.root() / "output.txt").find("CPU:     Как дела?"), std::string::npos);
    EXPECT_NE(folder.read("Log.Quorel"), Lines{});
}

} // namespace
} // namespace besedka::test
