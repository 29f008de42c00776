// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/file_error.h"
#include "platform/core/start_folder.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <optional>
#include <set>

namespace fs = std::filesystem;
namespace start_folder = besedka::start_folder;
using besedka::FileError;
using besedka::test::TempFolder;

namespace {

// A temporary folder with an installed copy of the shipped data in shipped/, a user data folder
// that does not exist yet (home/besedka), and an empty start/ folder to start the program in.
class StartFolder : public ::testing::Test {
protected:
    StartFolder() {
        folder_.write("shipped/Base/Words.Dat", "БАЗА ФРАЗ\r\nПРИВЕТ.^Привет!;\r\n");
        folder_.write("shipped/Base/Log.Quorel", "");
        folder_.write("shipped/Sound/Close.wav", "RIFF-sound");
        folder_.write("shipped/ReadMe.Txt", "read me");
        fs::create_directory(folder_.path() / "start");
        standing_.emplace(folder_.path() / "start");
    }

    fs::path shipped() const { return folder_.path() / "shipped"; }
    fs::path user() const { return folder_.path() / "home" / "besedka"; }
    std::string read(const std::string& relative) const { return folder_.read(relative); }

    // Every entry under the folder, relative to it.
    static std::set<std::string> entries(const fs::path& folder) {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            names.insert(entry.path().lexically_relative(folder).string());
        return names;
    }

    TempFolder folder_;
    // prepare() looks first where the program was started.
    std::optional<besedka::test::StandingIn> standing_;
};

} // namespace

TEST(UserDataFolder, FollowsXdgDataHomeElseHome) {
    EXPECT_EQ(start_folder::userDataFolder("/data", "/home/ann"), fs::path("/data/besedka"));
    EXPECT_EQ(start_folder::userDataFolder("", "/home/ann"),
              fs::path("/home/ann/.local/share/besedka"));
    EXPECT_EQ(start_folder::userDataFolder("relative/data", "/home/ann"),
              fs::path("/home/ann/.local/share/besedka"))
        << "a relative XDG_DATA_HOME is ignored";
    EXPECT_EQ(start_folder::userDataFolder("/data", ""), fs::path("/data/besedka"));
}

TEST(UserDataFolder, WithoutAnyHomeSaysWhichFolderItCannotMake) {
    try {
        start_folder::userDataFolder("", "");
        FAIL() << "no folder can be named";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "Cannot create file $HOME/.local/share/besedka");
    }
}

TEST_F(StartFolder, FreshStartCopiesEveryShippedFileIntoTheUserFolderAndWorksThere) {
    EXPECT_EQ(start_folder::prepare(shipped(), user()), user());

    EXPECT_EQ(fs::current_path(), folder_.path() / "start") << "the process stays where it is";
    EXPECT_EQ(entries(user()), entries(shipped())) << "nothing more, no temporary files";
    EXPECT_EQ(read("home/besedka/Base/Words.Dat"), read("shipped/Base/Words.Dat"));
    EXPECT_EQ(read("home/besedka/Sound/Close.wav"), "RIFF-sound");
    EXPECT_TRUE(fs::is_empty(user() / "Base" / "Log.Quorel"));
    EXPECT_EQ(entries(folder_.path() / "start"), std::set<std::string>{})
        << "the folder it was started in stays untouched";
}

TEST_F(StartFolder, LaterStartsKeepTheUsersFilesAndAddOnlyMissingOnes) {
    start_folder::prepare(shipped(), user());
    folder_.write("home/besedka/Base/Words.Dat", "what it learned");
    folder_.write("home/besedka/Base/Mine.Dat", "the user's own file");
    folder_.remove("home/besedka/Sound/Close.wav");
    folder_.write("shipped/Base/New.Dat", "shipped later");
    fs::current_path(folder_.path() / "start");

    EXPECT_EQ(start_folder::prepare(shipped(), user()), user());

    EXPECT_EQ(read("home/besedka/Base/Words.Dat"), "what it learned");
    EXPECT_EQ(read("home/besedka/Base/Mine.Dat"), "the user's own file");
    EXPECT_EQ(read("home/besedka/Sound/Close.wav"), "RIFF-sound") << "a missing file comes back";
    EXPECT_EQ(read("home/besedka/Base/New.Dat"), "shipped later");
}

TEST_F(StartFolder, CopiesOfReadOnlyShippedFilesCanBeWrittenByTheUser) {
    fs::permissions(shipped() / "Base" / "Words.Dat",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    start_folder::prepare(shipped(), user());
    const fs::perms copied = fs::status(user() / "Base" / "Words.Dat").permissions();
    EXPECT_NE(copied & fs::perms::owner_write, fs::perms::none) << "the program saves into it";
}

TEST_F(StartFolder, AFolderHoldingAKnowledgeBaseIsWorkedInAsItIs) {
    folder_.write("start/Base/Words.Dat", "a base of its own");
    const fs::path start = fs::current_path();

    EXPECT_EQ(start_folder::prepare(shipped(), user()), start);

    EXPECT_EQ(fs::current_path(), start);
    EXPECT_FALSE(fs::exists(user())) << "the user folder is not made";
    EXPECT_EQ(entries(start), (std::set<std::string>{"Base", "Base/Words.Dat"}))
        << "nothing is added to it";
}

TEST_F(StartFolder, TheKnowledgeBaseIsFoundInAnyLetterCase) {
    folder_.write("start/base/words.dat", "lower case");
    EXPECT_EQ(start_folder::prepare(shipped(), user()), fs::current_path());
    EXPECT_FALSE(fs::exists(user()));
}

TEST_F(StartFolder, AStrayBaseFolderWithoutAPhraseBaseDoesNotCount) {
    folder_.write("start/Base/photo.jpg", "not a knowledge base");
    EXPECT_EQ(start_folder::prepare(shipped(), user()), user());
    EXPECT_EQ(read("home/besedka/Base/Words.Dat"), read("shipped/Base/Words.Dat"));
}

TEST_F(StartFolder, AUserFolderThatCannotBeMadeIsReportedByName) {
    folder_.write("home", "a file where the folder should be");
    const fs::path start = fs::current_path();
    try {
        start_folder::prepare(shipped(), user());
        FAIL() << "the folder cannot be made";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + user().string());
    }
    EXPECT_EQ(fs::current_path(), start);
}

TEST_F(StartFolder, AUserFileInTheWayOfAShippedFolderIsReportedAndKept) {
    folder_.write("home/besedka/Sound", "a file named like a shipped folder");
    EXPECT_THROW(start_folder::prepare(shipped(), user()), FileError);
    EXPECT_EQ(read("home/besedka/Sound"), "a file named like a shipped folder");
}

TEST_F(StartFolder, MissingShippedDataIsReported) {
    fs::remove_all(shipped());
    try {
        start_folder::prepare(shipped(), user());
        FAIL() << "there is nothing to copy";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + shipped().string());
    }
    EXPECT_FALSE(fs::exists(user())) << "no empty data folder left behind";
}

TEST_F(StartFolder, TheShippedDataIsTheInstalledCopyElseTheSourceTreesOfTheBuild) {
    folder_.write("prefix/share/besedka/Base/Words.Dat", "installed");
    fs::create_directories(folder_.path() / "prefix" / "bin");
    EXPECT_EQ(start_folder::shippedFor(folder_.path() / "prefix" / "bin"),
              folder_.path() / "prefix" / "share" / "besedka");

    const fs::path fromBuild = start_folder::shippedFor(folder_.path() / "build" / "shell");
    EXPECT_TRUE(fs::is_regular_file(fromBuild / "Base" / "Words.Dat")) << fromBuild;
    EXPECT_TRUE(fs::is_directory(fromBuild / "Sound")) << fromBuild;
}
