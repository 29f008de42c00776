// SPDX-License-Identifier: GPL-3.0-or-later
// The coarse-word guard against every word of the shipped dictionary in the forms its ending
// makes likely: a word some form of which the guard takes for coarse must be one of the reviewed
// coarse words below, so that no root or exemption brings an innocent hit in unnoticed. And the
// other way: the roots in those forms and behind their prefixes are all taken.
#include "engine/coarse_words.h"
#include "platform/core/cp1251.h"
#include "platform/core/line_list.h"
#include "platform/core/paths.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace besedka {
namespace {

// Reviewed: each is obscene, vulgar, a slur or a coarse insult, or a word built on one; or an
// innocent word one of whose forms is spelt like such a word, where the coarse sense is the one a
// conversation meets: "сук" ("сука", of the branch), "хрен" ("хренов", of the horseradishes),
// "хулить" ("хули!"), "лох" (the shrub), "гад" (the reptile), "чурка" (the block of wood),
// "хохла", "хохлы", "хохлов" (of the forelock; "хохол" itself stays innocent), "скотина" and
// "скотинный" (the livestock), "сучка" (the female dog), "дурь" and "дурий" ("дура"), "отсос"
// and "отсосать" (the suction; "отсоси", "отсосёшь"), "поддонок" (read with its doubled letter
// single, "подонок"), "долбать" and "долбануть" (to hammer; "долбанный"), and the medical words
// built on an insult: "идиотия", "идиотизм", "кретинизм", "дебилизм", "дебильность",
// "имбецильность".
// clang-format off
const std::set<std::string> kCoarseWords = {
    "сук", "хрен", "хулить", "лох", "гад", "чурка", "хохла", "хохлы", "хохлов", "скотина",
    "скотинный", "сучка", "дурь", "дурий", "отсос", "поддонок", "долбать", "долбануть",
    "идиотия", "идиотизм", "кретинизм", "дебилизм", "дебильность", "имбецильность",
    "блядь", "гнида", "говно", "дерьмо", "дерьмовый", "дрочивший", "дрочить", "жид", "жидовка",
    "жидовский", "жопа", "минет", "мразь", "паскуда", "паскудивший", "паскудить", "паскудник",
    "паскудница", "паскудничавший", "паскудничать", "паскудничающий", "паскудный", "паскудство",
    "паскудящий", "педераст", "педерастический", "педерастия", "похеренный", "похеривший",
    "похерить", "препаскудный", "сволочной", "сволочь", "сиська", "стерва", "стервец", "стервецов",
    "стервецом", "стервоза", "стервозный", "сука", "сукин", "сучий", "трахать", "трахаться",
    "трахающий", "трахающийся", "трахнувший", "трахнувшийся", "трахнутый", "трахнуть", "трахнуться",
    "хер", "херивший", "херить", "херящий", "хреновина", "хреновый", "шалава", "шлюха", "шлюшка",
    "болван", "болванистый", "быдло", "выродок", "гадина", "гаденыш", "гадёныш", "гаденышем",
    "гадёнышем", "дебил", "дебильный", "дегенерат", "дегенератка", "дура", "дурак", "дураковатый",
    "дурачье", "дурачьё", "дурень", "дуреха", "дурёха", "дурища", "идиот", "идиотик", "идиотка",
    "идиотский", "идиотство", "идиотический", "кацап", "кретин", "кретинка", "курва", "москаль",
    "негритос", "негритоска", "недоносок", "недоумок", "олух", "отморозки", "отсоси", "падло",
    "подонок", "потаскуха", "потаскушка", "придурок", "придурковатый", "придурковатость",
    "проститутка", "раздолбать", "соси", "тварь", "тварюга", "тупорылый", "ублюдок", "ублюдочный",
    "ублюдочность", "урод", "уродец", "уродина", "уродка", "уродцев", "уродцем", "хохлушка",
    "черномазый", "чухонец", "чухонка", "чухонский", "чухонцев", "чухонцем",
    "упырь", "балбес", "балбесничать", "балбесничавший", "балбесничающий", "тупица", "негодяй",
    "негодяйка", "негодяйский", "негодяйство", "остолоп", "мерзавец", "мерзавка", "мерзавцев",
    "мерзавцем", "бестолочь", "ничтожество", "титька", "дуралей", "дурында", "отсосать",
};
// clang-format on

using Words = std::vector<std::string>;

Words cp(std::initializer_list<const char*> utf8) {
    Words words;
    for (const char* word : utf8)
        words.push_back(cp1251::fromUtf8(word));
    return words;
}

bool endsWith(const std::string& word, const std::string& ending) {
    return word.size() > ending.size() &&
           word.compare(word.size() - ending.size(), ending.size(), ending) == 0;
}

// A word's ending, and the endings of its other forms; the first that fits is taken.
// clang-format off
const std::vector<std::pair<Words, Words>> kParadigms = {
    {cp({"овать", "евать"}), cp({"ую", "уешь", "ует", "уют", "уй", "уя", "ующий", "овал"})},
    {cp({"ать"}), cp({"ал", "ала", "али", "авший", "анный", "аю", "ает", "ай", "у", "ешь", "ет", "ут"})},
    {cp({"ять"}), cp({"ял", "яла", "яли", "явший", "янный", "яю", "яет", "яй", "ю", "ешь", "ет"})},
    {cp({"ить", "еть"}), cp({"ил", "ила", "ивший", "ел", "ела", "евший", "у", "ю", "ишь", "ит",
                            "ят", "ат", "и", "ь"})},
    {cp({"ый", "ий", "ой"}), cp({"ая", "ое", "ее", "ые", "ие", "ого", "его", "ому", "ему", "ым",
                               "им", "ом", "ем", "ой", "ей", "ую", "ых", "их", "ыми", "ими", "о",
                               "а", "ы"})},
    {cp({"а", "я"}), cp({"ы", "е", "у", "ю", "ой", "ей", "ам", "ям", "ами", "ях", ""})},
    {cp({"о", "ь", "й"}), cp({"а", "я", "у", "ю", "ом", "ем", "е", "и", "ей", "ью", "ев", "ам",
                             "ями", "ах"})},
    {cp({""}), cp({"а", "у", "ом", "е", "ы", "и", "ов", "ам", "ами", "ах", "ей"})},
};
// clang-format on

// The word (Windows-1251) and the forms its ending makes likely: an adjective's, a verb's (with
// -овать's "-ую", "-уй"), a noun's. A few of them do not exist, which does no harm.
Words formsOf(std::string word) {
    static const std::string reflexive = cp1251::fromUtf8("ся");
    static const std::string vowels = cp1251::fromUtf8("аеёиоуыэюя");
    if (endsWith(word, reflexive))
        word.resize(word.size() - reflexive.size());
    Words forms = {word};
    if (word.size() < 3)
        return forms;
    for (const auto& [endings, others] : kParadigms) {
        for (const std::string& ending : endings) {
            const bool consonant = vowels.find(word.back()) == std::string::npos;
            if (ending.empty() ? !consonant : !endsWith(word, ending))
                continue;
            for (const std::string& other : others)
                forms.push_back(word.substr(0, word.size() - ending.size()) + other);
            return forms;
        }
    }
    return forms;
}

TEST(ShippedDictionary, EveryWordWithAFormTakenForCoarseIsAReviewedCoarseWord) {
    LineList dictionary;
    dictionary.load("Base/dictionary.dat", WorkingFolder(BESEDKA_DATA_DIR));
    ASSERT_GT(dictionary.count(), 100000);
    std::string unexpected;
    std::set<std::string> missing = kCoarseWords;
    for (const std::string& word : dictionary.lines()) {
        for (const std::string& form : formsOf(word)) {
            if (!isCoarse(form))
                continue;
            const std::string utf8 = cp1251::toUtf8(word);
            if (missing.erase(utf8) == 0 && kCoarseWords.count(utf8) == 0)
                unexpected += " " + utf8 + " (" + cp1251::toUtf8(form) + ")";
            break;
        }
    }
    EXPECT_EQ(unexpected, "") << "taken for coarse, not reviewed";
    EXPECT_EQ(missing, std::set<std::string>{}) << "reviewed, no longer taken";
}

// The roots in all the forms above, behind each prefix (with the hard sign before a vowel).
TEST(CoarseRoots, AreTakenInEveryFormBehindEveryPrefix) {
    const Words words = cp({"хуярить", "пиздеть", "ебать", "ёбнуть", "блядовать", "сраный",
                            "ссаный", "дрочить", "пердеть", "залупиться", "мудохаться", "говнюк",
                            "жопа", "хуйня", "пиздюк", "ебанутый"});
    const Words prefixes = cp({"",   "за", "на",  "вы",  "по", "у",  "до", "про", "пере", "при",
                               "от", "об", "раз", "под", "вз", "из", "о",  "обо", "недо", "пона"});
    const std::string vowels = cp1251::fromUtf8("аеёиоуыэюя");
    std::string missed;
    for (const std::string& prefix : prefixes) {
        for (const std::string& word : words) {
            const bool hardSign = !prefix.empty() &&
                                  vowels.find(prefix.back()) == std::string::npos &&
                                  vowels.find(word.front()) != std::string::npos;
            for (const std::string& form : formsOf(word)) {
                const std::string prefixed =
                    prefix + (hardSign ? cp1251::fromUtf8("ъ") : "") + form;
                if (!isCoarse(prefixed))
                    missed += " " + cp1251::toUtf8(prefixed);
            }
        }
    }
    EXPECT_EQ(missed, "");
}

} // namespace
} // namespace besedka
