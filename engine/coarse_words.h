// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace besedka {

// Does the phrase (Windows-1251) hold an obscene or coarse word: a word of мат, a vulgarism, a
// slur or an insult, in any of its prefixed, compounded and inflected forms ("охуеть", "заебал",
// "мозгоёб", "говнюк", "обосраться", "жиды", "идиот"), or a wish of death ("чтоб ты сдох")?
// Such a phrase is answered as usual but never learned. Each word is judged alone in each of its
// readings (coarse_spelling.h): masked ("3ае6ал", "х у й"), in Latin letters ("blyat") and so on.
// Look-alikes stay innocent: "хлебать", "корабля", "мудрый", "хохол", "Нигерия".
bool isCoarse(std::string_view phrase);

} // namespace besedka
