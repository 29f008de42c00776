#!/usr/bin/env python3
"""Builds data/Base/dictionary.dat, the word list of the input completion.

Source: the Russian spelling dictionary of Debian's hunspell-ru package
(/usr/share/hunspell/ru_RU.dic, word list by Alexander I. Lebedev, BSD-style licence;
this list is a modified, derived version of it). Its stems are taken as words: lower-case
Cyrillic words with a vowel only (proper names and most abbreviations are capitalised there
and left out), hyphenated words kept, duplicates dropped.

The completion offers the first entry that begins with the typed text, so the order matters:
the everyday words of a conversation come first (the list below, written for this program,
roughly most frequent first), then every other word, shorter before longer, then alphabetically.

Output: Windows-1251 plain text, CR LF line ends.
Run: python3 scripts/data/make_dictionary.py [path/to/ru_RU.dic]
"""

import re
import sys
from pathlib import Path

DEFAULT_SOURCE = Path("/usr/share/hunspell/ru_RU.dic")
TARGET = Path(__file__).resolve().parents[2] / "data" / "Base" / "dictionary.dat"

ALPHABET = "-абвгдеёжзийклмнопрстуфхцчшщъыьэюя"
WORD = re.compile(r"^[а-яё]+(?:-[а-яё]+)*$")
VOWEL = re.compile(r"[аеёиоуыэюя]")

EVERYDAY_WORDS = """
и в не на я что он с как а то это все она так его но да ты к у же вы за бы по только
ее её мне было вот от меня еще ещё нет о из ему теперь когда даже ну вдруг ли если уже
или ни быть был него до вас нибудь опять уж вам ведь там потом себя ничего ей может они
тут где есть надо ней для мы тебя их чем была сам чтоб без будто чего раз тоже себе под
будет ж тогда кто этот того потому этого какой совсем ним здесь этом один почти мой тем
чтобы нее сейчас были куда зачем всех никогда можно при наконец два об другой хоть
после над больше тот через эти нас про всего них какая много разве три эту моя впрочем
хорошо свою этой перед иногда лучше чуть том нельзя такой им более всегда конечно всю
между привет здравствуй здравствуйте спасибо пожалуйста пока доброе добрый день утро
вечер ночь люблю хочу знаю могу думаю понимаю помню умею люблю нравится интересно
понятно правда вообще очень просто действительно наверное кажется может быть давай
давайте сегодня завтра вчера время час минута год лет жизнь дело работа учеба учёба
школа дом семья мама папа друг друзья подруга брат сестра кошка собака погода солнце
дождь снег зима весна лето осень музыка песня фильм кино книга игра игры спорт футбол
еда чай кофе вкусно имя зовут меня тебя тебе твой твоя твое твоё свой наш ваш человек
люди мир слово вопрос ответ мысль настроение грустно весело скучно плохо отлично
нормально классно круто здорово прекрасно замечательно извини извините прости простите
согласен согласна конечно точно совсем немного чуть-чуть сколько почему зачем откуда
когда-нибудь что-то кто-то где-то как-то какой-то сказать говорить знать думать делать
сделать хотеть мочь идти пойти прийти видеть смотреть слушать читать писать играть
работать учиться жить любить понимать помнить спать есть пить гулять отдыхать
компьютер программа интернет телефон беседка разговор поговорим поболтаем
""".split()


def alphabetical(word):
    return [ALPHABET.index(ch) for ch in word]


def stems(source):
    words = set()
    with source.open(encoding="utf-8") as dic:
        next(dic)  # the first line is the number of entries
        for line in dic:
            word = line.strip().split("/", 1)[0]
            # A word without a vowel is an abbreviation ("шт", "цв"), not something to offer.
            if WORD.match(word) and VOWEL.search(word):
                words.add(word)
    return words


def ordered(words):
    first = list(dict.fromkeys(EVERYDAY_WORDS))
    rest = sorted(words.difference(first), key=lambda w: (len(w), alphabetical(w)))
    return first + rest


def main():
    source = Path(sys.argv[1]) if len(sys.argv) > 1 else DEFAULT_SOURCE
    entries = ordered(stems(source))
    TARGET.parent.mkdir(parents=True, exist_ok=True)
    TARGET.write_bytes("".join(word + "\r\n" for word in entries).encode("cp1251"))
    print(f"{TARGET}: {len(entries)} words")


if __name__ == "__main__":
    main()
