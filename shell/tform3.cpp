#include "shell/tform3.h"

#include "platform/core/line_list.h"
#include "platform/qt/engine_text.h"
#include "platform/qt/error_report.h"
#include "platform/qt/picture.h"
#include "shell/look.h"
#include "shell/tform1.h"

#include <QCloseEvent>
#include <QScreen>
#include <QStringList>

namespace besedka {

namespace {

constexpr int kClientWidth = 377;
// Title bar and frame of a dialog on the desktop the layout was made for.
constexpr int kFrameHeight = 26;
constexpr int kCreatedClientHeight = 152;
// One press adds a pixel; the height reached tells which way the panel folds.
constexpr int kUnfoldFrom = TForm3::kFoldedHeight + 1;
constexpr int kFoldFrom = TForm3::kUnfoldedHeight + 1;

constexpr const char* kPicture = "Images\\Inform.bmp";
constexpr const char* kHistory = "ReadMe.Txt";

QFrame* panel(QWidget* parent, const QRect& geometry) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setGeometry(geometry);
    return frame;
}

QFont versionFont() {
    QFont font(QStringLiteral("Arial Black"));
    font.setPixelSize(29);
    font.setBold(true);
    font.setUnderline(true);
    return font;
}

QFont historyFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(11);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QString historyText() {
    LineList history;
    history.load(kHistory);
    QStringList lines;
    for (const std::string& line : history.lines())
        lines.append(toQString(line));
    return lines.join(u'\n');
}

} // namespace

TForm3::TForm3(TForm1& main) : main_(main) {
    setWindowTitle(QStringLiteral("О программе"));
    // A dialog frame without a close box or system menu: only "Закрыть" leaves it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(main.font());
    paintBackground(this, QPalette::Window, kSilver);
    setFixedSize(kClientWidth, kCreatedClientHeight);
    buildControls();
    connectHandlers();
    runGuarded([this] { FormCreate(); });
}

void TForm3::buildControls() {
    Panel1 = panel(this, {0, 0, 377, 153});
    Bevel1 = new QFrame(Panel1);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(4, 4, 185, 147);
    Inform = new QLabel(Panel1);
    Inform->setGeometry(7, 7, 179, 141);
    Inform->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1 = new QLabel(QStringLiteral("ВЕРСИЯ: 2.4.0."), Panel1);
    Label1->setGeometry(192, 6, 182, 82);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setFont(versionFont());
    paintEnabledText(Label1, QPalette::WindowText, Qt::white);

    Button1 = new QPushButton(QStringLiteral("История"), Panel1);
    Button1->setGeometry(190, 94, 185, 25);
    Button2 = new QPushButton(QStringLiteral("Закрыть"), Panel1);
    Button2->setGeometry(190, 122, 185, 25);

    Panel2 = panel(this, {0, 153, 376, 148});
    Memo1 = new QPlainTextEdit(Panel2);
    Memo1->setGeometry(3, 4, 370, 140);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(historyFont());
    paintBackground(Memo1, QPalette::Base, kSilver);
}

void TForm3::connectHandlers() {
    connect(Button1, &QPushButton::clicked, this, guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, guarded([this] { Button2Click(); }));
}

void TForm3::FormCreate() {
    Inform->setPixmap(loadPicture(kPicture));
}

void TForm3::Button1Click() {
    // Read at every press, folding too, so that a changed file shows at the next press.
    Memo1->setPlainText(historyText());
    int height = outerHeight() + 1;
    if (height == kUnfoldFrom)
        height = kUnfoldedHeight;
    if (height == kFoldFrom)
        height = kFoldedHeight;
    setOuterHeight(height);
}

void TForm3::Button2Click() {
    main_.T1.setEnabled(true);
    main_.setEnabled(true);
    hide();
}

int TForm3::outerHeight() const {
    return height() + kFrameHeight;
}

void TForm3::setOuterHeight(int height) {
    setFixedSize(kClientWidth, height - kFrameHeight);
}

void TForm3::centreOnDesktop() {
    const QRect desktop = screen()->geometry();
    move(desktop.x() + (desktop.width() - width()) / 2,
         desktop.y() + (desktop.height() - outerHeight()) / 2);
}

void TForm3::closeEvent(QCloseEvent* event) {
    event->ignore();
    runGuarded([this] { Button2Click(); });
}

void TForm1::N12Click() {
    T1.setEnabled(false);
    Form3->setOuterHeight(TForm3::kFoldedHeight);
    setEnabled(false);
    Form3->centreOnDesktop();
    Form3->show();
    Form3->setEnabled(true);
}

} // namespace besedka
