// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/fonts.h"

#include <QFont>
#include <QStringList>

namespace besedka {

void substituteWindowsFonts() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Arial"), QStringLiteral("Nimbus Sans")});
    // The about window's heavy version label; a bold face of a wide family comes closest.
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                QStringLiteral("DejaVu Sans Mono")});
}

} // namespace besedka
