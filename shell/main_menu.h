// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace besedka {

// The main window's menu bar, item by item. Two commands have no item of their own: the menu
// shows a separator line where they stand, and the window keeps their keys.
struct MainMenu {
    QMenu* systemMenu; // "&Система"
    QAction* newDialogue;
    QAction* history;      // "&История бесед"
    QAction* completeWord; // F5
    QMenu* knowledgeMenu;  // "&Подробнее о базе:"
    QAction* incomingCount;
    QAction* outgoingCount;
    QAction* totalCount;
    QAction* undo; // Ctrl+Z
    QAction* exit;

    QMenu* settingsMenu; // "&Настройки"
    QAction* windowColor;
    QAction* transcriptColor;
    QAction* inputColor;
    QAction* buttonTextColor;
    QMenu* lineColorMenu; // "Цвет &реплик"
    QAction* userLineColor;
    QAction* systemLineColor;
    QAction* inputTextColor;
    QMenu* fontMenu; // "&Параметры шрифта"
    QAction* userLineFont;
    QAction* systemLineFont;
    QAction* inputFont;
    QAction* resetSettings; // checked while all are default

    QMenu* serviceMenu; // "Сервис"
    QAction* showKeyboard;
    QAction* speedWord;        // checked while on
    QAction* fullScreen;       // checked at full screen
    QAction* sounds;           // "&Звуки", checked while on
    QMenu* modeMenu;           // "&Режим"
    QAction* conversationMode; // "&Cpu\User", checked while on
    QAction* exchangeMode;     // "C&pu\Cpu", checked while on
    QAction* openEditor;

    QMenu* helpMenu; // "С&правка"
    QAction* about;
};

MainMenu buildMainMenu(QMainWindow& window);

} // namespace besedka
