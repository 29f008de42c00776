// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/paths.h"

#include <QPixmap>
#include <string>

namespace besedka {

// A picture file of the working folder as the program spells its path ("Images\Inform.bmp"); throws
// FileError "Cannot open file <spelledPath>" when it is missing or is no picture.
QPixmap loadPicture(const std::string& spelledPath, const WorkingFolder& folder);

} // namespace besedka
