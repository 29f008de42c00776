// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_aids/on_screen_keyboard.h"

#include "platform/core/cp1251.h"
#include "platform/qt/engine_text.h"
#include "platform/qt/error_report.h"
#include "platform/qt/look.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPalette>
#include <string_view>

namespace besedka {

namespace {

constexpr QSize kClientSize(353, 145);

constexpr QSize kSignKey(16, 17);
constexpr QSize kLetterKey(17, 17);
constexpr int kFirstRowTop = 16;
constexpr int kSecondRowTop = 33;

constexpr std::string_view kSignsFirstRow = "#$%&*+=\\|/[]{}~`";
constexpr std::string_view kSignsSecondRow = ",.!?()-:\"<>";
// The upper-case letters in Windows-1251, row by row.
constexpr std::string_view kLettersFirstRow = "\xC0\xC1\xC2\xC3\xC4\xC5\xA8\xC6\xC7\xC8\xC9\xCA\xCB"
                                              "\xCC\xCD\xCE\xCF"; // А .. П with Ё
constexpr std::string_view kLettersSecondRow = "\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9\xDA\xDB"
                                               "\xDC\xDD\xDE\xDF"; // Р .. Я

QString characterText(char character) {
    return toQString(std::string_view(&character, 1));
}

// A lone "&" would mark an access letter; doubled it is shown as itself.
QString signCaption(char sign) {
    return sign == '&' ? QStringLiteral("&&") : characterText(sign);
}

QString capsLockCaption(bool on) {
    return on ? QStringLiteral("Caps Lock [нажат]") : QStringLiteral("Caps Lock [не нажат]");
}

QGroupBox* keyGroup(QWidget* parent, const QString& title, const QRect& geometry) {
    auto* group = new QGroupBox(title, parent);
    group->setGeometry(geometry);
    QPalette palette = group->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    group->setPalette(palette);
    return group;
}

} // namespace

OnScreenKeyboard::OnScreenKeyboard(QLineEdit* inputLine, Conversation& conversation,
                                   SpeedWord& speedWord, ControlStates& controlStates,
                                   const QFont& font)
    : inputLine_(inputLine), conversation_(conversation), speedWord_(speedWord),
      controlStates_(controlStates), keyStateTimer_(1, false) {
    setWindowTitle(QStringLiteral("Виртуальная клавиатура"));
    // Neither a close box nor a system menu: only its own menu hides it. Kept on top, so that a
    // click on the disabled main window does not bury the only window the user can work in.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    setFont(font);
    buildKeys();
    buildMenu();
    setFixedSize(kClientSize + QSize(0, menuBar()->sizeHint().height()));
    centreOnDesktop(this);
    connectHandlers();
}

QPushButton* OnScreenKeyboard::addKey(QWidget* parent, const QString& caption,
                                      const QRect& geometry) {
    auto* key = new QPushButton(caption, parent);
    key->setFlat(true);
    // The keyboard types into the main window's line; the focus has no business here.
    key->setFocusPolicy(Qt::NoFocus);
    QPalette palette = key->palette();
    palette.setColor(QPalette::ButtonText, Qt::black);
    key->setPalette(palette);
    key->setGeometry(geometry);
    return key;
}

void OnScreenKeyboard::buildKeys() {
    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kSilver);
    client->setPalette(palette);
    setCentralWidget(client);

    signsGroup = keyGroup(client, QStringLiteral("Знаки:"), {3, 3, 305, 57});
    const auto addSignRow = [this](std::string_view row, int left, int top) {
        for (const char sign : row) {
            QPushButton* key = addKey(signsGroup, signCaption(sign), {QPoint(left, top), kSignKey});
            connect(key, &QPushButton::clicked, this, guarded([this, sign] { typeSign(sign); }));
            left += kSignKey.width();
        }
    };
    addSignRow(kSignsFirstRow, 25, kFirstRowTop);
    addSignRow(kSignsSecondRow, 65, kSecondRowTop);

    lettersGroup = keyGroup(client, QStringLiteral("Буквы:"), {3, 60, 305, 57});
    const auto addLetterRow = [this](std::string_view row, int left, int top) {
        for (const char letter : row) {
            QPushButton* key =
                addKey(lettersGroup, characterText(letter), {QPoint(left, top), kLetterKey});
            connect(key, &QPushButton::clicked, this,
                    guarded([this, letter] { typeLetter(letter); }));
            left += kLetterKey.width();
        }
    };
    addLetterRow(kLettersFirstRow, 8, kFirstRowTop);
    addLetterRow(kLettersSecondRow, 16, kSecondRowTop);

    backspaceKey = addKey(client, QStringLiteral("Bcksp"), {310, 9, 41, 50});
    enterKey = addKey(client, QStringLiteral("[Enter]"), {310, 65, 41, 51});
    spaceKey = addKey(client, QStringLiteral("Пробел"), {26, 119, 134, 22});
    capsLockKey = addKey(client, capsLockCaption(capsLockOn_), {161, 119, 123, 22});
}

void OnScreenKeyboard::buildMenu() {
    systemMenu = menuBar()->addMenu(QStringLiteral("&Система"));
    hideAction = systemMenu->addAction(QStringLiteral("С&крыть виртуальную клавиатуру"));
    // As in the main window: the menu shows the line, the window keeps the key.
    systemMenu->addSeparator();
    completeWordAction = new QAction(this);
    completeWordAction->setShortcut(QKeySequence(Qt::Key_F5));
    addAction(completeWordAction);
}

void OnScreenKeyboard::connectHandlers() {
    keyStateTimer_.setHandler([this] { updateKeys(); });
    connect(spaceKey, &QPushButton::clicked, this, guarded([this] { typeSign(' '); }));
    connect(backspaceKey, &QPushButton::clicked, this, guarded([this] { deleteLastCharacter(); }));
    connect(capsLockKey, &QPushButton::clicked, this, guarded([this] { toggleCapsLock(); }));
    connect(enterKey, &QPushButton::clicked, this, guarded([this] { sayLine(); }));
    connect(hideAction, &QAction::triggered, this, guarded([this] { dismiss(); }));
    connect(completeWordAction, &QAction::triggered, this, guarded([this] { completeWord(); }));
}

void OnScreenKeyboard::open() {
    controlStates_.holdMainWindow();
    show();
    activateWindow();
    setEnabled(true);
    keyStateTimer_.setEnabled(true);
}

void OnScreenKeyboard::appendToInput(char character) {
    const QString text = inputLine_->text();
    // Typing stops at the line's limit; so do the keys.
    if (text.size() >= inputLine_->maxLength())
        return;
    inputLine_->setText(text + characterText(character));
}

void OnScreenKeyboard::typeSign(char sign) {
    appendToInput(sign);
}

void OnScreenKeyboard::typeLetter(char upperCaseLetter) {
    appendToInput(capsLockOn_ ? upperCaseLetter : cp1251::lower(upperCaseLetter));
}

void OnScreenKeyboard::deleteLastCharacter() {
    QString text = inputLine_->text();
    text.chop(1);
    inputLine_->setText(text);
}

void OnScreenKeyboard::toggleCapsLock() {
    capsLockOn_ = !capsLockOn_;
    capsLockKey->setText(capsLockCaption(capsLockOn_));
}

void OnScreenKeyboard::sayLine() {
    // Not a click on the main window's button: the disabled window would refuse it.
    conversation_.say();
}

void OnScreenKeyboard::dismiss() {
    keyStateTimer_.setEnabled(false);
    controlStates_.releaseMainWindow();
    hide();
}

void OnScreenKeyboard::completeWord() {
    speedWord_.completeWord();
}

void OnScreenKeyboard::updateKeys() {
    const bool hasText = !inputLine_->text().isEmpty();
    backspaceKey->setEnabled(hasText);
    enterKey->setEnabled(hasText);
    // The main window's state update is stopped meanwhile, so the keyboard keeps F5 right.
    completeWordAction->setEnabled(speedWord_.updateCompleteWordAction());
}

void OnScreenKeyboard::closeEvent(QCloseEvent* event) {
    // Only the window manager closes it, as there is no close box; leaving the main window
    // disabled then would lock the program.
    dismiss();
    QMainWindow::closeEvent(event);
}

} // namespace besedka
