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

// Each kind below: the coarse forms (none of them listed anywhere as such), then innocent words
// that share their letters.

TEST(CoarseKinds, SpellingVariantsOfTheRoots) {
    EXPECT_EQ(judgedOtherwise(true, {"Ёпта.", "Заибал.", "Ибанутый.", "Йобаный.", "Ипать.",
                                     "Ёпаный.", "Отъепись.", "Блять.", "Бляцкий.", "Писдец.",
                                     "Хуйло.", "Ссука.", "Пиииздец.", "Бллядь.", "Дибил."}),
              kNone);
    EXPECT_EQ(judgedOtherwise(false, {"Ибис.", "Ибица.", "Епископ.", "Епархия.", "Ибо.", "Район.",
                                      "Майонез.", "Корабля.", "Процессу.", "Колоссальный.",
                                      "Ибупрофен.", "Ансамбля."}),
              kNone);
}

TEST(CoarseKinds, CompoundsWithANounOrAdjectiveStemFirst) {
    EXPECT_EQ(judgedOtherwise(true, {"Мозгоёб.", "Злоебучий.", "Овцеёб.", "Пиздобол.", "Хуеплёт.",
                                     "Мозгоёп.", "Жопоёб.", "Говноед."}),
              kNone);
    EXPECT_EQ(judgedOtherwise(false, {"Двоеборье.", "Двоебрачие.", "Бундесрат.", "Ренессанс.",
                                      "Штрейкбрехер.", "Змеепоклонство.", "Отчебучить.", "Хлебать.",
                                      "Небо.", "Гидроочистка."}),
              kNone);
}

TEST(CoarseKinds, MaskedLetters) {
    EXPECT_EQ(judgedOtherwise(true, {"х у й", "б.л.я", "Ты п*здец", "3ае6ал", "ж0па", "сук@",
                                     "п1здец", "XYЙ", "хyй", "6лядь", "бл9", "х-у-й-л-о", "пи#дец",
                                     "х?й", "Б Л Я Т Ь!"}),
              kNone);
    EXPECT_EQ(
        judgedOtherwise(false, {"а и б", "т.е. так", "Ф.И.О.", "%s файлов", "16A", "Купил 1С",
                                "x86_64", "Все *.txt", "Фильм в 3D", "с 2-х до 5-ти", "Я, а и ты"}),
        kNone);
}

TEST(CoarseKinds, RussianWordsInLatinLetters) {
    EXPECT_EQ(
        judgedOtherwise(true, {"blyat",   "idi nahuy", "pizdec",   "suka",  "pizdets", "yebat",
                               "otsosi",  "mudak",     "eblan",    "CYKA",  "huy",     "otebis",
                               "dolboeb", "fuck",      "bullshit", "zhopa", "hernya",  "poher",
                               "jopa",    "bljad",     "hujnja"}),
        kNone);
    EXPECT_EQ(judgedOtherwise(
                  false, {"FreeBSD", "a job",   "jobs",    "ebook", "her",    "other",  "Hermes",
                          "mud",     "hue",     "chmod",   "cpu",   "scale",  "Debian", "Sebastian",
                          "Webster", "privet",  "spasibo", "-EB",   "where",  "there",  "hero",
                          "Hertz",   "Herbert", "Huebner", "$PATH", "ebuild", "Ibanez"}),
              kNone);
}

TEST(CoarseKinds, SlursShortOrLong) {
    EXPECT_EQ(judgedOtherwise(true, {"Жиды!", "Хачи.", "Чурка.", "Пидор.", "Гомик.", "Хохлы.",
                                     "Пиндосы.", "Ниггер.", "Кацап.", "Москаль.", "Жидяра.",
                                     "Черномазый.", "Хач.", "Гомосек."}),
              kNone);
    EXPECT_EQ(judgedOtherwise(false, {"Жидкость.", "Хачапури.", "Дочурка.", "Печурка.",
                                      "Хохол на макушке.", "Хохлатый.", "Хохлома.", "Река Нигер.",
                                      "Нигерия.", "Курвиметр.", "Гомосексуальный."}),
              kNone);
}

TEST(CoarseKinds, InsultsWithoutAVulgarRootAndWishesOfDeath) {
    EXPECT_EQ(judgedOtherwise(true, {"Лох.", "Ты идиот", "Кретин!", "Дебил.", "Тварь.", "Скотина.",
                                     "Ублюдок.", "Урод.", "Чмо.", "Быдло.", "Придурок.",
                                     "Чтоб ты сдох!", "Чтобы вы сдохли.", "Сдохни.", "Убей себя.",
                                     "Дура.", "Подонок.", "Мерзавец!", "Чтоб ты сгорел."}),
              kNone);
    EXPECT_EQ(
        judgedOtherwise(false, {"Лохматый.", "Лохань.", "Идиома.", "Секретин.", "Уродился хлеб.",
                                "Урожай.", "Чмокнуть.", "Болванка.", "Кот сдох.", "Чтобы ты знал.",
                                "Играть в дурака.", "Скот.", "Процедура.", "Дегенеративный.",
                                "Замерзавший.", "Что?Где?Когда?"}),
        kNone);
}

TEST(CoarseKinds, BodilyAndSexualFamiliesAndProstitution) {
    EXPECT_EQ(judgedOtherwise(true, {"Обоссался.", "Сцать.", "Обосанный.", "Засерать.", "Высер.",
                                     "Обосрался.", "Срака.", "Ссыкло.", "Писька.", "Писюн.",
                                     "Шлюха.", "Проститутка.", "Потаскуха.", "Курва.", "Шмара.",
                                     "Членосос.", "Сосал? Соси!", "Отсоси."}),
              kNone);
    EXPECT_EQ(judgedOtherwise(false, {"Обсерватория.", "Засеребрился.", "Ссылка.", "Ссора.",
                                      "Сразу.", "Прессу.", "Писк.", "Письмо.", "Писать.", "Стресс.",
                                      "Колосс.", "Индоссант.", "Сосиска.", "Сосед."}),
              kNone);
}

} // namespace besedka::test
