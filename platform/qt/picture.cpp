// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/picture.h"

#include "platform/core/file_error.h"
#include "platform/core/paths.h"

#include <QFile>

namespace besedka {

QPixmap loadPicture(const std::string& spelledPath, const WorkingFolder& folder) {
    QPixmap picture;
    if (!picture.load(QFile::decodeName(folder.resolve(spelledPath).c_str())))
        throw FileError::cannotOpen(spelledPath);
    return picture;
}

} // namespace besedka
