// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace besedka {

// What a font chooser holds: name, size in points and style.
struct FontSpec {
    QString name;
    int pointSize = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontSpec&) const = default;
};

} // namespace besedka
