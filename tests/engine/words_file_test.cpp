// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/words_file.h"
#include "tests/engine/engine_fixture.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace besedka::test {

using Lines = std::vector<std::string>;

namespace {

// Writes past the limit fail (EFBIG) instead of stopping the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

} // namespace

// The phrase base is read again only when the file changed, but every change is seen.
class WordsFileTest : public EngineTest {
protected:
    std::string answer(std::string_view phrase) {
        engine.state().branchDepth = 0;
        say(phrase, {1, 0, 1});
        return reply();
    }
};

TEST_F(WordsFileTest, AFileReplacedByAnotherOfTheSameSizeIsSeen) {
    base.write("Words.Dat", {"Фразы", "ПРИВЕТ.^Привет!;"});
    EXPECT_EQ(answer("Привет."), "Привет!");
    // An editor that saves through a new file.
    base.write("Words.new", {"Фразы", "ПРИВЕТ.^Салют!!;"});
    std::filesystem::rename(base.path("Words.new"), base.path("Words.Dat"));
    EXPECT_EQ(answer("Привет."), "Салют!!");
}

TEST_F(WordsFileTest, AFileRewrittenInPlaceIsSeen) {
    base.write("Words.Dat", {"Фразы", "ПРИВЕТ.^Привет!;"});
    EXPECT_EQ(answer("Привет."), "Привет!");
    base.write("Words.Dat", {"Фразы", "ПРИВЕТ.^Добрый день!;"});
    EXPECT_EQ(answer("Привет."), "Добрый день!");
    // The same size, written later.
    base.write("Words.Dat", {"Фразы", "ПРИВЕТ.^Добрый вечер;"});
    const auto path = base.path("Words.Dat");
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) +
                                               std::chrono::seconds(1));
    EXPECT_EQ(answer("Привет."), "Добрый вечер");
}

TEST_F(WordsFileTest, AChangeAfterLearningIsSeen) {
    engine.state().previousReply = cp("Раньше.");
    answer("Салют.");
    EXPECT_EQ(base.read("Words.Dat").back(), "САЛЮТ.^");
    base.write("Words.Dat", {"Фразы", "САЛЮТ.^Салют!;"});
    EXPECT_EQ(answer("Салют."), "Салют!");
}

TEST_F(WordsFileTest, TheWorkingListHoldsTheFileAsLoadedAfterEachUse) {
    WordsFile words(working, base.working());
    words.load();
    EXPECT_EQ(workingLines(), examplePhraseBase());
    working = LineList({cp("что-то другое")});
    words.load();
    EXPECT_EQ(workingLines(), examplePhraseBase());
    working.add(cp("ещё строка")); // any use of the list, not only a new one, is noticed
    words.load();
    EXPECT_EQ(workingLines(), examplePhraseBase());
    EXPECT_EQ(words.count(), 5);
    EXPECT_EQ(utf(words.fullKey(2)), "_КАК ДЕЛА?");
    EXPECT_EQ(utf(words.key(2)), "КАК ДЕЛА?");
    EXPECT_EQ(words.line(2).depth, 1);
    EXPECT_TRUE(words.line(2).answered);
    EXPECT_TRUE(words.line(3).usable);
    EXPECT_FALSE(words.line(3).answered);
}

TEST_F(WordsFileTest, AFailedSaveLeavesNoLearnedLineBehindInMemory) {
    base.write("W2.Dat", {"Понятно.", "Салют."}); // so that only the phrase base is written
    answer("Привет.");                            // and it is in memory now
    {
        // A file size limit fails the save whoever runs the test.
        FileSizeLimit tiny(16);
        EXPECT_EQ(fileErrorOf([this] { answer("Салют."); }), "Cannot create file Base\\Words.Dat");
    }
    answer("Салют.");
    Lines expected = examplePhraseBase();
    expected.push_back("САЛЮТ.^");
    EXPECT_EQ(base.read("Words.Dat"), expected);
}

} // namespace besedka::test
