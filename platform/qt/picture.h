// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <string>

namespace besedka {

// A picture file as the program spells its path ("Images\Inform.bmp"); throws FileError
// "Cannot open file <spelledPath>" when it is missing or is no picture.
QPixmap loadPicture(const std::string& spelledPath);

} // namespace besedka
