// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the desktop program starts: whether with windows at all. The folder it works in is found
// in platform/core/start_folder.h.
namespace besedka::launch {

// Whether there is a display for the windows: an X or Wayland one, or a Qt platform the user chose.
bool hasDisplay();

// Without a display the program talks in the terminal: it enters its working folder and replaces
// itself with `besedka-cli chat` installed beside it (or built with it). Returns the exit status
// when it cannot.
int talkInTerminal();

} // namespace besedka::launch
