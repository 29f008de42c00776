#include "engine/word_filters.h"

#include "engine/base_files.h"
#include "engine/match_key.h"
#include "platform/core/cp1251.h"

#include <algorithm>
#include <initializer_list>

namespace besedka {

namespace {

std::vector<std::string> fromUtf8(std::initializer_list<const char*> entries) {
    std::vector<std::string> list;
    for (const char* entry : entries)
        list.push_back(cp1251::fromUtf8(entry));
    return list;
}

bool holdsEntryOf(const std::string& phrase, const std::vector<std::string>& list) {
    return std::any_of(list.begin() + 1, list.end(),
                       [&phrase](const std::string& entry) { return MatchKey(phrase, entry); });
}

} // namespace

const std::vector<std::string>& Cenzura() {
    static const std::vector<std::string> list = fromUtf8({
        "",         " ЛОХ",    " ХАМ",          "БЕСТОЛКОВ", "БЕСТОЛОЧЬ", "БЛУДЛИВ",   "БЛУДНИЦА",
        "БЛЯ ",     "БЛЯ,",    "БЛЯ.",          "БЛЯ!",      "БЛЯ?",      "БЛЯДИ",     "БЛЯДЬ",
        "БОЛВАН",   "ВЫРОДК",  "ВЫРОДОК",       "ГАД ",      "ГАД,",      "ГАД.",      "ГАД!",
        "ГАДИН",    "ДРОЧУН",  "ЖЕРТВА АБОРТА", "ЖМУРИК",    "ЕБАТЬ",     "ЕБЛАН",     "ЕБЛО",
        "ДЕБИЛ",    "ДУРА",    "ДУРЕНЬ",        "ДУРИК",     "ДУРОЙ",     "ДУРОЧ",     "ДУРЫ",
        "КУРТИЗАН", "МАНДА",   "МАНДЮ",         "МРАЗЬ",     "МУДАК",     "МУДИЛ",     "МУДАЗВОН",
        "МУДОЗВОН", "МУРЛО",   "НЕДОНОСК",      "НЕДОНОСОК", "НЕДОУМ",    "ОТСОСИ",    "ПАДЛ",
        "ПОДЛ",     "ПИЗД",    "ПОДОН",         "ПРИДУРОК",  "ПРОСТИТНЯ", "ПРОСТИТУТ", "СУКА",
        "СУКИ",     "СУКУ",    "СУЧАРА",        "СУЧКА",     "СУЧКИ",     "СУЧОК",     "ТЕБЯ СОТРУ",
        "ТРАХАТЬ",  "ТРАХНУТ", "УБЛЮД",         "УЁБИЩ",     "УПЫР",      "УРОД",      "ХЕР ",
        "ХЕР,",     "ХЕР.",    "ХЕР!",          "ХЕР?",      "ХУИ",       "ХУЙ",       "ЧМО",
        "ЧУРК",     "ШАЛАВА",  "ШАЛАВКА",       "ШЛЮХА",     "ШЛЮШ",      "Я СОТРУ",
    });
    return list;
}

const std::vector<std::string>& Filter_nr() {
    static const std::vector<std::string> list = fromUtf8({
        "",           " ИМЯ",        " ЛЕТ",   "В ТУАЛЕТ", "ВИДЕ",       "ВИЖУ",     "ВОЛОС",
        "ДЕМОНТИРУЮ", "ДРОЧИ",       "ДРОЧУ",  "ДЫШАТЬ",   "ДЫШУ",       "ЖАРКО",    "ЖИВ",
        "ЖОП",        "ЖРАТЬ",       "ИГРАЕМ", "ИГРАТЬ",   "ИГРАЮ",      "ИЗ ПЛОТИ", "ИМЯ ",
        "КАКАТЬ",     "КУШАТЬ",      "ЛЕТ ",   "ЛЕТАТЬ",   "ЛЕТЕТЬ",     "ЛЮБИЛ",    "ЛЮБЛЮ",
        "МАМА",       "МАМОЙ",       "МАМОЧК", "МАМУ",     "МЕНЯ ЗОВУТ", "НЕ ПРОГА", "НЕ ПРОГРАММА",
        "НЕ РОБОТ",   "НОГА",        "НОГИ",   "ОРГАН",    "ПАПА",       "ПАПОЙ",    "ПАПОЧК",
        "ПАПУ",       "ПЕРЕДЕЛАТЬ",  "ПЕТЬ",   "ПИСАТЬ",   "ПИСЬ",       "ПИСЯ",     "ПИТЬ",
        "ПОБЕЖАЛ",    "ПОДОЖДИ",     "ПОЙДЁМ", "ПОПА",     "ПОПК",       "ПОШЛИ",    "РОДИЛ",
        "РОДИТЕЛ",    "РОДСТВЕННИК", "РОЖДЁН", "РУКА",     "РУКИ",       "СЛЫШАТЬ",  "СЛЫШИ",
        "СЛЫШУ",      "СМОТРЮ",      "СОТРУ",  "СПАТЬ",    "ТЕЛО",       "УДАЛЮ",    "УМРУ",
        "УСТАЛ",      "УСТАЮ",       "УХОЖУ",  "ХОДИТЬ",   "ХОЛОДНО",    "ХОЧУ",     "ЧЕЛОВЕК",
        "ЧУВСТВО",    "ЧУВСТВУЮ",    "ШЕРСТ",
    });
    return list;
}

bool answerRepeat(TurnContext& turn, const std::string& previousTranscriptLine) {
    if (cp1251::upper(turn.state.UserPhrase) != cp1251::upper(previousTranscriptLine))
        return false;
    turn.state.CpuPhrase = turn.randomLineOf(base_files::kRepeatReplies);
    return true;
}

bool answerAbuse(TurnContext& turn) {
    if (!holdsEntryOf(turn.state.UserPhrase, Cenzura()))
        return false;
    turn.state.CpuPhrase = turn.randomLineOf(base_files::kAbuseReplies);
    turn.appendTo(base_files::kAbuseCollection, ">>> " + turn.state.UserPhrase);
    return true;
}

void markTopic(TurnContext& turn) {
    turn.state.FilterHit = holdsEntryOf(turn.state.UserPhrase, Filter_nr());
}

bool answerLongPhrase(TurnContext& turn) {
    // Four draws of six take the stock reply: 1, 3, 4 and 5.
    const int draw = turn.random.below(6) + 1;
    const bool stockReply = draw != 2 && draw != 6;
    if (!stockReply || turn.state.UserPhrase.size() <= kLongPhraseLength)
        return false;
    turn.state.CpuPhrase = turn.randomLineOf(base_files::kLongPhraseReplies);
    return true;
}

} // namespace besedka
