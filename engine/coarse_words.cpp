// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/coarse_words.h"

#include "platform/core/cp1251.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace besedka {

namespace {

// Roots and exemptions are written in upper case with Е for Ё, and marked by where they stand:
//   ПИЗД   anywhere in a word;
//   ^ЕБ    at the start of the word or right behind its prefixes ("заебал", "отъебись");
//   |ХУЛИ  at the start of the word, behind no prefix;
//   ...$   at the end of the word.
// A root that begins with a vowel stands behind a prefix only after a vowel, Ъ or Ь ("съебал",
// "поебень"), so that "себе", "небо" and "веб" hold none.
// clang-format off
constexpr std::initializer_list<const char*> kRoots = {
    // мат: хуй, пизда, ебать, блядь, муде, манда
    "ХУЙ", "ХУЕ", "ХУИ", "ХУЯ", "ХУЮ", "|ХУЛИ$", "|НАХ$",
    "ПИЗД", "ПИЗЖ", "ПЕЗД", "ПИСД", "ПЕСД",
    "^ЕБ",
    "БЛЯД", "|БЛЯТ$", "|БЛЯТЬ$", "|БЛЯ$",
    "^МУД",
    "|МАНДА$", "|МАНДЫ$", "|МАНДЕ$", "|МАНДУ$", "|МАНДОЙ$", "МАНДАВОШ", "МАНДЕЖ", "|МАНДЮ",
    "ЗАЛУП", "МАЛАФЬ", "МАЛАФЕ", "МАЛАФЯ", "МАЛОФЬ", "МАЛОФЕ", "МАЛОФЯ",
    "|ЕПТ$", "|ЕПТА$", "|ЕПТЬ$",
    // the coarse stand-ins of мат ("хрен" itself is also the horseradish, and stays innocent)
    "^ХЕР", "ХРЕНОВ", "ХРЕНОТ", "ХРЕНАЧ", "|ХРЕНЬ", "ОХРЕН", "АХРЕН", "|НАХРЕН", "|НИХРЕН",
    // excrement and the body
    "ГОВН", "ГАВН", "ГОВЕНН", "ДЕРЬМ", "ЖОП", "ДРИСТ", "СИСЬК", "СИСЕК", "СИСЕЧК", "|СИСК",
    "^СРАТ", "^СРАЛ", "^СРАВШ", "^СРАН", "^СРАК", "^СРАЧ",
    "^СРУ$", "^СРУТ$", "^СРЕТ$", "^СРЕШЬ", "^СРИ$",
    "^ССАТ", "^ССАЛ", "^ССАВШ", "^ССАН", "^ССЫТ", "^ССЫШ", "^ССЫК", "^ССУ$", "^ССЫ$", "^ССУТ$",
    "^ПЕРД", "^ПЕРНУЛ", "^ПЕРНУТ", "^БЗД",
    // sex
    "ДРОЧ", "ЗАДРОТ", "^ТРАХАТ", "^ТРАХАЛ", "^ТРАХАЕ", "^ТРАХАЮ", "^ТРАХАЙ", "^ТРАХН",
    "ГАНДОН", "ГОНДОН", "|МИНЕТ", "ШЛЮХ", "ШЛЮШ", "ШАЛАВ", "|ДАВАЛК",
    // slurs
    "ПИДОР", "ПИДАР", "ПИДР", "ПЕДРИЛ", "^ПЕДИК", "ПЕДЕРАСТ", "|ГОМИК",
    "|ЖИД$", "|ЖИДЫ$", "|ЖИДА$", "|ЖИДУ$", "|ЖИДОМ$", "|ЖИДОВ", "ПИНДОС",
    // coarse insults
    "СВОЛОЧ", "ПАСКУД", "^СТЕРВ", "|ГНИД", "УШЛЕП", "ДОЛБОЯЩЕР", "ЛОШАР", "|МРАЗ",
    "СУЧАР", "|СУКИН", "|СУКА$", "|СУКИ$", "|СУКЕ$", "|СУКУ$", "|СУКОЙ$", "|СУКАМИ$", "|СУКАХ$",
    "|СУЧИЙ$", "|СУЧЬЕГО$", "|СУЧЬЕМУ$", "|СУЧЬИМ", "|СУЧЬИХ$",
};

// Innocent words, each where it holds a root: a root whose first letter stands inside one of
// them is no coarse word.
constexpr std::initializer_list<const char*> kExemptions = {
    "СТРАХУ", "ПСИХУ", "ШТРИХУ",                         // страхуй, психуешь, штрихуя
    "ЧИХУАХУ", "БРАХУ",                                  // чихуахуа, амфибрахий
    "СУХУ", "ТИХУ", "ГЛУХУ", "ЛИХУ", "ПЛОХУ", "ВЕТХУ",  // всухую, тихую
    "УХУЮ$", "ИХУЮ$", "РХУЮ$", "ЮХУЮ$",                  // лопоухую, островерхую
    "ПРЕСС",                                             // прессу
    "МУДР", "МУДЖ",                                      // мудрый, муджахид
    "|ДРОЧЕН",                                           // дрочёна, a dish
    "ХЕРУВ", "ХЕРЕС", "ХЕРСОН", "ХЕРМЕС", "ХЕРАСКОВ",    // херувим, херес
    "ХРЕНОВК", "ХРЕНОВН",                                // хреновка, хреновник
    "САГОВН",                                            // саговник, a palm
    "СКИПИДАР", "ЛАПИДАР",
    "|МИНЕТС",                                           // минется, it passes
    "ПЕДИКЮР", "ПЕДИКУЛ", "ПЕДИКЕБ",
    "СТЕРВЯТН", "СТЕРВОЯД", "СТЕРВЕН",                   // стервятник, остервенеть
    "СВОЛОЧЕН",                                          // сволочённый, of сволочь, to drag
};

// The prefixes a root of the ^ kind may stand behind: не- or ни- first, then по- (as in
// "понаехать"), then one of the rest.
constexpr std::initializer_list<const char*> kLeadingPrefixes = {"НЕ", "НИ"};
constexpr std::initializer_list<const char*> kPrefixes = {
    "В", "ВЪ", "ВЬ", "ВЗ", "ВЗЪ", "ВЗЬ", "ВС", "ВЫ", "ДО", "ДОЛБО", "ЗА", "ИЗ", "ИЗЪ", "ИЗЬ", "ИС",
    "НА", "НАД", "НАДЪ", "О", "ОБ", "ОБЪ", "ОБЬ", "ОБО", "ОТ", "ОТЪ", "ОТЬ", "ОТО", "ОСТО", "ПЕРЕ",
    "ПО", "ПОД", "ПОДЪ", "ПОДЬ", "ПРЕ", "ПРИ", "ПРО", "РАЗ", "РАЗЪ", "РАЗЬ", "РАС", "С", "СЪ", "СЬ",
    "СО", "У",
};
// clang-format on

enum class Place { Anywhere, BehindPrefixes, WordStart };

struct Pattern {
    std::string letters;
    Place place = Place::Anywhere;
    bool atEnd = false;
};

Pattern parsed(const char* utf8) {
    Pattern pattern;
    std::string text = cp1251::fromUtf8(utf8);
    if (text.front() == '^' || text.front() == '|') {
        pattern.place = text.front() == '^' ? Place::BehindPrefixes : Place::WordStart;
        text.erase(0, 1);
    }
    if (text.back() == '$') {
        pattern.atEnd = true;
        text.pop_back();
    }
    pattern.letters = text;
    return pattern;
}

std::vector<std::string> fromUtf8(std::initializer_list<const char*> entries) {
    std::vector<std::string> list;
    for (const char* entry : entries)
        list.push_back(cp1251::fromUtf8(entry));
    return list;
}

// The roots by their first letter, so that each letter of a word tries only its own.
using RootIndex = std::array<std::vector<Pattern>, 256>;
const RootIndex& roots() {
    static const RootIndex index = [] {
        RootIndex byLetter;
        for (const char* root : kRoots) {
            Pattern pattern = parsed(root);
            byLetter[static_cast<unsigned char>(pattern.letters.front())].push_back(pattern);
        }
        return byLetter;
    }();
    return index;
}

const std::vector<Pattern>& exemptions() {
    static const std::vector<Pattern> list = [] {
        std::vector<Pattern> patterns;
        for (const char* exemption : kExemptions)
            patterns.push_back(parsed(exemption));
        return patterns;
    }();
    return list;
}

bool isLetter(char c) {
    return cp1251::upper(c) != cp1251::lower(c);
}

bool isVowelOrSign(char c) {
    static const std::string letters = cp1251::fromUtf8("АЕИОУЫЭЮЯЪЬ");
    return letters.find(c) != std::string::npos;
}

bool standsAt(const std::string& word, std::size_t at, const Pattern& pattern) {
    return word.compare(at, pattern.letters.size(), pattern.letters) == 0 &&
           (!pattern.atEnd || at + pattern.letters.size() == word.size());
}

// Bit i is set when a root of the ^ kind may begin at letter i: the start, and the end of each
// chain of prefixes that leaves a letter behind it.
using Starts = std::uint64_t;
Starts afterPrefixes(const std::string& word, Starts from,
                     const std::vector<std::string>& prefixes) {
    Starts reached = 0;
    for (std::size_t at = 0; at < word.size() && at < 64; ++at) {
        if ((from >> at & 1) == 0)
            continue;
        for (const std::string& prefix : prefixes) {
            const std::size_t end = at + prefix.size();
            if (end < word.size() && end < 64 && word.compare(at, prefix.size(), prefix) == 0)
                reached |= Starts{1} << end;
        }
    }
    return reached;
}

Starts rootStarts(const std::string& word) {
    static const std::vector<std::string> leading = fromUtf8(kLeadingPrefixes);
    static const std::vector<std::string> po = {cp1251::fromUtf8("ПО")};
    static const std::vector<std::string> prefixes = fromUtf8(kPrefixes);
    Starts starts = 1;
    starts |= afterPrefixes(word, starts, leading);
    starts |= afterPrefixes(word, starts, po);
    starts |= afterPrefixes(word, starts, prefixes);
    return starts;
}

bool standsInInnocentWord(const std::string& word, std::size_t at) {
    for (const Pattern& exemption : exemptions()) {
        const std::size_t size = exemption.letters.size();
        const std::size_t first = at + 1 > size ? at + 1 - size : 0;
        for (std::size_t from = first; from <= at; ++from) {
            if ((exemption.place != Place::WordStart || from == 0) &&
                standsAt(word, from, exemption))
                return true;
        }
    }
    return false;
}

// The word is upper case, with Е for Ё.
bool isCoarseWord(const std::string& word) {
    Starts starts = 0;
    for (std::size_t at = 0; at < word.size(); ++at) {
        for (const Pattern& root : roots()[static_cast<unsigned char>(word[at])]) {
            if (root.place == Place::WordStart && at != 0)
                continue;
            if (root.place == Place::BehindPrefixes && at != 0) {
                if (starts == 0)
                    starts = rootStarts(word);
                if (at >= 64 || (starts >> at & 1) == 0)
                    continue;
                if (isVowelOrSign(root.letters.front()) && !isVowelOrSign(word[at - 1]))
                    continue;
            }
            if (standsAt(word, at, root) && !standsInInnocentWord(word, at))
                return true;
        }
    }
    return false;
}

// The word as the roots are written: upper case, Е for Ё, a letter typed three times or more
// ("бляяя") once, and the Latin letters that look like Russian ones ("тpaxать" with Latin p, a,
// x) as those. A word without a Russian letter comes back empty.
std::string normalized(const std::string& letters) {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int byte = 0; byte < 256; ++byte)
            t[static_cast<std::size_t>(byte)] = cp1251::upper(static_cast<char>(byte));
        t[0xA8] = t[0xB8] = cp1251::fromUtf8("Е").front();
        const std::string latin = "AaBCcEeHKkMOoPpTXxy";
        const std::string russian = cp1251::fromUtf8("ААВССЕЕНКкМООРРТХХУ");
        for (std::size_t k = 0; k < latin.size(); ++k)
            t[static_cast<unsigned char>(latin[k])] = cp1251::upper(russian[k]);
        return t;
    }();
    std::string word;
    if (std::none_of(letters.begin(), letters.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0xC0; }))
        return word; // no root in it
    std::size_t run = 0;
    for (const char c : letters) {
        const char letter = table[static_cast<unsigned char>(c)];
        run = !word.empty() && word.back() == letter ? run + 1 : 1;
        if (run <= 2)
            word += letter;
        else if (run == 3)
            word.pop_back();
    }
    return word;
}

} // namespace

bool isCoarse(std::string_view phrase) {
    std::string word;
    for (std::size_t i = 0; i <= phrase.size(); ++i) {
        if (i < phrase.size() && isLetter(phrase[i])) {
            word += phrase[i];
            continue;
        }
        if (!word.empty() && isCoarseWord(normalized(word)))
            return true;
        word.clear();
    }
    return false;
}

} // namespace besedka
