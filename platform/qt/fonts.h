// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace besedka {

// The Windows font names the program asks for are found among installed fonts of the same
// widths where there are any: the pixel layout was made for them, and a wider font would
// overflow the status panels and buttons.
void substituteWindowsFonts();

} // namespace besedka
