// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/history_window.h"

#include "platform/qt/error_report.h"
#include "platform/qt/look.h"

#include <QHBoxLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace besedka {

namespace {

constexpr QSize kStartSize(640, 420);
constexpr int kDayListWidth = 110;
const QColor kTimeColor(96, 96, 96);

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The person, the program and the other copy each in a colour of their own, in bold.
QColor speakerColor(const std::string& speaker) {
    if (speaker == speakerName(Speaker::Person))
        return QColor(0, 0, 128);
    if (speaker == speakerName(Speaker::OtherCopy))
        return QColor(0, 100, 0);
    return QColor(128, 0, 0);
}

QTextCharFormat plainFormat(const QColor& color) {
    QTextCharFormat format;
    format.setForeground(color);
    format.setFontWeight(QFont::Normal);
    return format;
}

void insertLine(QTextCursor& cursor, const FoundLine& found, bool withDay) {
    const HistoryLine& line = found.line;
    if (!line.time.empty()) {
        const std::string when = withDay ? found.day + ' ' + line.time : line.time;
        cursor.insertText(fromUtf8(when) + u' ', plainFormat(kTimeColor));
        QTextCharFormat speaker = plainFormat(speakerColor(line.speaker));
        speaker.setFontWeight(QFont::Bold);
        cursor.insertText(fromUtf8(line.speaker) + u':', speaker);
        cursor.insertText(QStringLiteral(" "), plainFormat(Qt::black));
    } else if (withDay) {
        cursor.insertText(fromUtf8(found.day) + u' ', plainFormat(kTimeColor));
    }
    cursor.insertText(fromUtf8(line.text), plainFormat(Qt::black));
}

} // namespace

HistoryWindow::HistoryWindow(const QFont& font, const WorkingFolder& folder)
    : folder_(historyFolder(folder)) {
    setWindowTitle(QStringLiteral("История бесед"));
    setFont(font);
    paintBackground(this, QPalette::Window, kSilver);
    resize(kStartSize);
    buildControls();
    connectHandlers();
}

void HistoryWindow::buildControls() {
    searchField = new QLineEdit(this);
    searchField->setPlaceholderText(QStringLiteral("Слово, которое найти во всех днях"));
    searchField->setClearButtonEnabled(true);
    searchButton = new QPushButton(QStringLiteral("Найти"), this);
    dayList = new QListWidget(this);
    dayList->setFixedWidth(kDayListWidth);
    conversationView = new QTextEdit(this);
    conversationView->setReadOnly(true);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchField);
    searchRow->addWidget(searchButton);
    auto* readingRow = new QHBoxLayout;
    readingRow->addWidget(dayList);
    readingRow->addWidget(conversationView);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addLayout(readingRow);
}

void HistoryWindow::connectHandlers() {
    connect(dayList, &QListWidget::currentRowChanged, this, guarded([this] { showChosenDay(); }));
    connect(dayList, &QListWidget::itemClicked, this, guarded([this] { showChosenDay(); }));
    connect(searchField, &QLineEdit::returnPressed, this, guarded([this] { search(); }));
    connect(searchButton, &QPushButton::clicked, this, guarded([this] { search(); }));
}

void HistoryWindow::open() {
    const QSignalBlocker quiet(dayList);
    dayList->clear();
    for (const std::string& day : historyDays(folder_))
        dayList->addItem(fromUtf8(day));
    dayList->setCurrentRow(0);
    showChosenDay();
    show();
    raise();
    activateWindow();
}

void HistoryWindow::showChosenDay() {
    const QListWidgetItem* chosen = dayList->currentItem();
    if (chosen == nullptr) {
        showNote(QStringLiteral("История бесед пока пуста."));
        return;
    }
    const std::string day = chosen->text().toStdString();
    const auto lines = readHistoryDay(folder_, day);
    if (!lines) {
        showNote(QStringLiteral("Этот день прочитать не удалось."));
        return;
    }
    std::vector<FoundLine> dayLines;
    for (const HistoryLine& line : *lines)
        dayLines.push_back({day, line});
    showLines(dayLines, false);
}

void HistoryWindow::search() {
    const QString word = searchField->text().trimmed();
    if (word.isEmpty()) {
        showChosenDay();
        return;
    }
    const std::filesystem::path& folder = folder_;
    const std::vector<FoundLine> found =
        findInHistory(folder, historyDays(folder), word.toStdString());
    if (found.empty()) {
        showNote(QStringLiteral("«%1» не найдено.").arg(word));
        return;
    }
    showLines(found, true);
}

void HistoryWindow::showLines(const std::vector<FoundLine>& lines, bool withDays) {
    conversationView->clear();
    QTextCursor cursor(conversationView->document());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        insertLine(cursor, lines[i], withDays);
    }
    conversationView->moveCursor(withDays ? QTextCursor::Start : QTextCursor::End);
}

void HistoryWindow::showNote(const QString& note) {
    conversationView->setPlainText(note);
}

} // namespace besedka
