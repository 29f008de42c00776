// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/coarse_words.h"

#include "engine/coarse_spelling.h"
#include "engine/word_forms.h"
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
//   ^ЕБ    at the start of the word, right behind its prefixes ("заебал", "отъебись"), or behind
//          the linking vowel of a compound's first stem ("мозгоёб", "злоебучий");
//   |ХУЛИ  at the start of the word, behind no prefix;
//   ...$   at the end of the word;
//   ~...   only in a word read from Latin letters (English holds "her", "hue" and "mud").
// A root that begins with a vowel stands behind a prefix only after a vowel, Ъ or Ь ("съебал",
// "поебень"), so that "себе", "небо" and "веб" hold none. Whatever follows a root is its
// suffixes and endings, so a root is written once for all of its forms.
// clang-format off
constexpr std::initializer_list<const char*> kRoots = {
    // мат: хуй, пизда, ебать, блядь, муде, манда, and the way people spell them
    "ХУЙ", "ХУЕ", "ХУИ", "ХУЯ", "ХУЮ", "|ХУЛИ$", "|НАХ$", "|ПНХ$",
    "ПИЗД", "ПИЗЖ", "ПЕЗД", "ПИСД", "ПЕСД",
    "^ЕБ", "^ЙЕБ", "^ИБАН", "^ИБАЛ", "^ИБАТ", "^ИБАШ", "^ИБЛ", "^ИБУЧ", "^ИБНУ", "^ИПАН", "^ИПАЛ",
    "^ИПАТ",
    "^ЕПАН", "^ЕПАЛ", "^ЕПАТ", "^ЕПНУ", "^ЕП$", "^ЕПЛ", "^ЕПИСЬ", "^ИБИСЬ", "ЕБУЧ", "ЕПУЧ", "|ЕПТ",
    "БЛЯД", "|БЛЯТ", "|БЛЯЦК", "|БЛЯ$", "|БЛИАТ", "|БЛЕАТ",
    "^МУД", "МУДАК", "МУДИЛ", "МУДАЧ",
    "|МАНДА$", "|МАНДЫ$", "|МАНДУ$", "|МАНДОЙ$", "МАНДАВОШ", "МАНДЕЖ", "|МАНДЮ",
    "ЗАЛУП", "МАЛАФЬ", "МАЛАФЕ", "МАЛАФЯ", "МАЛОФЬ", "МАЛОФЕ", "МАЛОФЯ", "|ЕЛДА", "|ЕЛДЫ",
    // the coarse stand-ins of мат ("хрен" itself is also the horseradish, and stays innocent)
    "^ХЕР", "ХРЕНОВ", "ХРЕНОТ", "ХРЕНАЧ", "|ХРЕНЬ", "ОХРЕН", "АХРЕН", "|НАХРЕН", "|НИХРЕН",
    "ДОЛБАНУТ", "ДОЛБАНН", "ДОЛБАНЫ", "ЗВИЗД",
    // excrement and the body
    "ГОВН", "ГАВН", "ГОВЕНН", "ГОВЕНЫ", "ДЕРЬМ", "|ДЕРМО$", "ЖОП", "ДРИСТ",
    "СИСЬК", "СИСЕК", "СИСЕЧК", "|СИСК", "ТИТЬК", "СИСЯСТ", "ПИСЬК", "ПИСЮН", "ПИСЮЛ",
    "^СРАТ", "^СРАЛ", "^СРАВШ", "^СРАН", "^СРАК", "^СРАЧ",
    "^СРУ$", "^СРУТ$", "^СРЕТ$", "^СРЕШЬ", "^СРИ$",
    "ЗАСЕР", "ОБСЕР", "ОБОСЕР", "ВЫСЕР", "ПРОСЕР",
    "^ССАТ", "^ССАЛ", "^ССАВШ", "^ССАН", "^ССЫТ", "^ССЫШ", "^ССЫК", "^ССУ$", "^ССЫ$", "^ССУТ$",
    "^СЦАТ", "^СЦАЛ", "^СЦАН", "^СЦЫ", "ОБОСАТ", "ОБОСАЛ", "ОБОСАН", "ОБОСЦ", "|СЫКЛ",
    "^ПЕРД", "^ПЕРНУЛ", "^ПЕРНУТ", "^БЗД",
    // sex and prostitution
    "ДРОЧ", "ЗАДРОТ", "^ТРАХАР", "^ТРАХАТ", "^ТРАХАЛ", "^ТРАХАЕ", "^ТРАХАЮ", "^ТРАХАЙ", "^ТРАХН",
    "ГАНДОН", "ГОНДОН", "|МИНЕТ", "ОТСОСИ", "ОТСОСЕШ", "|СОСИ$", "ЧЛЕНОСОС", "СПЕРМОГЛОТ",
    "ШЛЮХ", "ШЛЮШ", "ШЛУХ", "ШЛЮНДР", "ШАЛАВ", "ШАЛАШОВК", "|ДАВАЛК", "ПРОСТИТУТ", "ПОТАСКУХ",
    "ПОТАСКУШ",
    "|ШМАР", "ШМАНДОВ", "|КУРВ", "|ЛЯРВ",
    // slurs: national, ethnic, homophobic
    "ПИДОР", "ПИДАР", "ПИДР", "|ПИДЕР", "ПЕДРИЛ", "^ПЕДИК", "ПЕДЕРАСТ", "|ГОМИК", "ГОМОСЕК",
    "ГОМОСЯТ",
    "|ЖИД$", "|ЖИДЫ$", "|ЖИДА$", "|ЖИДУ$", "|ЖИДОМ$", "|ЖИДОВ", "|ЖИДЯР", "|ЖИДЕНОК",
    "|ЖИДЕНЫШ", "ЖИДОМАСОН", "ПИНДОС", "АМЕРИКОС",
    "|ХАЧ$", "|ХАЧИ$", "|ХАЧА$", "|ХАЧУ$", "|ХАЧОМ$", "|ХАЧЕЙ$", "|ХАЧАМ", "|ХАЧИК", "|ХАЧЬ",
    "|ЧУРК", "ЧУЧМЕК", "ЧЕРНОМАЗ", "КИТАЕЗ", "ЯПОШК", "АРМЯШК", "БУЛЬБАШ",
    "|ЧУХОН", "|ЧУХНА", "НЕРУСЬ", "|РУСНЯ", "ЦЫГАНЬЕ", "КАЦАП", "МОСКАЛ", "|ХОХЛЫ", "|ХОХЛОВ$",
    "|ХОХЛАМ", "|ХОХЛУШ", "|ХОХЛЯ", "НИГГЕР", "НИГГА", "НЕГРИТОС", "ЛЕСБУХ", "ТРАНСУХ",
    // insults, with a coarse root or without one
    "СВОЛОЧ", "СВОЛОТ", "ПАСКУД", "^СТЕРВ", "|ГНИД", "УШЛЕП", "|ДОЛБО", "ЛОШАР",
    "|МРАЗ",
    "СУЧАР", "|СУКИН", "|СУКА$", "|СУКИ$", "|СУКЕ$", "|СУКУ$", "|СУКОЙ$", "|СУКАМИ$", "|СУКАХ$",
    "|СУКО$", "СЦУК", "|СУЧИЙ$", "|СУЧЬЕГО$", "|СУЧЬЕМУ$", "|СУЧЬИМ", "|СУЧЬИХ$",
    "|СУЧКА$", "|СУЧКУ$", "|СУЧКОЙ$", "|СУЧЕНЫШ",
    "ИДИОТ", "|КРЕТИН", "ДЕБИЛ", "ДИБИЛ", "ИМБЕЦИЛ", "ДЕГЕНЕРАТ",
    "|ДАУН$", "|ДАУНЫ$", "|ДАУНА$", "|ДАУНУ$", "|ДАУНОМ$", "|ДАУНЕН",
    "|ТВАР", "|СКОТИНА$", "|СКОТИНУ$", "УБЛЮД", "ВЫРОДОК", "ВЫРОДК",
    "ПОДОНОК", "ПОДОНК", "ОТМОРОЗОК", "ОТМОРОЗК", "ПРИДУРОК", "ПРИДУРК", "ПРИДУРОШ", "ЛОШПЕД", "НЕДОУМОК", "НЕДОУМК",
    "НЕДОНОСОК", "НЕДОНОСК", "|УРОД$", "|УРОДЫ$", "|УРОДА$", "|УРОДОМ$", "|УРОДОВ$",
    "|УРОДАМ", "|УРОДИН", "|УРОДЕЦ", "|УРОДЦ", "|УРОДК", "|ЧМО", "ЧМОШ", "ЧМЫР", "|БЫДЛ", "|ПАДЛ",
    "ГАДИН",
    "ГАДЕНЫШ", "|ГАД$", "|ЛОХ$", "|ЛОХИ$", "|ЛОХА$", "|ЛОХУ$", "|ЛОХОМ$", "|ЛОХОВ$", "ЛОХУШК",
    "|ОЛУХ", "|БОЛВАН", "|ДУРАК", "|ДУРАЧК", "|ДУРАЧЬЕ", "|ДУРА$", "|ДУРЫ$", "|ДУРЕХ",
    "|ДУРЕНЬ", "|ДУРИЩ", "|ДУРЫНД", "|ДУРАЛЕ", "ТУПОРЫЛ", "ДРИЩ", "|ТУПИЦ", "БЕСТОЛОЧ", "ОСТОЛОП",
    "|БАЛБЕС",
    "|МЕРЗАВ", "НЕГОДЯ", "НИЧТОЖЕСТВ", "|УПЫР", "|УРОДИЩ", "|ЗАТКНИСЬ$", "|ЗАТКНИТЕСЬ$", "|ЛОШОК",
    "ЖИРДЯ", "ЖИРОБАС", "НИЩЕБРОД", "|СУЧОН",
    // wishes of death
    "|СДОХНИ", "|ПОДОХНИ", "|ЗДОХНИ", "|УБЕЙСЯ$", "|УДАВИСЬ$", "|ПОВЕСЬСЯ$", "|ЗАСТРЕЛИСЬ$",
    // English, as it reads in Russian letters
    "~|ФУК", "~ШИТ", "~БИТЧ", "~ЦУНТ", "~ВХОРЕ", "~ФАГГОТ", "~АССХОЛ", "~АСШОЛ", "~МОТХЕРФ",
    "~|СЛУТ",
    "~|ПУССИ$", "~ДИКХЕАД", "~|БАСТАРД", "~|РЕТАРД", "~|МОРОН", "~ДЖОП",
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
    "ЕБОР",                                              // двоеборье
    "ЕПАНЧ", "ЕПАРХ",                                    // епанча, епархия
    "ОБСЕРВ", "ЗАСЕРЕБР", "ВЫСЕРЕБР", "ПРОСЕРЕБР", // обсерватория, засеребриться
    "КУРВИМ", "КУРВЕОГ",                                 // курвиметр, Курвеого
    "ИБАНСК", "ИБАНЬ", "ИБАНЕЗ",                         // the Iban, Ибаньес
    "ХЕРЕФОРД", "|ХЕРД",                                 // Херефорд, Херд Island
    "УРОДИТ", "УРОДИЛ", "УРОДИВШ", "УРОДУЮ",             // уродиться, a crop
    "ЧМОК",                                              // чмокать
    "МЕРЗАВЧИК",                                         // a small bottle
    "БОЛВАНК", "БОЛВАНОЧН", "БОЛВАНЧИК",                 // болванка, a blank
    "ЕБРАЧ", "ЧЕБУЧ",                                    // двоебрачие, отчебучить
    "ИДРОЧИСТ",                                          // гидроочистка, its О read once
    "|ДУРАКА$",                                          // играть в дурака, the card game
    "ДУРАКАВАЛ", "ИДИОТИП", "ДЕГЕНЕРАТИВ", "ГОМОСЕКСУ",
    // English words that read like a root
    "~|ХЕР$", "~ХЕРЕ", "~|ХЕРО$", "~|ХЕРОИ", "~|ХЕРОЕ", "~|ХЕРОК", "~|ХЕРМ", "~|ХЕРБ",
    "~|ХЕРС", "~|ХЕРТ", "~|ХЕРЦ", "~|ХЕРШ", "~ТХЕР", "~|ЕББ", "~|ЕБТ", "~|ЕБКС", "~|ЕБП", "~|ЕБЦ",
    "~|ЕБО", "~|ЕБУИЛД", "~|ЕБАЙ",
    "~|ЕБ$", "~|ЕП$", "~|МУД$", "~|МУДД", "~|МУДФ", "~|ХУЕ$",
    "~|ХУЕС$", "~|ХУЕБ", "~|ЧМОД", "~СЦ",
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

// Phrases coarse only as a whole: a wish of death, the horseradish sworn by ("какого хрена"), or
// a word that is an insult only when said to the person ("ты козёл"; "козёл" alone is the goat,
// and may answer a question). The words in turn, a slot taking any of its words or a word
// beginning with one of its stems (written with a star).
using CoarsePhrase = std::vector<std::vector<const char*>>;
const std::vector<CoarsePhrase> kCoarsePhrases = {
    {{"ЧТОБ", "ЧТОБЫ", "ЧОБ"}, {"ТЫ", "ВЫ"},
     {"СДОХ*", "ПОДОХ*", "ЗДОХ*", "ОКОЛЕ*", "СГНИ*", "ПОДАВИЛ*", "ЗАГНУЛ*", "СДЫХ*", "СГОРЕЛ*"}},
    {{"УБЕЙ", "УБЕЙТЕ"}, {"СЕБЯ"}},
    {{"КАКОГО", "НА", "НИ", "ДО"}, {"ХРЕНА"}},
    {{"ТЫ", "САМ", "САМА"}, {"КОЗЕЛ", "СВИНЬЯ", "ОВЦА", "ОСЕЛ", "БАРАН", "КОРОВА", "ТУПОЙ",
                             "ТУПАЯ", "ОБЕЗЬЯНА", "ЖИВОТНОЕ", "КРЫСА", "ШАКАЛ", "ПЕТУХ"}},
    {{"ВЫ", "САМИ"}, {"КОЗЛЫ", "СВИНЬИ", "ОВЦЫ", "ОСЛЫ", "БАРАНЫ", "ТУПЫЕ", "ОБЕЗЬЯНЫ",
                      "ЖИВОТНЫЕ", "КРЫСЫ", "ШАКАЛЫ"}},
};
// clang-format on

enum class Place { Anywhere, BehindPrefixes, WordStart };

struct Pattern {
    std::string letters;
    Place place = Place::Anywhere;
    bool atEnd = false;
    bool latinOnly = false;
};

Pattern parsed(const char* utf8) {
    Pattern pattern;
    std::string text = cp1251::fromUtf8(utf8);
    if (text.front() == '~') {
        pattern.latinOnly = true;
        text.erase(0, 1);
    }
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

using word_forms::fromUtf8;

// The roots by their first letter, so that each letter of a word tries only its own; a hidden
// letter tries them all.
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

const std::vector<Pattern>& everyRoot() {
    static const std::vector<Pattern> all = [] {
        std::vector<Pattern> list;
        for (const std::vector<Pattern>& byLetter : roots())
            list.insert(list.end(), byLetter.begin(), byLetter.end());
        return list;
    }();
    return all;
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

bool isVowelOrSign(char c) {
    static const std::string letters = cp1251::fromUtf8("АЕИОУЫЭЮЯЪЬ");
    return letters.find(c) != std::string::npos;
}

bool isLinkingVowel(char c) {
    static const std::string letters = cp1251::fromUtf8("ОЕ");
    return letters.find(c) != std::string::npos;
}

// A hidden letter stands for any letter of a root, as long as most of the root is spelt out; an
// exemption is spelt out in full.
bool standsAt(const std::string& word, std::size_t at, const Pattern& pattern, bool hiddenFits) {
    const std::string& letters = pattern.letters;
    if (at + letters.size() > word.size() || (pattern.atEnd && at + letters.size() != word.size()))
        return false;
    std::size_t hiddenLetters = 0;
    for (std::size_t k = 0; k < letters.size(); ++k) {
        const bool hidden = word[at + k] == kHiddenLetter;
        if (word[at + k] != letters[k] && !(hidden && hiddenFits))
            return false;
        hiddenLetters += hidden ? 1 : 0;
    }
    return 2 * hiddenLetters < letters.size();
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

// A compound's first stem: two letters or more ending in a consonant, then a linking vowel. Only
// a root that begins with a vowel is taken there, so that "процессу" and "бундесрат" hold
// none; in a word read from Latin only behind О, so that "FreeBSD" holds none either.
bool followsCompoundStem(const std::string& word, std::size_t at, const Pattern& root,
                         bool fromLatin) {
    static const char o = cp1251::fromUtf8("О").front();
    if (fromLatin && word[at - 1] != o)
        return false;
    return at >= 3 && isVowelOrSign(root.letters.front()) && isLinkingVowel(word[at - 1]) &&
           !isVowelOrSign(word[at - 2]);
}

bool standsInInnocentWord(const std::string& word, std::size_t at, bool fromLatin) {
    return word_forms::standsInInnocentWord(
        exemptions(), at, [](const Pattern& exemption) { return exemption.letters.size(); },
        [&word, fromLatin](const Pattern& exemption, std::size_t from) {
            return (!exemption.latinOnly || fromLatin) &&
                   (exemption.place != Place::WordStart || from == 0) &&
                   standsAt(word, from, exemption, false);
        });
}

class WordJudge {
public:
    WordJudge(const std::string& word, bool fromLatin) : word_(word), fromLatin_(fromLatin) {}

    bool holdsRoot() {
        for (std::size_t at = 0; at < word_.size(); ++at) {
            const bool hidden = word_[at] == kHiddenLetter;
            for (const Pattern& root :
                 hidden ? everyRoot() : roots()[static_cast<unsigned char>(word_[at])]) {
                if (rootStandsAt(root, at))
                    return true;
            }
        }
        return false;
    }

private:
    bool rootStandsAt(const Pattern& root, std::size_t at) {
        if (root.latinOnly && !fromLatin_)
            return false;
        if (root.place == Place::WordStart && at != 0)
            return false;
        if (root.place == Place::BehindPrefixes && at != 0 && !standsBehindPrefixes(root, at) &&
            !followsCompoundStem(word_, at, root, fromLatin_))
            return false;
        return standsAt(word_, at, root, true) && !standsInInnocentWord(word_, at, fromLatin_);
    }

    bool standsBehindPrefixes(const Pattern& root, std::size_t at) {
        if (starts_ == 0)
            starts_ = rootStarts(word_);
        if (at >= 64 || (starts_ >> at & 1) == 0)
            return false;
        // Latin has no Ъ: "otebis" stands for "отъебись", behind a prefix of two letters or more.
        return !isVowelOrSign(root.letters.front()) || isVowelOrSign(word_[at - 1]) ||
               (fromLatin_ && at >= 2);
    }

    const std::string& word_;
    bool fromLatin_;
    Starts starts_ = 0;
};

// The phrases in Windows-1251.
const std::vector<std::vector<std::vector<std::string>>>& coarsePhrases() {
    static const auto converted = [] {
        std::vector<std::vector<std::vector<std::string>>> made;
        for (const CoarsePhrase& phrase : kCoarsePhrases) {
            made.emplace_back();
            for (const std::vector<const char*>& slot : phrase)
                made.back().push_back(fromUtf8(slot));
        }
        return made;
    }();
    return converted;
}

bool fitsSlot(const std::string& word, const std::vector<std::string>& slot) {
    return std::any_of(slot.begin(), slot.end(), [&word](const std::string& entry) {
        return entry.back() == '*' ? word.starts_with(entry.substr(0, entry.size() - 1))
                                   : word == entry;
    });
}

bool spellsPhrase(const std::vector<WordReadings>& words, std::size_t first,
                  const std::vector<std::vector<std::string>>& phrase) {
    if (first + phrase.size() > words.size())
        return false;
    for (std::size_t k = 0; k < phrase.size(); ++k) {
        const std::vector<std::string>& readings = words[first + k].asSeen;
        if (readings.empty() || !fitsSlot(readings.front(), phrase[k]))
            return false;
    }
    return true;
}

bool holdsCoarsePhrase(const std::vector<WordReadings>& words) {
    for (const auto& phrase : coarsePhrases()) {
        for (std::size_t first = 0; first < words.size(); ++first) {
            if (spellsPhrase(words, first, phrase))
                return true;
        }
    }
    return false;
}

bool isCoarseWord(const WordReadings& word) {
    const auto holdsRoot = [](const std::vector<std::string>& readings, bool fromLatin) {
        return std::any_of(readings.begin(), readings.end(), [fromLatin](const std::string& r) {
            return WordJudge(r, fromLatin).holdsRoot();
        });
    };
    return holdsRoot(word.asSeen, false) || holdsRoot(word.fromLatin, true);
}

} // namespace

bool isCoarse(std::string_view phrase) {
    const std::vector<WordReadings> words = coarseReadings(phrase);
    return std::any_of(words.begin(), words.end(), isCoarseWord) || holdsCoarsePhrase(words);
}

} // namespace besedka
