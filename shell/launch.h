// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the desktop program starts: in which folder, and whether with windows at all.
namespace besedka::launch {

// Enters the folder the program works in (platform/core/start_folder.h): the user's data folder
// comes from the environment, the shipped data is the copy installed beside the program.
// Throws FileError when the folder cannot be made or filled.
void enterWorkingFolder();

// Whether there is a display for the windows: an X or Wayland one, or a Qt platform the user chose.
bool hasDisplay();

// Without a display the program talks in the terminal: it enters its working folder and replaces
// itself with `besedka-cli chat` installed beside it. Returns the exit status when it cannot.
int talkInTerminal();

} // namespace besedka::launch
