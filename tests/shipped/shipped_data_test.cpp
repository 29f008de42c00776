// SPDX-License-Identifier: GPL-3.0-or-later
// The data that ships in data/: what the program finds on its first start.
#include "engine/knowledge_line.h"
#include "engine/match_key.h"
#include "engine/word_filters.h"
#include "platform/core/cp1251.h"
#include "platform/core/line_list.h"
#include "tests/support/temp_folder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace besedka {
namespace {

using test::TempFolder;

const std::filesystem::path kData = BESEDKA_DATA_DIR;

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

LineList load(const std::string& relative) {
    LineList list;
    list.load(relative, WorkingFolder(kData));
    return list;
}

std::string utf8(const std::string& text) {
    return cp1251::toUtf8(text);
}

// ---------------------------------------------------------------------------------------------
// Plain text as the program's files prepared outside it are: Windows-1251 with CR LF.

const char* const kTextFiles[] = {
    "Base/Words.Dat", "Base/Povtor.Dat",     "Base/X.Dat",      "Base/BigString.Dat",
    "Base/AI.dat",    "Base/Pause.Dat",      "Base/Begin.dat",  "Base/W1.Dat",
    "Base/W2.Dat",    "Base/Collection.Dat", "Base/Log.Quorel", "Base/dictionary.dat",
    "ReadMe.Txt",
};

TEST(ShippedText, EveryFileIsPlainWindows1251WithCrLf) {
    for (const char* name : kTextFiles) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(std::filesystem::is_regular_file(kData / name));
        const std::string bytes = readBytes(kData / name);
        EXPECT_FALSE(cp1251::looksLikeUtf8(bytes));
        EXPECT_EQ(bytes.find("{\\rtf"), std::string::npos);
        for (std::size_t i = bytes.find('\n'); i != std::string::npos;
             i = bytes.find('\n', i + 1)) {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
        EXPECT_TRUE(bytes.empty() || bytes.ends_with("\r\n"));
    }
}

TEST(ShippedText, EveryFileLoadsWithItsLinesIntact) {
    for (const char* name : kTextFiles) {
        SCOPED_TRACE(name);
        const std::string bytes = readBytes(kData / name);
        std::vector<std::string> expected;
        for (std::size_t start = 0, end; start < bytes.size(); start = end + 2) {
            end = bytes.find("\r\n", start);
            expected.push_back(bytes.substr(start, end - start));
        }
        const LineList list = load(name);
        const auto& loaded = list.lines();
        ASSERT_EQ(loaded.size(), expected.size());
        const auto differ = std::mismatch(loaded.begin(), loaded.end(), expected.begin());
        EXPECT_TRUE(differ.first == loaded.end())
            << "line " << differ.first - loaded.begin() << ": " << utf8(*differ.first);
    }
}

// ---------------------------------------------------------------------------------------------
// The phrase base.

// Index i holds line i + 1 of the file: line 0 is the header.
std::vector<KnowledgeLine> parseBase() {
    const LineList base = load("Base/Words.Dat");
    std::vector<KnowledgeLine> parsed;
    for (int i = 1; i < base.count(); ++i) {
        KnowledgeLine line;
        EXPECT_TRUE(parseKnowledgeLine(base.get(i), line)) << "line " << i;
        parsed.push_back(line);
    }
    return parsed;
}

TEST(ShippedPhraseBase, PassesLint) {
    const LineList base = load("Base/Words.Dat");
    ASSERT_GT(base.count(), 1);
    for (int i = 1; i < base.count(); ++i) {
        for (LineProblem problem : problemsOf(base.get(i)))
            ADD_FAILURE() << "line " << i << ": " << describe(problem) << ": " << utf8(base.get(i));
    }
}

TEST(ShippedPhraseBase, HoldsEnoughToTalkAbout) {
    const auto base = parseBase();
    int mainPhrases = 0;
    int withBranches = 0;
    int farewells = 0;
    std::set<int> depths;
    for (std::size_t i = 0; i < base.size(); ++i) {
        const KnowledgeLine& line = base[i];
        depths.insert(line.depth);
        if (line.depth != 0)
            continue;
        ++mainPhrases;
        farewells += line.farewell ? 1 : 0;
        if (i + 1 < base.size() && base[i + 1].depth == 1)
            ++withBranches;
    }
    EXPECT_GE(mainPhrases, 400);
    EXPECT_GE(withBranches, 80);
    EXPECT_GE(farewells, 5);
    for (int depth : {1, 2, 3})
        EXPECT_TRUE(depths.contains(depth)) << "no branch of depth " << depth;
}

TEST(ShippedPhraseBase, EveryLineOffersAChoiceOfAnswers) {
    const auto base = parseBase();
    for (std::size_t i = 0; i < base.size(); ++i) {
        const auto& answers = base[i].answers;
        EXPECT_GE(answers.size(), 2u) << "line " << i + 1;
        EXPECT_LE(answers.size(), 5u) << "line " << i + 1;
        EXPECT_EQ(std::set<std::string>(answers.begin(), answers.end()).size(), answers.size())
            << "line " << i + 1 << " repeats an answer";
        EXPECT_FALSE(base[i].farewell && base[i].depth > 0)
            << "line " << i + 1 << ": the farewell mark is read on main phrases only";
    }
}

// The abuse filter runs before the phrase base, so a key holding an abuse entry never answers.
TEST(ShippedPhraseBase, NoKeyIsTakenForAbuse) {
    const auto base = parseBase();
    for (std::size_t i = 0; i < base.size(); ++i)
        EXPECT_FALSE(isAbusive(base[i].key)) << "line " << i + 1 << ": " << utf8(base[i].key);
}

// The first line whose key occurs in the phrase answers: a key that holds an earlier key of
// the same search can never answer.
TEST(ShippedPhraseBase, NoMainPhraseIsHiddenByAnEarlierOne) {
    const auto base = parseBase();
    std::vector<const KnowledgeLine*> earlier;
    for (std::size_t i = 0; i < base.size(); ++i) {
        const KnowledgeLine& line = base[i];
        if (line.depth != 0)
            continue;
        for (const KnowledgeLine* before : earlier)
            EXPECT_FALSE(keyMatches(line.key, before->key))
                << "line " << i + 1 << ": " << utf8(line.key) << " is hidden by "
                << utf8(before->key);
        earlier.push_back(&line);
    }
}

// The same for the branch walk, as it runs after the answer of a branch's own parent.
TEST(ShippedPhraseBase, NoBranchIsHiddenByAnEarlierSibling) {
    const auto base = parseBase();
    for (std::size_t i = 0; i < base.size(); ++i) {
        const KnowledgeLine& line = base[i];
        if (line.depth == 0)
            continue;
        for (std::size_t s = i; s-- > 0 && base[s].depth >= line.depth;) {
            if (base[s].depth == line.depth) {
                EXPECT_FALSE(keyMatches(line.key, base[s].key))
                    << "line " << i + 1 << ": " << utf8(line.key) << " is hidden by line " << s + 1
                    << " " << utf8(base[s].key);
            }
        }
    }
}

// Learning writes the base back in the program's own form; the shipped lines must survive it,
// keys that start with a space included.
TEST(ShippedPhraseBase, SurvivesTheProgramsOwnSave) {
    const LineList shipped = load("Base/Words.Dat");
    TempFolder folder;
    shipped.save("Words.Dat", folder.working());
    LineList reloaded;
    reloaded.load("Words.Dat", folder.working());
    EXPECT_TRUE(reloaded.lines() == shipped.lines());
}

// ---------------------------------------------------------------------------------------------
// The reply lists.

bool holdsMarkup(const std::string& text) {
    return text.find_first_of("^;_@") != std::string::npos;
}

TEST(ShippedReplyLists, HaveEnoughVariedLines) {
    struct Expectation {
        const char* file;
        int minimum;
    };
    // AI.dat's line 0 is a header that is never shown.
    const Expectation lists[] = {
        {"Base/Povtor.Dat", 25}, {"Base/X.Dat", 25},     {"Base/BigString.Dat", 25},
        {"Base/AI.dat", 26},     {"Base/Pause.Dat", 25}, {"Base/Begin.dat", 25},
        {"Base/W1.Dat", 40},     {"Base/W2.Dat", 40},
    };
    for (const auto& [file, minimum] : lists) {
        SCOPED_TRACE(file);
        const LineList list = load(file);
        const auto& lines = list.lines();
        EXPECT_GE(static_cast<int>(lines.size()), minimum);
        EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), lines.size());
        for (const std::string& line : lines)
            EXPECT_FALSE(line.empty());
    }
}

// In the Cpu\Cpu mode a reply comes back as the other side's phrase and is learned as a key,
// where a markup character would break the line.
TEST(ShippedReplyLists, RepliesCarryNoMarkupCharacters) {
    for (const char* file : {"Base/Povtor.Dat", "Base/X.Dat", "Base/BigString.Dat", "Base/AI.dat",
                             "Base/Pause.Dat", "Base/Begin.dat", "Base/W1.Dat", "Base/W2.Dat"}) {
        const LineList list = load(file);
        for (const std::string& line : list.lines())
            EXPECT_FALSE(holdsMarkup(line)) << file << ": " << utf8(line);
    }
    for (const KnowledgeLine& line : parseBase()) {
        for (const std::string& answer : line.answers)
            EXPECT_FALSE(holdsMarkup(answer)) << utf8(answer);
    }
}

TEST(ShippedReplyLists, CollectionsThatTheProgramFillsStartEmpty) {
    EXPECT_EQ(load("Base/Collection.Dat").count(), 0);
    EXPECT_EQ(load("Base/Log.Quorel").count(), 0);
}

// ---------------------------------------------------------------------------------------------
// The completion dictionary.

bool isLowerCaseWord(const std::string& entry) {
    const auto isLetter = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0xE0 || byte == 0xB8; // а..я, ё
    };
    return !entry.empty() && isLetter(entry.front()) && isLetter(entry.back()) &&
           std::all_of(entry.begin(), entry.end(), [&](char c) { return isLetter(c) || c == '-'; });
}

TEST(ShippedDictionary, IsALargeListOfLowerCaseWords) {
    const LineList dictionary = load("Base/dictionary.dat");
    const auto& words = dictionary.lines();
    EXPECT_GE(words.size(), 30000u);
    EXPECT_EQ(std::set<std::string>(words.begin(), words.end()).size(), words.size());
    for (const std::string& word : words)
        ASSERT_TRUE(isLowerCaseWord(word)) << utf8(word);
}

// The first entry that begins with the typed text is offered, so short words lead: after a
// short head of everyday words, no entry is longer than the one after it.
TEST(ShippedDictionary, OffersShortWordsFirst) {
    const LineList dictionary = load("Base/dictionary.dat");
    const auto& words = dictionary.lines();
    ASSERT_FALSE(words.empty());
    std::size_t sortedFrom = words.size() - 1;
    while (sortedFrom > 0 && words[sortedFrom - 1].size() <= words[sortedFrom].size())
        --sortedFrom;
    EXPECT_LT(sortedFrom, words.size() / 20);
}

// ---------------------------------------------------------------------------------------------
// Sounds and the picture, read byte by byte.

std::uint32_t le(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    return value;
}

struct Wave {
    std::uint32_t format = 0;
    std::uint32_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t bits = 0;
    std::vector<std::int16_t> samples; // all channels interleaved

    double seconds() const { return static_cast<double>(samples.size()) / channels / sampleRate; }
};

std::optional<Wave> readWave(const std::filesystem::path& file) {
    const std::string bytes = readBytes(file);
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        return std::nullopt;
    Wave wave;
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::size_t size = le(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size())
            return std::nullopt;
        if (id == "fmt ") {
            wave.format = le(bytes, body, 2);
            wave.channels = le(bytes, body + 2, 2);
            wave.sampleRate = le(bytes, body + 4, 4);
            wave.bits = le(bytes, body + 14, 2);
            haveFormat = true;
        } else if (id == "data" && haveFormat && wave.bits == 16) {
            for (std::size_t s = 0; s + 1 < size; s += 2)
                wave.samples.push_back(static_cast<std::int16_t>(le(bytes, body + s, 2)));
        }
        at = body + size + size % 2;
    }
    if (!haveFormat || wave.channels == 0 || wave.sampleRate == 0)
        return std::nullopt;
    return wave;
}

// Sign changes per sample: the higher the pitch, the more of them.
double crossingRate(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0) ? 1 : 0;
    return static_cast<double>(crossings) / static_cast<double>(to - from);
}

TEST(ShippedSounds, AreShortSixteenBitPcm) {
    struct Expectation {
        const char* file;
        double maxSeconds;
    };
    const Expectation sounds[] = {
        {"KeyBoard.wav", 0.060}, {"Button3.wav", 1.0},  {"Button2.wav", 1.0},
        {"Button1.wav", 1.0},    {"CpuSound.wav", 1.0}, {"Close.wav", 2.0},
    };
    std::set<std::vector<std::int16_t>> distinct;
    for (const auto& [file, maxSeconds] : sounds) {
        SCOPED_TRACE(file);
        const auto wave = readWave(kData / "Sound" / file);
        ASSERT_TRUE(wave.has_value());
        EXPECT_EQ(wave->format, 1u);
        EXPECT_EQ(wave->bits, 16u);
        EXPECT_GT(wave->seconds(), 0.0);
        EXPECT_LE(wave->seconds(), maxSeconds);
        EXPECT_TRUE(std::any_of(wave->samples.begin(), wave->samples.end(), [](std::int16_t s) {
            return std::abs(s) > 1000;
        })) << "silent";
        distinct.insert(wave->samples);
    }
    EXPECT_EQ(distinct.size(), std::size(sounds));
}

TEST(ShippedSounds, ClosingSoundFalls) {
    const auto wave = readWave(kData / "Sound" / "Close.wav");
    ASSERT_TRUE(wave.has_value());
    ASSERT_EQ(wave->channels, 1u);
    const std::size_t third = wave->samples.size() / 3;
    EXPECT_LT(crossingRate(wave->samples, 2 * third, 3 * third),
              crossingRate(wave->samples, 0, third));
}

TEST(ShippedPicture, IsAnUncompressedBitmapOfTheAboutBoxSize) {
    const std::string bytes = readBytes(kData / "Images" / "Inform.bmp");
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(le(bytes, 2, 4), bytes.size());
    EXPECT_EQ(le(bytes, 18, 4), 179u);
    EXPECT_EQ(static_cast<std::int32_t>(le(bytes, 22, 4)), 141); // bottom-up rows
    EXPECT_EQ(le(bytes, 26, 2), 1u);                             // planes
    EXPECT_EQ(le(bytes, 28, 2), 24u);                            // bits per pixel
    EXPECT_EQ(le(bytes, 30, 4), 0u);                             // no compression
    const std::size_t rowBytes = (179 * 3 + 3) / 4 * 4;
    EXPECT_GE(bytes.size(), le(bytes, 10, 4) + rowBytes * 141);
}

// The about window says "ВЕРСИЯ: 2.4.0."; the history in ReadMe.Txt ends with that version.
TEST(ShippedReadMe, HistoryEndsWithTheCurrentVersion) {
    std::string lastVersion;
    const LineList readMe = load("ReadMe.Txt");
    for (const std::string& line : readMe.lines()) {
        const auto digit = [&](std::size_t at) { return line[at] >= '0' && line[at] <= '9'; };
        const bool startsWithVersion =
            line.size() > 5 && digit(0) && line[1] == '.' && digit(2) && line[3] == '.' && digit(4);
        if (startsWithVersion)
            lastVersion = line.substr(0, 5);
    }
    EXPECT_EQ(lastVersion, "2.4.0");
}

} // namespace
} // namespace besedka
