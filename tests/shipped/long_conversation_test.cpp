// SPDX-License-Identifier: GPL-3.0-or-later
// A long conversation with learning in a copy of the shipped data: the base stays sound, grows by
// what was learned and nothing else, and a turn does not slow down faster than the base grows.
#include "engine/knowledge_line.h"
#include "engine/knowledge_stats.h"
#include "engine/phrase.h"
#include "engine/plain_view.h"
#include "platform/core/cp1251.h"
#include "tests/support/temp_folder.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>

namespace besedka {
namespace {

using test::TempFolder;

constexpr int kTurns = 1000;
constexpr int kTimedTurns = 100;

// Phrases of one to five dictionary words with some punctuation, half of the time; otherwise
// the phrase just said again, an earlier phrase again, or abuse.
class PhraseMaker {
public:
    explicit PhraseMaker(const LineList& dictionary) : words_(dictionary.lines()) {}

    std::string next() {
        const int kind = draw(10);
        std::string phrase;
        if (kind < 2 && !said_.empty())
            phrase = said_.back();
        else if (kind < 4 && !said_.empty())
            phrase = said_[static_cast<std::size_t>(draw(static_cast<int>(said_.size())))];
        else if (kind == 4)
            phrase = cp1251::fromUtf8("ты ") + word() + cp1251::fromUtf8(" дура");
        else
            phrase = freshPhrase();
        said_.push_back(phrase);
        return phrase;
    }

private:
    std::string freshPhrase() {
        static const char* const kEnds[] = {"", ".", "!", "?", ",", "...", "?!"};
        std::string phrase = word();
        for (int extra = draw(5); extra > 0; --extra)
            phrase += (draw(6) == 0 ? ", " : " ") + word();
        return phrase + kEnds[draw(7)];
    }
    std::string word() {
        return words_[static_cast<std::size_t>(draw(static_cast<int>(words_.size())))];
    }
    int draw(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

    std::vector<std::string> words_;
    std::vector<std::string> said_;
    std::mt19937 engine_{20261207};
};

LineList loaded(const WorkingFolder& folder, const char* path) {
    LineList list;
    list.load(path, folder);
    return list;
}

std::multiset<std::string> linesOf(const WorkingFolder& folder, const char* path) {
    const LineList list = loaded(folder, path);
    return {list.lines().begin(), list.lines().end()};
}

// The answers of every key, keys in the order the file holds them.
std::map<std::string, std::multiset<std::string>> answersByKey(const WorkingFolder& folder) {
    std::map<std::string, std::multiset<std::string>> answers;
    const LineList base = loaded(folder, base_files::kWords);
    for (int i = 1; i < base.count(); ++i) {
        KnowledgeLine line;
        if (parseKnowledgeLine(base.get(i), line))
            answers[base.get(i).substr(0, base.get(i).find('^'))].insert(line.answers.begin(),
                                                                         line.answers.end());
    }
    return answers;
}

// What `after` holds beyond `before`; empty when something of `before` went missing.
template <typename Item>
std::vector<Item> added(const std::multiset<Item>& before, const std::multiset<Item>& after,
                        bool& lost) {
    std::vector<Item> extra;
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                        std::back_inserter(extra));
    lost = lost || !std::includes(after.begin(), after.end(), before.begin(), before.end());
    return extra;
}

// What the base holds, in characters: its file grows fourfold at its first save, as RTF.
std::size_t baseSize(const WorkingFolder& folder) {
    const LineList base = loaded(folder, base_files::kWords);
    std::size_t size = 0;
    for (const auto& line : base.lines())
        size += line.size() + 1;
    return size;
}

double medianMilliseconds(std::vector<double> times) {
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

TEST(LongConversation, KeepsTheShippedBaseSoundAndGrowsItByWhatWasLearned) {
    TempFolder folder;
    std::filesystem::copy(std::filesystem::path(BESEDKA_DATA_DIR) / "Base", folder.path() / "Base",
                          std::filesystem::copy_options::recursive);
    const WorkingFolder knowledge = folder.working();
    LineList working, session, exchange;
    const ExpressionCounts countsBefore = countExpressions(working, knowledge);
    const PhraseCounts phrasesBefore = countPhrases(loaded(knowledge, base_files::kWords));
    const auto answersBefore = answersByKey(knowledge);
    const auto w1Before = linesOf(knowledge, base_files::kQuestionReplies);
    const auto w2Before = linesOf(knowledge, base_files::kStatementReplies);
    const std::size_t sizeBefore = baseSize(knowledge);

    SeededRandom random(7);
    PlainView view;
    Engine engine({working, session, exchange, random, view}, knowledge);
    PhraseMaker maker(loaded(knowledge, "Base\\dictionary.dat"));
    std::set<std::string> said, saidKeys;
    std::vector<double> times;
    for (int turn = 0; turn < kTurns; ++turn) {
        const std::string phrase = typedPhrase(maker.next());
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(engine.runTurn(phrase, view.previousTranscriptLine(), Mode::CpuUser));
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        said.insert(engine.state().userPhrase);
        saidKeys.insert(cp1251::upper(engine.state().userPhrase));
    }

    // Every knowledge file loads, and lint finds nothing in the phrase base.
    const LineList base = loaded(knowledge, base_files::kWords);
    for (int i = 1; i < base.count(); ++i)
        EXPECT_EQ(problemsOf(base.get(i)).size(), 0u) << "line " << i + 1;
    const auto collection = linesOf(knowledge, base_files::kAbuseCollection);

    // Nothing lost; everything added is a phrase of the conversation.
    bool lost = false;
    std::vector<std::string> newReplies =
        added(w1Before, linesOf(knowledge, base_files::kQuestionReplies), lost);
    const auto w2Added = added(w2Before, linesOf(knowledge, base_files::kStatementReplies), lost);
    newReplies.insert(newReplies.end(), w2Added.begin(), w2Added.end());
    const auto answersAfter = answersByKey(knowledge);
    int newKeys = 0, newAnswers = 0;
    for (const auto& [key, answers] : answersAfter) {
        const auto before = answersBefore.find(key);
        if (before == answersBefore.end()) {
            ++newKeys;
            EXPECT_EQ(saidKeys.count(key), 1u) << cp1251::toUtf8(key);
        }
        for (const auto& answer :
             added(before == answersBefore.end() ? std::multiset<std::string>{} : before->second,
                   answers, lost)) {
            ++newAnswers;
            EXPECT_EQ(said.count(answer), 1u) << cp1251::toUtf8(answer);
        }
    }
    for (const auto& reply : newReplies)
        EXPECT_EQ(said.count(reply), 1u) << cp1251::toUtf8(reply);
    for (const auto& line : collection)
        EXPECT_EQ(said.count(line.substr(4)), 1u) << cp1251::toUtf8(line);
    EXPECT_FALSE(lost);
    EXPECT_EQ(answersAfter.size(), answersBefore.size() + static_cast<std::size_t>(newKeys));

    // The counts of the statistics grew by exactly that.
    const ExpressionCounts countsAfter = countExpressions(working, knowledge);
    EXPECT_GT(newKeys, 0);
    EXPECT_GT(newAnswers, 0);
    EXPECT_FALSE(collection.empty());
    EXPECT_EQ(countsAfter.incoming, countsBefore.incoming + newKeys);
    EXPECT_EQ(countsAfter.outgoing,
              countsBefore.outgoing + newAnswers + static_cast<int>(newReplies.size()));
    const PhraseCounts phrasesAfter = countPhrases(loaded(knowledge, base_files::kWords));
    EXPECT_EQ(phrasesAfter.mainPhrases, phrasesBefore.mainPhrases + newKeys);
    EXPECT_EQ(phrasesAfter.branches, phrasesBefore.branches);

    // A turn reads the whole base, so it may slow down as the base grows, but not faster than it.
    const double growth =
        static_cast<double>(baseSize(knowledge)) / static_cast<double>(sizeBefore);
    const double first = medianMilliseconds({times.begin(), times.begin() + kTimedTurns});
    const double last = medianMilliseconds({times.end() - kTimedTurns, times.end()});
    EXPECT_LT(last, first * growth * 3 + 2)
        << "first " << first << " ms, last " << last << " ms, base grew " << growth << " times";
}

// Years of use in little: a few phrases said very often and most rarely (rank r drawn with weight
// 1/r), as people talk. However the lines that collect answers grow, the base stays lint-clean
// and no line outgrows what reading gives back.
TEST(LongConversation, ZipfSkewedTalkKeepsEveryLineReadableAndLintClean) {
    TempFolder folder;
    std::filesystem::copy(std::filesystem::path(BESEDKA_DATA_DIR) / "Base", folder.path() / "Base",
                          std::filesystem::copy_options::recursive);
    const WorkingFolder knowledge = folder.working();
    std::mt19937 draws{7001};
    const std::vector<std::string> words = loaded(knowledge, "Base\\dictionary.dat").lines();
    const auto word = [&] {
        return words[std::uniform_int_distribution<std::size_t>(0, words.size() - 1)(draws)];
    };
    std::vector<std::string> vocabulary;
    std::vector<double> weights;
    for (int rank = 1; rank <= 1500; ++rank) {
        std::string phrase = word();
        for (int extra = rank % 4; extra > 0; --extra)
            phrase += " " + word();
        vocabulary.push_back(phrase + (rank % 3 == 0 ? "?" : ""));
        weights.push_back(1.0 / rank);
    }
    std::discrete_distribution<std::size_t> zipf(weights.begin(), weights.end());

    LineList working, session, exchange;
    SeededRandom random(11);
    PlainView view;
    Engine engine({working, session, exchange, random, view}, knowledge);
    for (int turn = 0; turn < 2000; ++turn)
        engine.runTurn(vocabulary[zipf(draws)], view.previousTranscriptLine(), Mode::CpuUser);

    const LineList base = loaded(knowledge, base_files::kWords);
    ASSERT_GT(base.count(), 6500);
    for (int i = 1; i < base.count(); ++i) {
        const std::string& line = base.lines()[static_cast<std::size_t>(i)];
        EXPECT_LE(line.size(), LineList::kMaxLineRead) << "line " << i + 1;
        EXPECT_TRUE(problemsOf(line).empty()) << "line " << i + 1;
    }
}

} // namespace
} // namespace besedka
