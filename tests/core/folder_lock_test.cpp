// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/file_error.h"
#include "platform/core/folder_lock.h"
#include "platform/core/line_list.h"
#include "tests/support/lock_holder.h"
#include "tests/support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace besedka::test {

namespace {

using namespace std::chrono_literals;

std::set<std::string> namesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class FolderLockTest : public ::testing::Test {
protected:
    FolderLockTest() { folder.write("Base/Words.Dat", "Фразы\r\n"); }

    // The first line of the message of the FileError that taking the lock throws (the second
    // says why), "no error" when it throws none.
    std::string lockError(const std::string& spelledPath) const {
        try {
            const FolderLock lock(spelledPath, folder.working(), 0ms);
        } catch (const FileError& e) {
            const std::string message = e.what();
            return message.substr(0, message.find('\n'));
        }
        return "no error";
    }

    TempFolder folder;
};

} // namespace

TEST_F(FolderLockTest, IsHeldForItsScopeOnly) {
    {
        const FolderLock lock("Base\\Words.Dat", folder.working());
        EXPECT_TRUE(lock.held());
    }
    // Released: taking it again needs no wait.
    EXPECT_EQ(lockError("Base\\Words.Dat"), "no error");
}

TEST_F(FolderLockTest, AnotherProcessHoldingItKeepsEveryFileOfTheFolderWaiting) {
    LockHolder other("Base\\Words.Dat", folder.working());
    EXPECT_EQ(lockError("Base\\Words.Dat"), "Cannot open file Base\\Words.Dat");
    EXPECT_EQ(lockError("base\\w1.dat"), "Cannot open file base\\w1.dat");
    // Another folder is not held.
    EXPECT_EQ(lockError("Words.Dat"), "no error");
}

TEST_F(FolderLockTest, AKilledHolderLeavesTheFolderUsableAndNothingBehind) {
    const auto before = namesIn(folder.path() / "Base");
    LockHolder other("Base\\Words.Dat", folder.working());
    other.kill();
    EXPECT_EQ(lockError("Base\\Words.Dat"), "no error");
    LineList list;
    list.load("Base\\Words.Dat", folder.working());
    list.add("НОВОЕ.^");
    {
        const FolderLock lock("Base\\Words.Dat", folder.working(), 0ms);
        list.save("Base\\Words.Dat", folder.working());
    }
    EXPECT_EQ(namesIn(folder.path() / "Base"), before);
}

TEST_F(FolderLockTest, AFolderThatCannotBeLockedIsWorkedInUnlocked) {
    const FolderLock lock("Missing\\Words.Dat", folder.working(), 0ms);
    EXPECT_FALSE(lock.held());
}

} // namespace besedka::test
