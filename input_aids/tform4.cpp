#include "input_aids/tform4.h"

#include "platform/core/cp1251.h"
#include "platform/qt/engine_text.h"
#include "platform/qt/error_report.h"
#include "shell/look.h"
#include "shell/tform1.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <string>
#include <string_view>

namespace besedka {

namespace {

constexpr QSize kClientSize(353, 145);

constexpr QSize kSignKey(16, 17);
constexpr QSize kLetterKey(17, 17);
constexpr int kFirstRowTop = 16;
constexpr int kSecondRowTop = 33;

struct SignKey {
    const char* name;
    char sign;
};

constexpr SignKey kSignsFirstRow[] = {{"SB4", '#'},  {"SB5", '$'},  {"SB6", '%'},  {"SB7", '&'},
                                      {"Sd8", '*'},  {"SB13", '+'}, {"SB14", '='}, {"SB15", '\\'},
                                      {"SB16", '|'}, {"SB17", '/'}, {"SB18", '['}, {"SB19", ']'},
                                      {"SB20", '{'}, {"SB21", '}'}, {"SB64", '~'}, {"SB65", '`'}};
constexpr SignKey kSignsSecondRow[] = {{"SB28", ','}, {"SB27", '.'}, {"SB2", '!'},  {"SB22", '?'},
                                       {"SB9", '('},  {"SB10", ')'}, {"SB11", '-'}, {"SB12", ':'},
                                       {"SB24", '"'}, {"SB25", '<'}, {"SB26", '>'}};

// The upper-case letters in Windows-1251, row by row, and the number of the first key of each.
constexpr std::string_view kLettersFirstRow = "\xC0\xC1\xC2\xC3\xC4\xC5\xA8\xC6\xC7\xC8\xC9\xCA\xCB"
                                              "\xCC\xCD\xCE\xCF"; // А .. П with Ё
constexpr std::string_view kLettersSecondRow = "\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9\xDA\xDB"
                                               "\xDC\xDD\xDE\xDF"; // Р .. Я
constexpr int kFirstLetterKey = 29;

QString characterText(char character) {
    return toQString(std::string_view(&character, 1));
}

// A lone "&" would mark an access letter; doubled it is shown as itself.
QString signCaption(char sign) {
    return sign == '&' ? QStringLiteral("&&") : characterText(sign);
}

QString capsLockCaption(int state) {
    return state == 0 ? QStringLiteral("Caps Lock [не нажат]")
                      : QStringLiteral("Caps Lock [нажат]");
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

TForm4::TForm4(TForm1& main) : T1(1, false), main_(main) {
    setWindowTitle(QStringLiteral("Виртуальная клавиатура"));
    // Neither a close box nor a system menu: only its own menu hides it. Kept on top, so that a
    // click on the disabled main window does not bury the only window the user can work in.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    setFont(main.font());
    buildKeys();
    buildMenu();
    setFixedSize(kClientSize + QSize(0, menuBar()->sizeHint().height()));
    const QRect desktop = screen()->geometry();
    move(desktop.center() - rect().center());
    connectHandlers();
}

QPushButton* TForm4::addKey(QWidget* parent, const char* name, const QString& caption,
                            const QRect& geometry) {
    auto* key = new QPushButton(caption, parent);
    key->setObjectName(QString::fromLatin1(name));
    key->setFlat(true);
    // The keyboard types into the main window's line; the focus has no business here.
    key->setFocusPolicy(Qt::NoFocus);
    QPalette palette = key->palette();
    palette.setColor(QPalette::ButtonText, Qt::black);
    key->setPalette(palette);
    key->setGeometry(geometry);
    return key;
}

void TForm4::buildKeys() {
    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kSilver);
    client->setPalette(palette);
    setCentralWidget(client);

    GroupBox1 = keyGroup(client, QStringLiteral("Знаки:"), {3, 3, 305, 57});
    const auto addSignRow = [this](const auto& row, int left, int top) {
        for (const SignKey& key : row) {
            QPushButton* button =
                addKey(GroupBox1, key.name, signCaption(key.sign), {QPoint(left, top), kSignKey});
            connect(button, &QPushButton::clicked, this,
                    guarded([this, sign = key.sign] { SignKeyClick(sign); }));
            left += kSignKey.width();
        }
    };
    addSignRow(kSignsFirstRow, 25, kFirstRowTop);
    addSignRow(kSignsSecondRow, 65, kSecondRowTop);

    GroupBox2 = keyGroup(client, QStringLiteral("Буквы:"), {3, 60, 305, 57});
    int number = kFirstLetterKey;
    const auto addLetterRow = [this, &number](std::string_view row, int left, int top) {
        for (const char letter : row) {
            const std::string name = "SB" + std::to_string(number++);
            QPushButton* button = addKey(GroupBox2, name.c_str(), characterText(letter),
                                         {QPoint(left, top), kLetterKey});
            connect(button, &QPushButton::clicked, this,
                    guarded([this, letter] { LetterKeyClick(letter); }));
            left += kLetterKey.width();
        }
    };
    addLetterRow(kLettersFirstRow, 8, kFirstRowTop);
    addLetterRow(kLettersSecondRow, 16, kSecondRowTop);

    SB62 = addKey(client, "SB62", QStringLiteral("Bcksp"), {310, 9, 41, 50});
    SB66 = addKey(client, "SB66", QStringLiteral("[Enter]"), {310, 65, 41, 51});
    SB23 = addKey(client, "SB23", QStringLiteral("Пробел"), {26, 119, 134, 22});
    SB63 = addKey(client, "SB63", capsLockCaption(CapsLockState), {161, 119, 123, 22});
}

void TForm4::buildMenu() {
    N1 = menuBar()->addMenu(QStringLiteral("&Система"));
    N2 = N1->addAction(QStringLiteral("С&крыть виртуальную клавиатуру"));
    // As in the main window: the menu shows the line, the window keeps the key.
    N1->addSeparator();
    N3 = new QAction(this);
    N3->setShortcut(QKeySequence(Qt::Key_F5));
    addAction(N3);
}

void TForm4::connectHandlers() {
    T1.setHandler([this] { T1Timer(); });
    connect(SB23, &QPushButton::clicked, this, guarded([this] { SignKeyClick(' '); }));
    connect(SB62, &QPushButton::clicked, this, guarded([this] { SB62Click(); }));
    connect(SB63, &QPushButton::clicked, this, guarded([this] { SB63Click(); }));
    connect(SB66, &QPushButton::clicked, this, guarded([this] { SB66Click(); }));
    connect(N2, &QAction::triggered, this, guarded([this] { N2Click(); }));
    connect(N3, &QAction::triggered, this, guarded([this] { N3Click(); }));
}

void TForm4::appendToInput(char character) {
    const QString text = main_.Input->text();
    // Typing stops at the line's limit; so do the keys.
    if (text.size() >= main_.Input->maxLength())
        return;
    main_.Input->setText(text + characterText(character));
}

void TForm4::SignKeyClick(char sign) {
    appendToInput(sign);
}

void TForm4::LetterKeyClick(char upperCaseLetter) {
    appendToInput(CapsLockState == 1 ? upperCaseLetter : cp1251::lower(upperCaseLetter));
}

void TForm4::SB62Click() {
    QString text = main_.Input->text();
    text.chop(1);
    main_.Input->setText(text);
}

void TForm4::SB63Click() {
    CapsLockState = (CapsLockState + 1) % 2;
    SB63->setText(capsLockCaption(CapsLockState));
}

void TForm4::SB66Click() {
    // Not a click on the button: the disabled main window would refuse it.
    main_.SpeakClick();
}

void TForm4::N2Click() {
    T1.setEnabled(false);
    main_.T1.setEnabled(true);
    main_.setEnabled(true);
    hide();
}

void TForm4::N3Click() {
    main_.N23Click();
}

void TForm4::T1Timer() {
    const bool hasText = !main_.Input->text().isEmpty();
    SB62->setEnabled(hasText);
    SB66->setEnabled(hasText);
    // The main window's state update is stopped meanwhile, so the keyboard keeps F5 right.
    const bool offered = main_.showsSuggestion();
    main_.N23->setEnabled(offered);
    N3->setEnabled(offered);
}

void TForm4::closeEvent(QCloseEvent* event) {
    // Only the window manager closes it, as there is no close box; leaving the main window
    // disabled then would lock the program.
    N2Click();
    QMainWindow::closeEvent(event);
}

} // namespace besedka
