// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/history.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>
#include <vector>

namespace besedka {

// The window "История бесед": the days of the history, newest first; the chosen day's
// conversation with who spoke set apart; and a search of every day for a word. Created once,
// hidden; the menu opens it, and each opening reads the history afresh. It holds nothing up: the
// conversation goes on while it is open.
class HistoryWindow : public QWidget {
    Q_OBJECT

public:
    // The days are those of the working folder's history.
    HistoryWindow(const QFont& font, const WorkingFolder& folder);

    QLineEdit* searchField = nullptr;
    QPushButton* searchButton = nullptr; // "Найти"
    QListWidget* dayList = nullptr;
    QTextEdit* conversationView = nullptr;

    // Shows the newest day.
    void open();
    void showChosenDay();
    // Every day's lines holding the word in the search field; without a word, the chosen day.
    void search();

private:
    void buildControls();
    void connectHandlers();
    void showLines(const std::vector<FoundLine>& lines, bool withDays);
    void showNote(const QString& note);

    std::filesystem::path folder_;
};

} // namespace besedka
