// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/line_list.h"
#include "tests/support/temp_folder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <thread>

using besedka::LineList;
using besedka::test::TempFolder;

namespace {

std::vector<std::string> generation(char mark, int lineCount) {
    std::vector<std::string> lines;
    for (int i = 0; i < lineCount; ++i)
        lines.push_back(std::string(1, mark) + std::to_string(i) + "^\xCE\xF2\xE2\xE5\xF2;");
    return lines;
}

} // namespace

// A save killed at any moment leaves the knowledge base whole: old content or new, never a part.
TEST(AtomicSave, KillAtRandomMomentsNeverLeavesAPartialFile) {
    TempFolder folder;
    const auto oldLines = generation('A', 20000);
    const auto newLines = generation('B', 15000);
    LineList(oldLines).save("Words.Dat", folder.working());

    std::mt19937 random(1207);
    std::uniform_int_distribution<int> delayMicros(0, 30000);
    int sawOld = 0, sawNew = 0;
    for (int round = 0; round < 200; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (bool flip = false;; flip = !flip)
                LineList(flip ? oldLines : newLines).save("Words.Dat", folder.working());
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        LineList onDisk;
        onDisk.load("Words.Dat", folder.working());
        const bool isOld = onDisk.lines() == oldLines;
        const bool isNew = onDisk.lines() == newLines;
        ASSERT_TRUE(isOld || isNew) << "round " << round << ": " << onDisk.count() << " lines";
        sawOld += isOld;
        sawNew += isNew;
    }
    EXPECT_GT(sawOld + sawNew, 0);
}
