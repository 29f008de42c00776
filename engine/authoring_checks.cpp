// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/authoring_checks.h"

#include "engine/farewell.h"
#include "engine/knowledge_line.h"
#include "engine/match_key.h"
#include "engine/phrase.h"
#include "engine/phrase_search.h"
#include "platform/core/cp1251.h"
#include "platform/core/rtf.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace besedka {

namespace {

constexpr std::size_t kExamples = 3;

// A line of the phrase base as the searches read it, with its index.
struct IndexedLine {
    int index;
    KnowledgeLine parsed;
};

// Every line from line 1 on that the searches can read, with its index.
std::vector<IndexedLine> parsedLines(const std::vector<std::string>& phraseBase) {
    std::vector<IndexedLine> lines;
    for (std::size_t i = 1; i < phraseBase.size(); ++i) {
        KnowledgeLine line;
        if (parseKnowledgeLine(phraseBase[i], line))
            lines.push_back({static_cast<int>(i), std::move(line)});
    }
    return lines;
}

// The main lines that the key searches answer from.
std::vector<IndexedLine> answeringMainLines(const std::vector<std::string>& phraseBase) {
    std::vector<IndexedLine> lines = parsedLines(phraseBase);
    std::erase_if(lines, [](const IndexedLine& line) {
        return line.parsed.depth != 0 || line.parsed.openKey();
    });
    return lines;
}

std::string inQuotes(const std::string& text) {
    return "\"" + text + "\"";
}

std::string examplesText(const std::vector<std::string>& examples, std::size_t count) {
    std::string text;
    for (const auto& example : examples)
        text += (text.empty() ? "" : ", ") + example;
    return text + (count > examples.size() ? ", ..." : "");
}

// A key whose first character is a space asks for its first word at a word's start.
bool startsAtAWord(const std::string& key, const std::string& word) {
    return key.starts_with(' ') && key.find(word) == key.find_first_not_of(' ');
}

struct Hidden {
    std::size_t count = 0;
    std::vector<std::string> examples;
};

} // namespace

std::vector<AuthoringWarning> keysNeverReached(const std::vector<std::string>& phraseBase) {
    const std::vector<IndexedLine> lines = answeringMainLines(phraseBase);
    std::set<int> duplicates;
    for (const auto& warning : duplicateKeys(phraseBase))
        duplicates.insert(warning.line);
    std::vector<AuthoringWarning> warnings;
    for (std::size_t later = 0; later < lines.size(); ++later) {
        if (duplicates.contains(lines[later].index))
            continue;
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            const KnowledgeLine& first = lines[earlier].parsed;
            if (first.farewell || lines[later].parsed.key.find(first.key) == std::string::npos)
                continue;
            warnings.push_back({lines[later].index, "key " + inQuotes(lines[later].parsed.key) +
                                                        " never answers: the key " +
                                                        inQuotes(first.key) + " of line " +
                                                        std::to_string(lines[earlier].index + 1) +
                                                        " stands inside it and is found first"});
            break;
        }
    }
    return warnings;
}

std::vector<AuthoringWarning> keyWordsInsideOtherWords(const std::vector<std::string>& phraseBase,
                                                       const std::vector<std::string>& dictionary) {
    // Each key word once, at the first line that uses it where it may stand inside a word.
    std::unordered_map<std::string, int> firstLine;
    std::vector<std::string> order;
    std::set<std::size_t> lengths;
    for (const IndexedLine& line : answeringMainLines(phraseBase)) {
        for (const std::string& word : cp1251::letterWords(line.parsed.key)) {
            if (startsAtAWord(line.parsed.key, word) || firstLine.contains(word))
                continue;
            firstLine.emplace(word, line.index);
            order.push_back(word);
            lengths.insert(word.size());
        }
    }
    std::unordered_map<std::string, Hidden> hidden;
    for (const std::string& entry : dictionary) {
        const std::string word = cp1251::upper(entry);
        std::set<std::string> foundHere;
        for (std::size_t start = 1; start < word.size(); ++start) {
            for (std::size_t length : lengths) {
                if (start + length > word.size())
                    break;
                const std::string inside = word.substr(start, length);
                if (firstLine.contains(inside))
                    foundHere.insert(inside);
            }
        }
        for (const std::string& keyWord : foundHere) {
            Hidden& h = hidden[keyWord];
            if (++h.count <= kExamples)
                h.examples.push_back(cp1251::lower(word));
        }
    }
    std::vector<AuthoringWarning> warnings;
    for (const std::string& word : order) {
        const auto found = hidden.find(word);
        if (found == hidden.end())
            continue;
        warnings.push_back(
            {firstLine[word], "key word " + inQuotes(word) + " stands inside " +
                                  std::to_string(found->second.count) +
                                  " other words of the dictionary: " +
                                  examplesText(found->second.examples, found->second.count)});
    }
    std::sort(warnings.begin(), warnings.end(),
              [](const auto& a, const auto& b) { return a.line < b.line; });
    return warnings;
}

std::vector<AuthoringWarning> farewellsInSentences(const std::vector<std::string>& phraseBase,
                                                   const std::vector<std::string>& sentences) {
    std::vector<std::string> phrases;
    for (const std::string& sentence : sentences) {
        const std::string phrase = phraseAtEntry(sentence);
        if (!phrase.empty())
            phrases.push_back(normalisePhrase(phrase));
    }
    std::vector<AuthoringWarning> warnings;
    for (const IndexedLine& line : answeringMainLines(phraseBase)) {
        if (!line.parsed.farewell)
            continue;
        const std::string& key = line.parsed.key;
        Hidden found;
        std::size_t closing = 0;
        for (const std::string& phrase : phrases) {
            if (!keyMatches(phrase, key) && !keyWordsInOrder(phrase, key))
                continue;
            if (++found.count <= kExamples)
                found.examples.push_back(inQuotes(phrase));
            closing += takesLeave(phrase, key) ? 1 : 0;
        }
        if (found.count == 0)
            continue;
        warnings.push_back({line.index, "farewell key " + inQuotes(key) + " is found in " +
                                            std::to_string(found.count) + " ordinary sentences (" +
                                            std::to_string(closing) +
                                            " of them would close the program): " +
                                            examplesText(found.examples, found.count)});
    }
    return warnings;
}

namespace {

std::string lineRef(int index) {
    return "line " + std::to_string(index + 1);
}

// The line a branch follows up: the nearest line above it one level shallower, or -1.
class BranchParents {
public:
    int parentOf(const IndexedLine& line) {
        const auto depth = static_cast<std::size_t>(line.parsed.depth);
        if (depth == 0) {
            lastAtDepth_.assign(1, line.index);
            return -1;
        }
        const int parent = lastAtDepth_.size() >= depth ? lastAtDepth_[depth - 1] : -1;
        lastAtDepth_.resize(std::min(lastAtDepth_.size(), depth));
        if (lastAtDepth_.size() == depth)
            lastAtDepth_.push_back(line.index);
        return parent;
    }

private:
    std::vector<int> lastAtDepth_; // index of the last line at each depth since the main line
};

// A word of the key as a person types it: "Чай" at the start of a phrase, "чай" elsewhere.
std::string asTyped(const std::string& keyWord, bool capital) {
    std::string word = cp1251::lower(keyWord);
    if (capital && !word.empty())
        word[0] = cp1251::upper(word[0]);
    return word;
}

constexpr char kYo = '\xA8'; // Ё
constexpr char kYe = '\xC5'; // Е

std::vector<std::string> splitIntoLines(std::string_view text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.emplace_back();
        } else if (text[i] != '\0') {
            lines.back() += text[i];
        }
    }
    return lines;
}

// The code point of each character of UTF-8 text that Windows-1251 lacks, in order, and 0 for
// each byte that is not UTF-8.
std::vector<char32_t> lossyCharacters(std::string_view text) {
    std::vector<char32_t> lossy;
    while (const auto found = cp1251::firstLossyCharacter(text)) {
        lossy.push_back(found->codePoint);
        const auto lead = static_cast<unsigned char>(text[found->offset]);
        const std::size_t length = found->codePoint == 0 ? 1
                                   : lead >= 0xF0        ? 4
                                   : lead >= 0xE0        ? 3
                                                         : 2;
        text.remove_prefix(found->offset + length);
    }
    return lossy;
}

// The same, each once.
std::vector<char32_t> lostCharacters(std::string_view line) {
    std::vector<char32_t> lost;
    for (char32_t codePoint : lossyCharacters(line))
        if (std::find(lost.begin(), lost.end(), codePoint) == lost.end())
            lost.push_back(codePoint);
    return lost;
}

std::string codePointsText(const std::vector<char32_t>& codePoints) {
    std::string text;
    for (char32_t codePoint : codePoints) {
        char name[16];
        std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
        text += (text.empty() ? "" : ", ") +
                (codePoint == 0 ? std::string("a byte that is not UTF-8") : std::string(name));
    }
    return text;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// UTF-8 text with a few stray bytes: more of its non-ASCII bytes belong to UTF-8 characters than
// not. Windows-1251 Russian text practically never forms a UTF-8 character.
bool mostlyUtf8(std::string_view text) {
    const auto nonAscii = static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }));
    const std::vector<char32_t> lossy = lossyCharacters(text);
    const auto stray = static_cast<std::size_t>(std::count(lossy.begin(), lossy.end(), 0));
    return stray > 0 && nonAscii - stray > stray;
}

} // namespace

std::vector<AuthoringWarning> duplicateKeys(const std::vector<std::string>& phraseBase) {
    struct Earlier {
        int any = -1;        // the first line with the key
        int notLeaving = -1; // the first that answers every phrase, not only a goodbye
    };
    std::map<std::tuple<int, int, std::string>, Earlier> seen; // parent, depth, key
    BranchParents parents;
    std::vector<AuthoringWarning> warnings;
    for (const IndexedLine& line : parsedLines(phraseBase)) {
        const int parent = parents.parentOf(line);
        if (line.parsed.openKey() || (line.parsed.depth > 0 && parent < 0))
            continue;
        // Branch lines are not farewells: the walk does not look at the mark.
        const bool leaving = line.parsed.depth == 0 && line.parsed.farewell;
        Earlier& earlier = seen[{parent, line.parsed.depth, line.parsed.key}];
        const int first = earlier.notLeaving >= 0 ? earlier.notLeaving : leaving ? earlier.any : -1;
        if (first >= 0)
            warnings.push_back({line.index, "key " + inQuotes(line.parsed.key) +
                                                " is said again: " + lineRef(first) +
                                                " has the same key and answers first, so this "
                                                "line never answers"});
        if (earlier.any < 0)
            earlier.any = line.index;
        if (!leaving && earlier.notLeaving < 0)
            earlier.notLeaving = line.index;
    }
    return warnings;
}

std::vector<AuthoringWarning> brokenBranches(const std::vector<std::string>& phraseBase) {
    std::vector<AuthoringWarning> warnings;
    int previousDepth = -1; // none: no main line yet
    for (const IndexedLine& line : parsedLines(phraseBase)) {
        const int depth = line.parsed.depth;
        if (depth > 0 && previousDepth < 0) {
            warnings.push_back({line.index, "branch line with no main line above it: a branch "
                                            "answers only after the line it follows up, so it "
                                            "never answers"});
            continue;
        }
        if (depth > previousDepth + 1)
            warnings.push_back(
                {line.index, "branch of depth " + std::to_string(depth) +
                                 " under a line of depth " + std::to_string(previousDepth) +
                                 ": a follow-up has one '_' more than the line it follows up, "
                                 "so this one does not answer after the line above"});
        previousDepth = depth;
    }
    return warnings;
}

std::vector<AuthoringWarning> linesNeverAnswering(const std::vector<std::string>& phraseBase) {
    std::vector<AuthoringWarning> warnings = keysNeverReached(phraseBase);
    for (auto* check : {duplicateKeys, brokenBranches})
        for (auto& warning : check(phraseBase))
            warnings.push_back(std::move(warning));
    std::stable_sort(warnings.begin(), warnings.end(),
                     [](const auto& a, const auto& b) { return a.line < b.line; });
    return warnings;
}

std::vector<AuthoringWarning> missingFirstLine(const std::vector<std::string>& phraseBase) {
    KnowledgeLine line;
    if (phraseBase.empty() || !parseKnowledgeLine(phraseBase[0], line) || line.key.empty())
        return {};
    return {{0, "the first line is a knowledge line, but the first line of the file is never read: "
                "the key " +
                    inQuotes(line.key) +
                    " is lost; begin the file with a line of its own, such as a title"}};
}

std::vector<AuthoringWarning> keysWithOuterSpaces(const std::vector<std::string>& phraseBase) {
    std::vector<AuthoringWarning> warnings;
    for (const IndexedLine& line : parsedLines(phraseBase)) {
        const std::string& key = line.parsed.key;
        const std::vector<std::string> words = cp1251::letterWords(key);
        if (line.parsed.openKey() || words.empty())
            continue;
        if (key.starts_with(' '))
            warnings.push_back({line.index, "key " + inQuotes(key) +
                                                " begins with a space: it misses the word at the "
                                                "start of a phrase (" +
                                                inQuotes(asTyped(words.front(), true) + " ...") +
                                                ") and after a quote, bracket or dash"});
        if (key.ends_with(' '))
            warnings.push_back(
                {line.index, "key " + inQuotes(key) +
                                 " ends with a space: it misses the word before punctuation and at "
                                 "the end of a phrase (" +
                                 inQuotes("... " + asTyped(words.back(), false) + ".") +
                                 "), and every phrase ends in '.', '!' or '?'"});
    }
    return warnings;
}

std::vector<AuthoringWarning> keysWithoutYoTwin(const std::vector<std::string>& phraseBase) {
    const std::vector<IndexedLine> lines = parsedLines(phraseBase);
    std::set<std::pair<int, std::string>> keys; // depth, key
    for (const IndexedLine& line : lines)
        if (!line.parsed.openKey())
            keys.emplace(line.parsed.depth, line.parsed.key);
    std::vector<AuthoringWarning> warnings;
    for (const IndexedLine& line : lines) {
        const std::string& key = line.parsed.key;
        if (line.parsed.openKey() || key.find(kYo) == std::string::npos)
            continue;
        std::string twin = key;
        std::replace(twin.begin(), twin.end(), kYo, kYe);
        if (keys.contains({line.parsed.depth, twin}))
            continue;
        warnings.push_back({line.index, "key " + inQuotes(key) + " has \"\xA8\" and no twin " +
                                            inQuotes(twin) +
                                            ": letters are compared exactly, so a phrase typed "
                                            "with \"\xE5\" (" +
                                            inQuotes(cp1251::lower(twin)) + ") does not find it"});
    }
    return warnings;
}

std::vector<AuthoringWarning> charactersLostOnSave(std::string_view fileBytes) {
    if (rtf::isRtf(fileBytes))
        return {};
    const bool bom = fileBytes.starts_with(kUtf8Bom);
    if (bom)
        fileBytes.remove_prefix(kUtf8Bom.size());
    // One byte that is not UTF-8 makes the reader take the whole file as Windows-1251.
    const bool readAsUtf8 = bom || cp1251::looksLikeUtf8(fileBytes);
    if (!readAsUtf8 && !mostlyUtf8(fileBytes))
        return {};
    std::vector<AuthoringWarning> warnings;
    const std::vector<std::string> lines = splitIntoLines(fileBytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<char32_t> lost = lostCharacters(lines[i]);
        if (readAsUtf8 && !lost.empty())
            warnings.push_back({static_cast<int>(i),
                                codePointsText(lost) +
                                    ": Windows-1251 has no such character, so the program reads "
                                    "it as '?' and the first save of the file (a learned phrase) "
                                    "keeps the '?'"});
        else if (!readAsUtf8 && std::find(lost.begin(), lost.end(), 0) != lost.end())
            warnings.push_back({static_cast<int>(i),
                                "a byte that is not UTF-8: the program then reads the whole file "
                                "as Windows-1251, every letter written in UTF-8 comes out as "
                                "other characters, and the first save of the file keeps them"});
    }
    return warnings;
}

std::optional<std::string> questionMarkDamage(const std::vector<std::string>& lines) {
    std::size_t letters = 0, questionMarks = 0;
    for (const std::string& line : lines) {
        for (char c : line) {
            letters += cp1251::isLetter(c) ? 1 : 0;
            questionMarks += c == '?' ? 1 : 0;
        }
    }
    if (questionMarks <= letters)
        return std::nullopt;
    return "the file is mostly '?' (" + std::to_string(questionMarks) + " of them against " +
           std::to_string(letters) +
           " letters): it was saved through a wrong encoding and its words are lost; take it "
           "from a copy (a .bak file, or the shipped base)";
}

} // namespace besedka
