// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace besedka {

// Does the phrase (Windows-1251) hold an obscene or coarse word: a word of мат, a vulgarism or a
// coarse insult, in any of its prefixed and inflected forms ("охуеть", "заебал", "выблядок",
// "говнюк", "обосраться")? Such a phrase is answered as usual but never learned.
// Each word (a run of letters) is judged alone, in upper case, with Ё as Е.
bool isCoarse(std::string_view phrase);

} // namespace besedka
