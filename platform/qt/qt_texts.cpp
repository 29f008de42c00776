// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace besedka {

void installRussianQtTexts(QObject* application) {
    auto* translator = new QTranslator(application);
    if (translator->load(QStringLiteral("qtbase_ru"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace besedka
