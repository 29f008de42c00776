// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/about_window.h"

#include "platform/core/line_list.h"
#include "platform/qt/engine_text.h"
#include "platform/qt/error_report.h"
#include "platform/qt/look.h"
#include "platform/qt/picture.h"

#include <QCloseEvent>
#include <QStringList>

namespace besedka {

namespace {

constexpr int kClientWidth = 377;
// Title bar and frame of a dialog on the desktop the layout was made for.
constexpr int kFrameHeight = 26;
constexpr int kCreatedClientHeight = 152;
// One press adds a pixel; the height reached tells which way the panel folds.
constexpr int kUnfoldFrom = AboutWindow::kFoldedHeight + 1;
constexpr int kFoldFrom = AboutWindow::kUnfoldedHeight + 1;

constexpr const char* kPicture = "Images\\Inform.bmp";
constexpr const char* kHistory = "ReadMe.Txt";

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

QString historyText(const WorkingFolder& folder) {
    LineList history;
    history.load(kHistory, folder);
    QStringList lines;
    for (const std::string& line : history.lines())
        lines.append(toQString(line));
    return lines.join(u'\n');
}

} // namespace

AboutWindow::AboutWindow(ControlStates& controlStates, const QFont& font,
                         const WorkingFolder& folder)
    : controlStates_(controlStates), folder_(folder) {
    setWindowTitle(QStringLiteral("О программе"));
    // A dialog frame without a close box or system menu: only "Закрыть" leaves it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(font);
    paintBackground(this, QPalette::Window, kSilver);
    setFixedSize(kClientWidth, kCreatedClientHeight);
    buildControls();
    connectHandlers();
    runGuarded([this] { picture->setPixmap(loadPicture(kPicture, folder_)); });
}

void AboutWindow::buildControls() {
    upperPanel = raisedPanel(this, {0, 0, 377, 153});
    pictureFrame = new QFrame(upperPanel);
    pictureFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    pictureFrame->setGeometry(4, 4, 185, 147);
    picture = new QLabel(upperPanel);
    picture->setGeometry(7, 7, 179, 141);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    versionLabel = new QLabel(QStringLiteral("ВЕРСИЯ: 2.4.0."), upperPanel);
    versionLabel->setGeometry(192, 6, 182, 82);
    versionLabel->setAlignment(Qt::AlignCenter);
    versionLabel->setWordWrap(true);
    versionLabel->setFont(versionFont());
    paintEnabledText(versionLabel, QPalette::WindowText, Qt::white);

    historyButton = new QPushButton(QStringLiteral("История"), upperPanel);
    historyButton->setGeometry(190, 94, 185, 25);
    closeButton = new QPushButton(QStringLiteral("Закрыть"), upperPanel);
    closeButton->setGeometry(190, 122, 185, 25);

    lowerPanel = raisedPanel(this, {0, 153, 376, 148});
    historyView = new QPlainTextEdit(lowerPanel);
    historyView->setGeometry(3, 4, 370, 140);
    historyView->setReadOnly(true);
    historyView->setLineWrapMode(QPlainTextEdit::NoWrap);
    historyView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    historyView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    historyView->setFont(historyFont());
    paintBackground(historyView, QPalette::Base, kSilver);
}

void AboutWindow::connectHandlers() {
    connect(historyButton, &QPushButton::clicked, this, guarded([this] { toggleHistory(); }));
    connect(closeButton, &QPushButton::clicked, this, guarded([this] { dismiss(); }));
}

void AboutWindow::open() {
    controlStates_.holdMainWindow();
    setOuterHeight(kFoldedHeight);
    centreOnDesktop(this, {width(), outerHeight()});
    show();
    setEnabled(true);
}

void AboutWindow::toggleHistory() {
    // Read at every press, folding too, so that a changed file shows at the next press.
    historyView->setPlainText(historyText(folder_));
    int height = outerHeight() + 1;
    if (height == kUnfoldFrom)
        height = kUnfoldedHeight;
    if (height == kFoldFrom)
        height = kFoldedHeight;
    setOuterHeight(height);
}

void AboutWindow::dismiss() {
    controlStates_.releaseMainWindow();
    hide();
}

int AboutWindow::outerHeight() const {
    return height() + kFrameHeight;
}

void AboutWindow::setOuterHeight(int height) {
    setFixedSize(kClientWidth, height - kFrameHeight);
}

void AboutWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    runGuarded([this] { dismiss(); });
}

} // namespace besedka
