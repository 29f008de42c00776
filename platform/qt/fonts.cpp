#include "platform/qt/fonts.h"

#include <QFont>
#include <QStringList>

namespace besedka {

void substituteWindowsFonts() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Arial"), QStringLiteral("Nimbus Sans")});
}

} // namespace besedka
