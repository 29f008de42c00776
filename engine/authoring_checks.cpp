// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/authoring_checks.h"

#include "engine/farewell.h"
#include "engine/knowledge_line.h"
#include "engine/match_key.h"
#include "engine/phrase.h"
#include "engine/phrase_search.h"
#include "platform/core/cp1251.h"

#include <algorithm>
#include <set>
#include <unordered_map>
#include <utility>

namespace besedka {

namespace {

constexpr std::size_t kExamples = 3;

// The main lines that the key searches answer from, with their index.
struct MainLine {
    int index;
    KnowledgeLine parsed;
};

std::vector<MainLine> answeringMainLines(const std::vector<std::string>& phraseBase) {
    std::vector<MainLine> lines;
    for (std::size_t i = 1; i < phraseBase.size(); ++i) {
        KnowledgeLine line;
        if (parseKnowledgeLine(phraseBase[i], line) && line.depth == 0 && !line.openKey() &&
            !line.key.empty())
            lines.push_back({static_cast<int>(i), std::move(line)});
    }
    return lines;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string examplesText(const std::vector<std::string>& examples, std::size_t count) {
    std::string text;
    for (const auto& example : examples)
        text += (text.empty() ? "" : ", ") + example;
    return text + (count > examples.size() ? ", ..." : "");
}

bool isLetter(char c) {
    return cp1251::upper(c) != cp1251::lower(c);
}

// The letters-only words of a key, as the search looks for them inside the phrase's words.
std::vector<std::string> letterWordsOf(const std::string& key) {
    std::vector<std::string> words;
    std::string word;
    for (char c : key + ' ') {
        if (isLetter(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(std::exchange(word, {}));
        }
    }
    return words;
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
    const std::vector<MainLine> lines = answeringMainLines(phraseBase);
    std::vector<AuthoringWarning> warnings;
    for (std::size_t later = 0; later < lines.size(); ++later) {
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            const KnowledgeLine& first = lines[earlier].parsed;
            if (first.farewell || lines[later].parsed.key.find(first.key) == std::string::npos)
                continue;
            warnings.push_back({lines[later].index, "key " + quoted(lines[later].parsed.key) +
                                                        " never answers: the key " +
                                                        quoted(first.key) + " of line " +
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
    for (const MainLine& line : answeringMainLines(phraseBase)) {
        for (const std::string& word : letterWordsOf(line.parsed.key)) {
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
            {firstLine[word], "key word " + quoted(word) + " stands inside " +
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
    for (const MainLine& line : answeringMainLines(phraseBase)) {
        if (!line.parsed.farewell)
            continue;
        const std::string& key = line.parsed.key;
        Hidden found;
        std::size_t closing = 0;
        for (const std::string& phrase : phrases) {
            if (!MatchKey(phrase, key) && !keyWordsInOrder(phrase, key))
                continue;
            if (++found.count <= kExamples)
                found.examples.push_back(quoted(phrase));
            closing += takesLeave(phrase, key) ? 1 : 0;
        }
        if (found.count == 0)
            continue;
        warnings.push_back({line.index, "farewell key " + quoted(key) + " is found in " +
                                            std::to_string(found.count) + " ordinary sentences (" +
                                            std::to_string(closing) +
                                            " of them would close the program): " +
                                            examplesText(found.examples, found.count)});
    }
    return warnings;
}

} // namespace besedka
