// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/main_menu.h"

#include <QMenuBar>

namespace besedka {

namespace {

QAction* addCheckItem(QMenu* menu, const QString& text, bool checked) {
    QAction* item = menu->addAction(text);
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

QAction* addSeparatorCommand(QMainWindow& window, QMenu* menu, QKeyCombination key) {
    // A menu draws a separator's shortcut as a caption, so the line and the command are apart:
    // the menu shows the line, the window keeps the key.
    menu->addSeparator();
    auto* command = new QAction(&window);
    command->setShortcut(key);
    window.addAction(command);
    return command;
}

} // namespace

MainMenu buildMainMenu(QMainWindow& window) {
    MainMenu menu{};
    QMenuBar* bar = window.menuBar();
    menu.systemMenu = bar->addMenu(QStringLiteral("&Система"));
    menu.newDialogue = menu.systemMenu->addAction(QStringLiteral("&Новый диалог"));
    menu.history = menu.systemMenu->addAction(QStringLiteral("&История бесед"));
    menu.completeWord = addSeparatorCommand(window, menu.systemMenu, QKeyCombination(Qt::Key_F5));
    menu.knowledgeMenu = menu.systemMenu->addMenu(QStringLiteral("&Подробнее о базе:"));
    menu.incomingCount = menu.knowledgeMenu->addAction(QStringLiteral("&Входящие выражения:"));
    menu.outgoingCount = menu.knowledgeMenu->addAction(QStringLiteral("&Исходящие выражения:"));
    menu.totalCount = menu.knowledgeMenu->addAction(QStringLiteral("&Итого:"));
    menu.undo = addSeparatorCommand(window, menu.systemMenu,
                                    QKeyCombination(Qt::ControlModifier, Qt::Key_Z));
    menu.exit = menu.systemMenu->addAction(QStringLiteral("В&ыход"));

    menu.settingsMenu = bar->addMenu(QStringLiteral("&Настройки"));
    QMenu* settings = menu.settingsMenu;
    menu.windowColor = settings->addAction(QStringLiteral("&Цвет основного фона "));
    menu.transcriptColor = settings->addAction(QStringLiteral("Ц&вет фона поля вывода реплик"));
    menu.inputColor = settings->addAction(QStringLiteral("Цв&ет фона поля ввода реплик"));
    menu.buttonTextColor = settings->addAction(QStringLiteral("Цве&т шрифтов кнопок на панели"));
    menu.lineColorMenu = settings->addMenu(QStringLiteral("Цвет &реплик"));
    menu.userLineColor = menu.lineColorMenu->addAction(QStringLiteral("&User"));
    menu.systemLineColor = menu.lineColorMenu->addAction(QStringLiteral("&Cpu"));
    menu.inputTextColor = menu.lineColorMenu->addAction(QStringLiteral("&My string"));
    menu.fontMenu = settings->addMenu(QStringLiteral("&Параметры шрифта"));
    menu.userLineFont = menu.fontMenu->addAction(QStringLiteral("&User"));
    menu.systemLineFont = menu.fontMenu->addAction(QStringLiteral("&Cpu"));
    menu.inputFont = menu.fontMenu->addAction(QStringLiteral("&My string"));
    settings->addSeparator();
    menu.resetSettings =
        addCheckItem(settings, QStringLiteral("Вернуть первоначальные настройки"), true);

    menu.serviceMenu = bar->addMenu(QStringLiteral("Сервис"));
    QMenu* service = menu.serviceMenu;
    menu.showKeyboard = service->addAction(QStringLiteral("&Вызвать виртуальную клавиатуру"));
    menu.speedWord = addCheckItem(service, QStringLiteral("Speed Word"), false);
    menu.fullScreen = addCheckItem(service, QStringLiteral("&Full Screen"), false);
    menu.sounds = addCheckItem(service, QStringLiteral("&Звуки"), true);
    service->addSeparator();
    menu.modeMenu = service->addMenu(QStringLiteral("&Режим"));
    menu.conversationMode = addCheckItem(menu.modeMenu, QStringLiteral("&Cpu\\User"), true);
    menu.exchangeMode = addCheckItem(menu.modeMenu, QStringLiteral("C&pu\\Cpu"), false);
    menu.openEditor = service->addAction(QStringLiteral("Ре&дактор"));

    menu.helpMenu = bar->addMenu(QStringLiteral("С&правка"));
    menu.about = menu.helpMenu->addAction(QStringLiteral("&О программе..."));
    return menu;
}

} // namespace besedka
