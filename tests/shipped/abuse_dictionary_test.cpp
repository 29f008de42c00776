// SPDX-License-Identifier: GPL-3.0-or-later
// The abuse filter against every word of the shipped dictionary: a word it takes for abuse must
// be one of the reviewed abusive words below, so that neither a new dictionary nor a new
// exemption brings an innocent hit back unnoticed, and no exemption lets an abusive word through.
#include "engine/match_key.h"
#include "engine/word_filters.h"
#include "platform/core/cp1251.h"
#include "platform/core/line_list.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace besedka {
namespace {

// Reviewed: each is an insult, an obscenity or a word built on one.
const std::set<std::string> kAbusiveWords = {
    "бестолковость",
    "бестолковщина",
    "бестолковый",
    "бестолочь",
    "блудливость",
    "блудливый",
    "блудница",
    "блядь",
    "болван",
    "болванистый",
    "выродок",
    "гад",
    "гадина",
    "дебил",
    "дебилизм",
    "дебильность",
    "дебильный",
    "дура",
    "дурак",
    "дураковатый",
    "дуралей",
    "дурацкий",
    "дурачина",
    "дурачище",
    "дурачок",
    "дурачье",
    "дурачьё",
    "дурень",
    "дурочка",
    "дурында",
    "западло",
    "куртизанка",
    "лох",
    "лоховый",
    "мразь",
    "мурло",
    "недоносок",
    "недоумие",
    "недоумок",
    "оболваненный",
    "оболванивавший",
    "оболванивавшийся",
    "оболваниваемый",
    "оболванивание",
    "оболванивать",
    "оболваниваться",
    "оболванивающий",
    "оболванивающийся",
    "оболванивший",
    "оболванить",
    "оподление",
    "отсоси",
    "падло",
    "подлейший",
    "подлиза",
    "подленький",
    "подлец",
    "подлецов",
    "подлецом",
    "подличавший",
    "подличать",
    "подличающий",
    "подловатый",
    "подлость",
    "подлый",
    "подлюга",
    "подонок",
    "подоночный",
    "преподлый",
    "придурок",
    "проститутка",
    "сука",
    "сукин",
    "сучка",
    "сучок",
    "трахать",
    "трахаться",
    "трахнутый",
    "трахнуть",
    "трахнуться",
    "ублюдок",
    "ублюдочность",
    "ублюдочный",
    "упырь",
    "урод",
    "уродец",
    "уродина",
    "уродка",
    "уродливость",
    "уродливый",
    "уродский",
    "уродство",
    "уродцев",
    "уродцем",
    "хам",
    "хамивший",
    "хамить",
    "хамка",
    "хамоватый",
    "хамский",
    "хамство",
    "хамье",
    "хамьё",
    "хамящий",
    "хер",
    "чурка",
    "шалава",
    "шлюха",
    "шлюшка",
};

// Around a word, every entry of the list can find it: after a space, before a space or any of
// the punctuation that entries end with.
constexpr std::array<const char*, 5> kFrames = {"Ты % да.", "Ты %,", "Ты %.", "Ты %!", "Ты %?"};

bool takenForAbuse(const std::string& word) {
    for (const std::string frame : kFrames) {
        std::string phrase = cp1251::fromUtf8(frame);
        phrase.replace(phrase.find('%'), 1, word);
        if (isAbusive(phrase))
            return true;
    }
    return false;
}

TEST(ShippedDictionary, EveryWordTakenForAbuseIsAReviewedAbusiveWord) {
    LineList dictionary;
    dictionary.load("Base/dictionary.dat", WorkingFolder(BESEDKA_DATA_DIR));
    ASSERT_GT(dictionary.count(), 100000);
    std::set<std::string> taken;
    for (const std::string& word : dictionary.lines()) {
        if (takenForAbuse(word))
            taken.insert(cp1251::toUtf8(word));
    }
    EXPECT_EQ(taken, kAbusiveWords);
}

// The abusive words in their forms, each stem with the endings of its declension (a few
// forms that do not exist come along; they do no harm). An exemption covers an innocent word's
// own forms, so wherever an entry of the list stands in one of these, the phrase is abuse.
using Endings = std::vector<std::string>;
// clang-format off
const Endings kAdjective = {"ый", "ий", "ая", "ое", "ые", "ие", "ого", "ому", "ым", "им", "ом",
                            "ой", "ую", "ыми", "ими", "ых", "их", "", "а", "о", "ы"};
const Endings kNoun = {"", "а", "я", "о", "у", "ю", "е", "ы", "и", "ь", "ой", "ою", "ей", "ом",
                       "ем", "ам", "ям", "ами", "ями", "ах", "ях", "ов", "ев", "ью"};
const std::vector<std::pair<const Endings*, std::vector<std::string>>> kAbusiveStems = {
    {&kAdjective, {"подл", "преподл", "подлейш", "подленьк", "бестолков", "блудлив", "болванист",
                   "дебильн", "дураковат", "дурацк", "лохов", "подловат", "подоночн", "ублюдочн",
                   "уродлив", "уродск", "хамоват", "хамск", "блядск", "трахнут", "сукин"}},
    {&kNoun, {"подлец", "подлецк", "подлюг", "подлюк", "подлянк", "подлиз", "подлизк", "подлост",
              "урод", "уродц", "уродин", "уродк", "гад", "гадин", "хам", "хамк", "лох", "болван",
              "дебил", "дур", "дурак", "дуралей", "дурачин", "дурачк", "дурочк", "дурынд", "дурн",
              "подонок", "подонк", "выродок", "выродк", "недоносок", "недоноск", "недоумок",
              "недоумк", "придурок", "придурк", "ублюдок", "ублюдк", "мудак", "мудил", "еблан",
              "ебл", "дрочун", "сук", "сучк", "сучар", "шлюх", "шлюшк", "шалав", "шалавк", "чурк",
              "манд", "мраз", "бляд", "бестолоч", "упыр", "падл", "мурл", "западл", "проститутк",
              "куртизанк", "блудниц", "чмо"}},
};
// clang-format on

bool holdsAnEntry(const std::string& phrase) {
    return std::any_of(abuseList().begin() + 1, abuseList().end(),
                       [&phrase](const std::string& entry) { return keyMatches(phrase, entry); });
}

TEST(AbusiveWordForms, NoExemptionLetsAFormOfAnAbusiveWordThrough) {
    std::vector<std::string> passed;
    for (const auto& [endings, stems] : kAbusiveStems) {
        for (const std::string& stem : stems) {
            for (const std::string& ending : *endings) {
                for (const std::string frame : kFrames) {
                    std::string phrase = frame;
                    phrase.replace(phrase.find('%'), 1, stem + ending);
                    phrase = cp1251::fromUtf8(phrase);
                    if (holdsAnEntry(phrase) && !isAbusive(phrase))
                        passed.push_back(stem + ending);
                }
            }
        }
    }
    EXPECT_EQ(passed, std::vector<std::string>{});
}

} // namespace
} // namespace besedka
