// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/coarse_spelling.h"

#include "platform/core/cp1251.h"

#include <algorithm>
#include <array>
#include <utility>

namespace besedka {

namespace {

// What a character stands for in a word: itself, a letter typed as a digit or sign, or a letter
// hidden behind a star. Each table maps a byte to upper-case Russian or to lower-case Latin.
struct CharTables {
    std::array<char, 256> russian{};     // Russian letters in upper case, Е for Ё, И for І
    std::array<char, 256> lookAlike{};   // Latin letter -> the Russian one it looks like
    std::array<char, 256> twin{};        // the same, for the letters that look just the same
    std::array<char, 256> latinOf{};     // Russian letter -> the Latin one it looks like
    std::array<char, 256> maskRussian{}; // "6" -> Б, "@" -> А
    std::array<char, 256> maskLatin{};   // "6" -> b, "@" -> a
};

void fill(std::array<char, 256>& table, std::string_view from, std::string_view to) {
    for (std::size_t k = 0; k < from.size(); ++k)
        table[static_cast<unsigned char>(from[k])] = to[k];
}

const CharTables& tables() {
    static const CharTables t = [] {
        CharTables made;
        for (int byte = 0xC0; byte < 0x100; ++byte)
            made.russian[byte] = cp1251::upper(static_cast<char>(byte));
        fill(made.russian, cp1251::fromUtf8("ЁёІіЇїЄєЎў"), cp1251::fromUtf8("ЕЕИИИИЕЕУУ"));
        fill(made.twin, "ABCEHKMOPTXYacekopxy", cp1251::fromUtf8("АВСЕНКМОРТХУАСЕКОРХУ"));
        made.lookAlike = made.twin;
        fill(made.lookAlike, "Iiunr", cp1251::fromUtf8("ИИИПГ"));
        fill(made.latinOf, cp1251::fromUtf8("АВЕКМНОРСТУХаеокрстухІі"), "abekmhopctyxaeokpctyxii");
        fill(made.maskRussian, "0134689@$", cp1251::fromUtf8("ОИЗЧБВЯАС"));
        fill(made.maskLatin, "013468@", "oizhbva");
        return made;
    }();
    return t;
}

char at(const std::array<char, 256>& table, char c) {
    return table[static_cast<unsigned char>(c)];
}

bool isLatin(char c) {
    return cp1251::isLetter(c) && static_cast<unsigned char>(c) < 0x80;
}

// A star, or a character with no Windows-1251 form ('?' by then) between letters: "х?й".
bool isHiding(char c) {
    return c == '*' || c == '#' || c == '?' || c == '!';
}

bool isPartOfWord(char c) {
    return cp1251::isLetter(c) || at(tables().maskRussian, c) != 0 || isHiding(c);
}

bool isRussianVowel(char c) {
    static const std::string vowels = cp1251::fromUtf8("АЕИОУЫЭЮЯ");
    return vowels.find(c) != std::string::npos;
}

// Longest first, so that "shch" is read before "sh", and "ya" before a lone "y".
const std::vector<std::pair<std::string, std::string>>& transliterations() {
    static const std::vector<std::pair<std::string, std::string>> table = [] {
        const std::vector<std::pair<const char*, const char*>> utf8 = {
            {"shch", "Щ"}, {"sch", "Щ"},  {"zh", "Ж"}, {"kh", "Х"}, {"ch", "Ч"}, {"sh", "Ш"},
            {"tz", "Ц"},   {"ya", "Я"},   {"ja", "Я"}, {"ia", "Я"}, {"yu", "Ю"}, {"ju", "Ю"},
            {"yo", "ЙО"},  {"jo", "ДЖО"}, {"ye", "Е"}, {"je", "Е"}, {"ck", "К"}, {"ph", "Ф"},
            {"a", "А"},    {"b", "Б"},    {"c", "Ц"},  {"d", "Д"},  {"e", "Е"},  {"f", "Ф"},
            {"g", "Г"},    {"h", "Х"},    {"i", "И"},  {"j", "Й"},  {"k", "К"},  {"l", "Л"},
            {"m", "М"},    {"n", "Н"},    {"o", "О"},  {"p", "П"},  {"q", "К"},  {"r", "Р"},
            {"s", "С"},    {"t", "Т"},    {"u", "У"},  {"v", "В"},  {"w", "В"},  {"x", "Х"},
            {"z", "З"}};
        std::vector<std::pair<std::string, std::string>> made;
        for (const auto& [latin, russian] : utf8)
            made.emplace_back(latin, cp1251::fromUtf8(russian));
        return made;
    }();
    return table;
}

// A lower-case Latin word in Russian letters; a lone "y" is Й after a vowel ("nahuy") and Ы
// elsewhere ("ebanyi"); "ts" is Ц or, without tsAsOne, Т and С ("otsosi").
std::string transliterated(std::string_view latin, bool tsAsOne) {
    static const char shortI = cp1251::fromUtf8("Й").front();
    static const char yery = cp1251::fromUtf8("Ы").front();
    static const char tse = cp1251::fromUtf8("Ц").front();
    const auto& table = transliterations();
    std::string russian;
    std::size_t i = 0;
    while (i < latin.size()) {
        if (tsAsOne && latin.substr(i).starts_with("ts")) {
            russian += tse;
            i += 2;
            continue;
        }
        const auto found = std::find_if(table.begin(), table.end(), [&](const auto& entry) {
            return latin.substr(i).starts_with(entry.first);
        });
        if (found != table.end()) {
            russian += found->second;
            i += found->first.size();
        } else if (latin[i] == 'y') {
            russian += !russian.empty() && isRussianVowel(russian.back()) ? shortI : yery;
            ++i;
        } else {
            russian += latin[i++]; // a hidden letter
        }
    }
    return russian;
}

// The word with its Latin letters as the Russian ones the table says they look like, or else as
// the ones they sound like.
std::string readAsSeen(std::string_view word, const std::array<char, 256>& latinLooks) {
    const CharTables& t = tables();
    std::string read;
    for (const char c : word) {
        if (isHiding(c))
            read += kHiddenLetter;
        else if (at(t.maskRussian, c) != 0)
            read += at(t.maskRussian, c);
        else if (!isLatin(c))
            read += at(t.russian, c) != 0 ? at(t.russian, c) : c;
        else if (at(latinLooks, c) != 0)
            read += at(latinLooks, c);
        else
            read += transliterated(std::string(1, cp1251::lower(c)), false);
    }
    return read;
}

// The word in lower-case Latin letters, Russian look-alikes and digits made Latin; empty when a
// Russian letter has no Latin look-alike.
std::string asLatin(std::string_view word) {
    const CharTables& t = tables();
    std::string latin;
    for (const char c : word) {
        if (isHiding(c))
            latin += kHiddenLetter;
        else if (isLatin(c))
            latin += cp1251::lower(c);
        else if (at(t.maskLatin, c) != 0)
            latin += at(t.maskLatin, c);
        else if (at(t.latinOf, c) != 0)
            latin += at(t.latinOf, c);
        else
            return {};
    }
    return latin;
}

// A letter typed three times or more ("сссать") twice; with singleDoubles, any run once.
std::string withRunsCut(const std::string& word, bool singleDoubles) {
    std::string cut;
    std::size_t run = 0;
    for (const char c : word) {
        run = !cut.empty() && cut.back() == c && c != kHiddenLetter ? run + 1 : 1;
        if (run == 1 || (run == 2 && !singleDoubles))
            cut += c;
    }
    return cut;
}

// Ё typed as ЙО ("йобаный", "ушлйопок") read as Е.
std::string withЁ(std::string word) {
    static const std::string yo = cp1251::fromUtf8("ЙО");
    static const std::string ye = cp1251::fromUtf8("Е");
    for (std::size_t at = word.find(yo); at != std::string::npos; at = word.find(yo, at))
        word.replace(at, yo.size(), ye);
    return word;
}

void addReading(std::vector<std::string>& readings, const std::string& reading) {
    for (const std::string& spelling : {reading, withЁ(reading)}) {
        for (const bool singleDoubles : {false, true}) {
            const std::string cut = withRunsCut(spelling, singleDoubles);
            if (!cut.empty() && std::find(readings.begin(), readings.end(), cut) == readings.end())
                readings.push_back(cut);
        }
    }
}

WordReadings readingsOf(std::string_view word) {
    const bool hasLatin = std::any_of(word.begin(), word.end(), isLatin);
    const bool hasRussian = std::any_of(word.begin(), word.end(),
                                        [](char c) { return cp1251::isLetter(c) && !isLatin(c); });
    // A Latin word is read as Russian only when each of its letters has a Russian twin ("CYKA"),
    // or with the twins and the sounds of the rest when it types "ху" as "xy" ("xyilo").
    const bool allTwins = std::all_of(
        word.begin(), word.end(), [](char c) { return isLatin(c) && at(tables().twin, c) != 0; });
    const bool xy = cp1251::lower(word).find("xy") != std::string::npos;
    static const std::array<char, 256> bySound{};
    WordReadings readings;
    if (hasRussian || allTwins)
        addReading(readings.asSeen, readAsSeen(word, tables().lookAlike));
    if (hasRussian && hasLatin)
        addReading(readings.asSeen, readAsSeen(word, bySound));
    if (!hasRussian && xy)
        addReading(readings.asSeen, readAsSeen(word, tables().twin));
    const std::string latin = hasLatin ? asLatin(word) : std::string();
    if (!latin.empty()) {
        for (const bool tsAsOne : {false, true})
            addReading(readings.fromLatin, transliterated(latin, tsAsOne));
    }
    return readings;
}

// The runs of a chunk that may make a word: letters, digits and signs that stand for letters.
std::vector<std::string> piecesOf(std::string_view chunk) {
    std::vector<std::string> pieces(1);
    for (const char c : chunk) {
        if (isPartOfWord(c))
            pieces.back() += c;
        else if (!pieces.back().empty())
            pieces.emplace_back();
    }
    if (pieces.back().empty())
        pieces.pop_back();
    // A number with a Latin letter or two in it ("16A", "e6500") is no masked word.
    std::erase_if(pieces, [](const std::string& piece) {
        const auto letters = std::count_if(piece.begin(), piece.end(), cp1251::isLetter);
        const bool russian = std::any_of(piece.begin(), piece.end(),
                                         [](char c) { return cp1251::isLetter(c) && !isLatin(c); });
        return letters == 0 || (!russian && 2 * letters <= std::ssize(piece));
    });
    // A star stands for a letter between letters; at the edge it is a footnote or a pattern.
    for (std::string& piece : pieces) {
        piece.erase(piece.find_last_not_of("*#?!") + 1);
        piece.erase(0, piece.find_first_not_of("*#?!"));
    }
    return pieces;
}

// A letter alone, maybe with a stop or a comma behind it ("х", "б,").
bool isLetterAlone(std::string_view chunk) {
    return !chunk.empty() && isPartOfWord(chunk.front()) &&
           chunk.find_first_not_of(".,!?", 1) == std::string_view::npos;
}

// Three letters or more with a dot or a hyphen between each two ("б.л.я", "х-у-й").
bool isLettersApart(std::string_view chunk) {
    while (!chunk.empty() && (chunk.back() == '.' || chunk.back() == ','))
        chunk.remove_suffix(1);
    if (chunk.size() < 5 || chunk.size() % 2 == 0)
        return false;
    for (std::size_t k = 0; k < chunk.size(); ++k) {
        const bool letterPlace = k % 2 == 0;
        if (letterPlace != isPartOfWord(chunk[k]) ||
            (!letterPlace && chunk[k] != '.' && chunk[k] != '-'))
            return false;
    }
    return true;
}

// The letters of a chunk of letters apart, each at an even place.
std::string lettersOf(std::string_view chunk) {
    std::string letters;
    for (std::size_t k = 0; k < chunk.size() && isPartOfWord(chunk[k]); k += 2)
        letters += chunk[k];
    return letters;
}

std::string joined(const std::vector<std::string>& letters) {
    std::string word;
    for (const std::string& letter : letters)
        word += letter;
    return word;
}

// The raw words of the phrase: letters one apart, by spaces or signs, are joined into one word
// when there are three or more of them in a row ("х у й", "б.л.я").
std::vector<std::string> rawWords(std::string_view phrase) {
    std::vector<std::string> words;
    std::vector<std::string> apart;
    const auto flushApart = [&] {
        if (apart.size() >= 3)
            words.push_back(joined(apart));
        else
            words.insert(words.end(), apart.begin(), apart.end());
        apart.clear();
    };
    std::size_t start = 0;
    while (start <= phrase.size()) {
        std::size_t end = phrase.find_first_of(" \t\r\n", start);
        if (end == std::string_view::npos)
            end = phrase.size();
        const std::string_view chunk = phrase.substr(start, end - start);
        const std::vector<std::string> pieces = piecesOf(chunk);
        if (isLetterAlone(chunk) && pieces.size() == 1) {
            apart.push_back(pieces.front());
        } else if (!pieces.empty()) {
            flushApart();
            if (isLettersApart(chunk))
                words.push_back(lettersOf(chunk));
            else
                words.insert(words.end(), pieces.begin(), pieces.end());
        }
        start = end + 1;
    }
    flushApart();
    return words;
}

} // namespace

std::vector<WordReadings> coarseReadings(std::string_view phrase) {
    std::vector<WordReadings> readings;
    for (const std::string& word : rawWords(phrase))
        readings.push_back(readingsOf(word));
    return readings;
}

} // namespace besedka
