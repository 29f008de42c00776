// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace besedka {

// What a key of the US layout gives in the Russian one, for text typed in the wrong layout.
// Windows-1251 bytes; a byte the keyboard table does not list comes back unchanged.
char cyrillicLayoutCounterpart(char typed);

// Converts every byte once, in a single pass: a character the conversion produced is never
// converted again ("|" gives "/", not ".").
std::string toCyrillicLayout(std::string_view typed);

} // namespace besedka
