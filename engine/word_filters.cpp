// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/word_filters.h"

#include "engine/base_files.h"
#include "engine/match_key.h"
#include "engine/word_forms.h"
#include "platform/core/cp1251.h"

#include <algorithm>

namespace besedka {

namespace {

using word_forms::fromUtf8;

constexpr char kCapitalYo = '\xA8';
constexpr char kCapitalYe = '\xC5';

// Words in which an abuse entry stands by chance, each by the entries it holds; an entry whose
// first letter stands inside one of them is no abuse. Spaces around a stem stand for the ends
// of a word. Written with Е for Ё, in upper case.
const std::vector<std::string>& innocentStems() {
    // clang-format off
    static const std::vector<std::string> stems = fromUtf8({
        // " ЛОХ", " ХАМ"
        "ЛОХМ", "ЛОХАН", "ХАМЕЛЕОН", "ХАМСА", "ХАМСЕ", "ХАМСОЙ", "ХАМСУ", "ХАМСЫ", "ХАМИТСК",
        "ХАМЕСИФОН", "ХАМОВН",
        // "БЛЯ" and its punctuation: genitives of -бль nouns, -бля nouns, a gerund
        "РУБЛЯ", "ДУБЛЯ", "КОРАБЛЯ", "ДИРИЖАБЛЯ", "АНСАМБЛЯ", "НОТАБЛЯ", "КОНСТЕБЛЯ", "СТЕБЛЯ",
        "САБЛЯ", "ГРЕБЛЯ", "ОГЛОБЛЯ", "КОЛЕБЛЯ",
        // "БОЛВАН"
        "БОЛВАНК", "БОЛВАНОЧН", "БОЛВАНЧИК",
        // "ГАД" and its punctuation
        "НАУГАД", "НЕВДОГАД", "БРИГАД",
        // "ЕБАТЬ", "ЕБЛО"
        "ХЛЕБАТЬ", "ГРЕБАТЬ", "СКРЕБАТЬ", "КОЛЕБАТЬ", "ЕБЛОК",
        // "ДУРА", "ДУРИК", "ДУРОЙ", "ДУРЫ"
        "ПРОЦЕДУР", "БАНДУР", "ГОНДУРАС", "ДУРАЛЮМИН", "ДУРАКАВАЛЯН", "ДУРАЧИТ", "ДУРАЧИВ",
        "ДУРАЧА", "ДУРАЧИЛ", "ДУРАЧУ", "ДУРАЧЬСЯ", "ДУРАЧЬТЕСЬ", "ДУРАЧЕСТВ", "ДУРАШ", "ОДУРАЧ",
        "ДУРИКОМ",
        // "МАНДА"
        "КОМАНД", "МАНДАТ", "МАНДАРИН", "АЛЛЕМАНД",
        // "НЕДОУМ": bewilderment, not a halfwit
        "НЕДОУМЕ",
        // "ПОДЛ": под- before a word that begins with л. Where a form of "подлый" or "подлиза"
        // begins like an innocent word, the stem is that word's own forms: "подлог" (not
        // "подлого"), "подломить" (not "подлому", "подлом"), "подлизываться" (not "подлиза").
        "ПОДЛАВ", "ПОДЛАД", "ПОДЛАЖ", "ПОДЛАК", "ПОДЛАМ", "ПОДЛАТ", "ПОДЛЕГ", "ПОДЛЕД", "ПОДЛЕЖ",
        "ПОДЛЕЗ", "ПОДЛЕК", "ПОДЛЕП", "ПОДЛЕС", "ПОДЛЕТ", "ПОДЛЕЧ", "ПОДЛЕЩ", "ПОДЛИВ", "ПОДЛИЛ",
        "ПОДЛИН", "ПОДЛИП", "ПОДЛИТ", "ПОДЛИЦ", "ПОДЛОВИ", "ПОДЛОВЛ", "ПОДЛОДК", "ПОДЛОЖ",
        "ПОДЛОК", "ПОДЛОП", "ПОДЛУН", "ИСПОДЛОБ", " ПОДЛЕ ",
        "ПОДЛОГ ", "ПОДЛОГА", "ПОДЛОГЕ", "ПОДЛОГИ", "ПОДЛОГОВ", "ПОДЛОГОМ", "ПОДЛОГУ",
        "ПОДЛОМА", "ПОДЛОМИ", "ПОДЛОМК", "ПОДЛОМЛ", "ПОДЛОМЯ",
        "ПОДЛИЗАВ", "ПОДЛИЗАЛ", "ПОДЛИЗАН", "ПОДЛИЗАТ", "ПОДЛИЗН", "ПОДЛИЗЫВ", "ПОДЛИЖ",
        // "СУКА", "СУКИ", "СУКУ", "СУЧКА"
        "БАРСУК", "ТУРСУК", "ТРЯСУЧК",
        // "УПЫР", "УРОД"
        "ПУПЫР", "УРОДИТ", "УРОДИЛ", "УРОДИВШ", "УРОДОВА", "УРОДУЮ", "ШКУРОДЕР",
        // "ХЕР" and its punctuation
        "МОХЕР", "ШАХЕР", "МАХЕР", "БРЕХЕР", "ШХЕР",
        // "ЧМО", "ЧУРК"
        "ЧМОК", "ДОЧУРК", "ДЕВЧУРК", "ПЕЧУРК",
        // "ХУИ", "ХУЙ": страховать and психовать ("застрахуй", "не психуй")
        "СТРАХУ", "ПСИХУ",
    });
    // clang-format on
    return stems;
}

// The phrase as the stems are looked for in it: upper case, Ё as Е, every other character than
// a letter a space, and a space before and after. Index i of the phrase is index i + 1 here.
std::string stemView(std::string_view phrase) {
    std::string view(" ");
    for (const char c : phrase) {
        const char upper = cp1251::upper(c);
        view += upper == kCapitalYo ? kCapitalYe : cp1251::isLetter(c) ? upper : ' ';
    }
    view += ' ';
    return view;
}

bool standsInInnocentWord(const std::string& view, std::size_t phraseIndex) {
    return word_forms::standsInInnocentWord(
        innocentStems(), phraseIndex + 1, [](const std::string& stem) { return stem.size(); },
        [&view](const std::string& stem, std::size_t from) {
            return view.compare(from, stem.size(), stem) == 0;
        });
}

// Each place where the entry is found counts unless it stands in an innocent word: after one
// such place the scan goes on behind it, so "команда, манда" is still abuse.
bool holdsAbuse(std::string_view phrase, std::string_view entry) {
    const std::size_t firstLetter = static_cast<std::size_t>(
        std::find_if(entry.begin(), entry.end(), cp1251::isLetter) - entry.begin());
    std::string view;
    for (std::size_t from = 0;;) {
        const std::size_t end = keyEnd(phrase.substr(from), entry);
        if (end == std::string_view::npos)
            return false;
        if (view.empty())
            view = stemView(phrase);
        if (!standsInInnocentWord(view, from + end - entry.size() + firstLetter))
            return true;
        from += end;
    }
}

bool holdsEntryOf(const std::string& phrase, const std::vector<std::string>& list) {
    return std::any_of(list.begin() + 1, list.end(),
                       [&phrase](const std::string& entry) { return keyMatches(phrase, entry); });
}

} // namespace

const std::vector<std::string>& abuseList() {
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

const std::vector<std::string>& topicList() {
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
    if (cp1251::upper(turn.state.userPhrase) != cp1251::upper(previousTranscriptLine))
        return false;
    turn.state.reply = turn.randomLineOf(base_files::kRepeatReplies);
    return true;
}

bool isAbusive(std::string_view phrase) {
    const auto& entries = abuseList();
    return std::any_of(entries.begin() + 1, entries.end(),
                       [phrase](const std::string& entry) { return holdsAbuse(phrase, entry); });
}

bool answerAbuse(TurnContext& turn) {
    if (!isAbusive(turn.state.userPhrase))
        return false;
    turn.state.reply = turn.randomLineOf(base_files::kAbuseReplies);
    if (turn.learning)
        turn.appendTo(base_files::kAbuseCollection, ">>> " + turn.state.userPhrase);
    return true;
}

void markTopic(TurnContext& turn) {
    turn.state.topicMarked = holdsEntryOf(turn.state.userPhrase, topicList());
}

bool answerLongPhrase(TurnContext& turn) {
    // Four draws of six take the stock reply: 1, 3, 4 and 5.
    const int draw = turn.random.below(6) + 1;
    const bool stockReply = draw != 2 && draw != 6;
    if (!stockReply || turn.state.userPhrase.size() <= kLongPhraseLength)
        return false;
    turn.state.reply = turn.randomLineOf(base_files::kLongPhraseReplies);
    return true;
}

} // namespace besedka
