// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/coarse_words.h"
#include "platform/core/cp1251.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace besedka::test {
namespace {

// The phrases (UTF-8) that the guard judges otherwise than `coarse`.
std::vector<std::string> judgedOtherwise(bool coarse, std::initializer_list<const char*> phrases) {
    std::vector<std::string> wrong;
    for (const char* phrase : phrases) {
        if (isCoarse(cp1251::fromUtf8(phrase)) != coarse)
            wrong.push_back(phrase);
    }
    return wrong;
}

const std::vector<std::string> kNone;

} // namespace

TEST(CoarseWords, MatIsCoarseWithItsPrefixesAndEndings) {
    EXPECT_EQ(judgedOtherwise(true, {"Хуй.",         "Охуеть!",     "Мне похуй.", "Нахуя?",
                                     "Хуёвый день.", "Хуйня.",      "Пиздец.",    "Распиздяй.",
                                     "Спизжено.",    "Заебал.",     "Отъебись.",  "Съебался.",
                                     "Поебень.",     "Долбоёб.",    "Ёбарь.",     "Уёбок.",
                                     "Ебанутый.",    "Наебать.",    "Понаебали.", "Блядство.",
                                     "Выблядок.",    "Бля, опять.", "Блять.",     "Мудак.",
                                     "Мудозвон.",    "Хули надо?",  "Залупа.",    "Манда."}),
              kNone);
}

TEST(CoarseWords, VulgarismsSlursAndCoarseInsultsAreCoarse) {
    EXPECT_EQ(
        judgedOtherwise(true, {"Говно.",    "Говённый.", "Жопа.",    "Дерьмовый.", "Обосрался.",
                               "Засранец.", "Срач.",     "Обоссал.", "Ссыкло.",    "Пердун.",
                               "Гандон.",   "Гондон.",   "Дрочит.",  "Трахаться.", "Шлюха.",
                               "Пидорас.",  "Педик.",    "Херня.",   "Похер.",     "Ни хера.",
                               "Охренеть.", "Хреново.",  "Сволочь.", "Паскуда.",   "Сукин сын.",
                               "Сиськи.",   "Стерва.",   "Жид."}),
        kNone);
}

TEST(CoarseWords, InnocentWordsThatHoldTheLettersOfARootAreNot) {
    EXPECT_EQ(
        judgedOtherwise(
            false,
            {"Страхуй меня.", "Не психуй.", "Выиграли всухую.", "Лопоухую собаку.", "Хуторок.",
             "Хулиган.",      "Скребло.",   "Оскорбление.",     "Хлебать щи.",      "Себе.",
             "Небо.",         "Веб-сайт.",  "Требовать.",       "Употреблять.",     "Ослаблять.",
             "Икебана.",      "Мудрый.",    "Талмуд.",          "Команда.",         "Мандарин.",
             "Мандраж.",      "Сразу.",     "Сражение.",        "Рассрочка.",       "Сретенье.",
             "Сруб.",         "Ссора.",     "Ссылка.",          "Ссадина.",         "Ссуда.",
             "Рассада.",      "Прессу.",    "Супердержава.",    "Пернатый.",        "Оперную.",
             "Херувим.",      "Херес.",     "Педикюр.",         "Скипидар.",        "Стервятник.",
             "Остервенел.",   "Жидкость.",  "Сук дерева.",      "Горе минется.",    "Херасков."}),
        kNone);
}

TEST(CoarseWords, HorseradishIsInnocentButTheCoarseWordsMadeOfItAreNot) {
    EXPECT_FALSE(isCoarse(cp1251::fromUtf8("Хрен с горчицей.")));
    EXPECT_FALSE(isCoarse(cp1251::fromUtf8("Натри хрена.")));
    EXPECT_TRUE(isCoarse(cp1251::fromUtf8("Мне хреново.")));
    EXPECT_TRUE(isCoarse(cp1251::fromUtf8("Нахрена?")));
}

TEST(CoarseWords, EachWordIsJudgedAloneInAnyCaseAndWithЁAsЕ) {
    EXPECT_TRUE(isCoarse(cp1251::fromUtf8("ЁБАНЫЙ")));
    EXPECT_TRUE(isCoarse(cp1251::fromUtf8("ебаный")));
    EXPECT_TRUE(isCoarse(cp1251::fromUtf8("ну,бля,опять")));
    EXPECT_TRUE(isCoarse(cp1251::fromUtf8("По-хуй.")));
    EXPECT_TRUE(isCoarse(cp1251::fromUtf8("Бляяяя!")));
    EXPECT_TRUE(isCoarse(cp1251::fromUtf8("Тpaxать."))); // Latin p, a, x
    EXPECT_FALSE(isCoarse(cp1251::fromUtf8("Длинношеее.")));
    // A root stands in one word, not across a space, a hyphen or a longer word.
    EXPECT_FALSE(isCoarse(cp1251::fromUtf8("Пиз да.")));
    EXPECT_FALSE(isCoarse(cp1251::fromUtf8("Блямба-бляшка.")));
    EXPECT_FALSE(isCoarse(""));
    EXPECT_FALSE(isCoarse(cp1251::fromUtf8("...")));
}

} // namespace besedka::test
