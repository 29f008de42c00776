// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test.h"

#include "platform/qt/busy_cursor.h"
#include "platform/qt/engine_text.h"

#include <QApplication>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace besedka::test {

WindowTest::~WindowTest() {
    setBusyCursor(false);
}

MainWindow& WindowTest::open() {
    window = std::make_unique<MainWindow>(random, clock, folder.working());
    window->showCentred();
    QApplication::setActiveWindow(window.get());
    return *window;
}

MainWindow& WindowTest::openReady() {
    open();
    window->conversation().loadKnowledgeBase();
    window->conversation().playDialogueStartAnimation();
    window->controlStates().updateControls();
    return *window;
}

void WindowTest::type(const QString& text) {
    controls().inputLine->setText(text);
    window->controlStates().updateControls();
}

void WindowTest::say(const QString& phrase) {
    type(phrase);
    controls().sayButton->click();
}

QStringList WindowTest::transcript() const {
    QStringList lines;
    for (int i = 0; i < controls().transcript->lineCount(); ++i)
        lines.append(controls().transcript->lineAt(i));
    return lines;
}

QStringList WindowTest::session() const {
    QStringList lines;
    for (const std::string& line : window->conversation().sessionLog().lines())
        lines.append(toQString(line));
    return lines;
}

QStringList WindowTest::fileLines(const std::string& relative) const {
    QStringList lines;
    for (const std::string& line : folder.readLines(relative))
        lines.append(QString::fromStdString(line));
    return lines;
}

} // namespace besedka::test
