// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/farewell.h"

#include "platform/core/cp1251.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace besedka {

namespace {

// Words that may stand beside a goodbye in the same breath: fillers, the one who leaves and the
// one left, when to meet again, a thank-you, a name for Besedka. Upper case, Е for Ё.
const std::vector<std::string>& wordsBesideAGoodbye() {
    static const std::vector<std::string> words = [] {
        std::vector<std::string> list;
        for (const char* utf8 :
             {"А",     "БЕСЕДКА", "БЕСЕДОЧКА", "ВАМ",     "ВОТ",      "ВСЕ",     "ВСЕГО",
              "ВСЕМ",  "ДАВАЙ",   "ДАВАЙТЕ",   "ДОРОГАЯ", "ДОРОГОЙ",  "ДРУГ",    "ДРУЖИЩЕ",
              "ЕЩЕ",   "Ж",       "ЖЕ",        "ЗАВТРА",  "И",        "КОРОЧЕ",  "ЛАДНЕНЬКО",
              "ЛАДНО", "МИЛАЯ",   "МНЕ",       "НАВЕРНО", "НАВЕРНОЕ", "НАМ",     "НУ",
              "ОК",    "ОКЕЙ",    "ПОЖАЛУЙ",   "ПОЗЖЕ",   "ПОКА",     "ПОТОМ",   "СЕГОДНЯ",
              "СКОРО", "СПАСИБО", "ТАК",       "ТЕБЕ",    "ТЕБЯ",     "ТОГДА",   "ТОЖЕ",
              "УЖ",    "УЖЕ",     "ХОРОШО",    "ЧТО",     "Я",        "ВЕЧЕРОМ", "УТРОМ",
              "МЫ",    "С",       "ТОБОЙ",     "ВАМИ",    "ПОЙДУ",    "ПОШЕЛ",   "ПОШЛА"})
            list.push_back(cp1251::fromUtf8(utf8));
        std::sort(list.begin(), list.end());
        return list;
    }();
    return words;
}

bool isLetterOrDigit(char c) {
    return cp1251::isLetter(c) || (c >= '0' && c <= '9');
}

// A hyphen inside a word ("пока-пока", "по-моему") belongs to it.
bool isWordCharacter(std::string_view text, std::size_t i) {
    if (isLetterOrDigit(text[i]))
        return true;
    return text[i] == '-' && i > 0 && i + 1 < text.size() && isLetterOrDigit(text[i - 1]) &&
           isLetterOrDigit(text[i + 1]);
}

bool endsABreath(char c) {
    return std::string_view(".,!?;:()\"").find(c) != std::string_view::npos;
}

struct Word {
    std::string text; // upper case, Е for Ё
    int breath;       // which stretch between punctuation marks it stands in
};

std::string comparable(std::string word) {
    word = cp1251::upper(word);
    std::replace(word.begin(), word.end(), '\xA8', '\xC5'); // Ё -> Е
    return word;
}

std::vector<Word> wordsOf(std::string_view text) {
    std::vector<Word> words;
    std::string current;
    int breath = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && isWordCharacter(text, i)) {
            current += text[i];
            continue;
        }
        if (!current.empty())
            words.push_back({comparable(std::exchange(current, {})), breath});
        // A dash between words pauses as a comma does.
        if (i < text.size() && (endsABreath(text[i]) || text[i] == '-'))
            ++breath;
    }
    return words;
}

bool goesWithAGoodbye(const std::string& word) {
    const auto& list = wordsBesideAGoodbye();
    return std::binary_search(list.begin(), list.end(), word);
}

// Quotation marks, straight and typographic: a goodbye in quotes is a title or somebody's words.
bool quotes(std::string_view phrase) {
    return phrase.find_first_of("\"\xAB\xBB\x84\x93\x94") != std::string_view::npos;
}

} // namespace

bool takesLeave(std::string_view phrase, std::string_view key) {
    if ((!phrase.empty() && phrase.back() == '?') || quotes(phrase))
        return false;
    const std::vector<Word> words = wordsOf(phrase);
    const std::vector<Word> keyWords = wordsOf(key);
    if (keyWords.empty())
        return false;
    // The key's words in order, each a whole word of the phrase.
    std::vector<std::size_t> at;
    for (std::size_t i = 0, k = 0; i < words.size() && k < keyWords.size(); ++i) {
        if (words[i].text == keyWords[k].text) {
            at.push_back(i);
            ++k;
        }
    }
    if (at.size() != keyWords.size())
        return false;
    const int firstBreath = words[at.front()].breath;
    const int lastBreath = words[at.back()].breath;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool inTheKeysBreath =
            words[i].breath >= firstBreath && words[i].breath <= lastBreath;
        const bool keyWord = std::find(at.begin(), at.end(), i) != at.end();
        if (inTheKeysBreath && !keyWord && !goesWithAGoodbye(words[i].text))
            return false;
    }
    return true;
}

} // namespace besedka
