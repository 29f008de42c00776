// The abuse filter against every word of the shipped dictionary: a word it takes for abuse must
// be one of the reviewed abusive words below, so that neither a new dictionary nor a new
// exemption brings an innocent hit back unnoticed, and no exemption lets an abusive word through.
#include "engine/word_filters.h"
#include "platform/core/cp1251.h"
#include "platform/core/line_list.h"

#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string>

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
    dictionary.load(BESEDKA_DATA_DIR "/Base/dictionary.dat");
    ASSERT_GT(dictionary.count(), 100000);
    std::set<std::string> taken;
    for (const std::string& word : dictionary.lines()) {
        if (takenForAbuse(word))
            taken.insert(cp1251::toUtf8(word));
    }
    EXPECT_EQ(taken, kAbusiveWords);
}

} // namespace
} // namespace besedka
