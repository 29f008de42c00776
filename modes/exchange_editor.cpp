// SPDX-License-Identifier: GPL-3.0-or-later
#include "modes/exchange_editor.h"

#include "platform/qt/error_report.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <algorithm>

namespace besedka {

namespace {

constexpr QSize kClientSize(305, 185);
constexpr int kMillisecondsPerSecond = 1000;
constexpr int kDefaultPeriodMs = 1000;

QString defaultExchangePath() {
    return QStringLiteral("D:\\Txt.Dat");
}

void paintEditBackground(QWidget* edit) {
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::HighlightedText));
    edit->setPalette(palette);
}

} // namespace

int NumberSpinBox::number() const {
    bool isNumber = false;
    const int value = cleanText().toInt(&isNumber);
    return isNumber ? std::clamp(value, minimum(), maximum()) : minimum();
}

ExchangeEditor::ExchangeEditor(ControlStates& controlStates, QAction* resetSettingsAction,
                               const QFont& font)
    : controlStates_(controlStates),
      resetSettingsAction_(resetSettingsAction), settings_{defaultExchangePath()} {
    setWindowTitle(QStringLiteral("Редактор"));
    // A dialog frame without a close box: only "Хорошо" and "Отмена" leave it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(font);
    setFixedSize(kClientSize);
    // The frame line runs through the caption, so the controls placed below it stay clear of it.
    // A style sheet stops the font passing to the children, so it names the font itself.
    setStyleSheet(QStringLiteral("* { font-family: '%1'; font-size: %2pt; }"
                                 "QGroupBox { border: 1px solid palette(mid); margin-top: 6px; }"
                                 "QGroupBox::title { subcontrol-origin: margin; left: 7px; "
                                 "padding: 0 1px; }")
                      .arg(font.family())
                      .arg(font.pointSize()));
    buildControls();
    connectHandlers();
}

void ExchangeEditor::buildControls() {
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(0, 1, 305, 184);

    auto* pathGroup = new QGroupBox(QStringLiteral("Путь файла для внешнего ввода-вывода:"), this);
    pathGroup->setGeometry(8, 8, 289, 57);
    pathEdit_ = new QLineEdit(settings_.path, pathGroup);
    pathEdit_->setGeometry(8, 24, 273, 21);
    pathEdit_->setObjectName(QStringLiteral("pathEdit"));
    paintEditBackground(pathEdit_);

    auto* readingGroup = new QGroupBox(QStringLiteral("Считывание фразы из файла:"), this);
    readingGroup->setGeometry(8, 72, 289, 73);
    readOnEnterButton_ =
        new QRadioButton(QStringLiteral("По нажатию клавиши [ENTER]"), readingGroup);
    readOnEnterButton_->setGeometry(16, 16, 177, 17);
    readOnEnterButton_->setObjectName(QStringLiteral("readOnEnterButton"));
    readOnEnterButton_->setChecked(true);
    readByTimerButton_ = new QRadioButton(QStringLiteral("По таймеру  каждые:"), readingGroup);
    readByTimerButton_->setObjectName(QStringLiteral("readByTimerButton"));
    readByTimerButton_->setGeometry(16, 37, 129, 17);
    periodBox_ = new NumberSpinBox(readingGroup);
    periodBox_->setObjectName(QStringLiteral("periodBox"));
    periodBox_->setGeometry(145, 34, 44, 22);
    periodBox_->setRange(1, kLongestExchangePeriodMs);
    periodBox_->setValue(1);
    periodBox_->setEnabled(false);
    periodBox_->setAccessibleName(QStringLiteral("сек."));
    paintEditBackground(periodBox_);
    auto* secondsLabel = new QLabel(QStringLiteral("сек."), readingGroup);
    secondsLabel->setGeometry(193, 37, 21, 13);

    okButton_ = new QPushButton(QStringLiteral("Хорошо"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setGeometry(77, 152, 75, 25);
    cancelButton_ = new QPushButton(QStringLiteral("Отмена"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setGeometry(154, 152, 75, 25);
}

void ExchangeEditor::connectHandlers() {
    connect(okButton_, &QPushButton::clicked, this, guarded([this] { confirm(); }));
    connect(cancelButton_, &QPushButton::clicked, this, guarded([this] { cancel(); }));
    connect(readOnEnterButton_, &QRadioButton::clicked, this, guarded([this] { disablePeriod(); }));
    connect(readByTimerButton_, &QRadioButton::clicked, this, guarded([this] { enablePeriod(); }));
}

void ExchangeEditor::putInForce(const ExchangeSettings& settings) {
    if (settings.path != settings_.path || settings.periodMs != settings_.periodMs)
        resetSettingsAction_->setChecked(false);
    settings_ = settings;
}

void ExchangeEditor::restoreDefaults() {
    putInForce({defaultExchangePath(), settings_.readByTimer, kDefaultPeriodMs});
}

void ExchangeEditor::open() {
    showSettingsInForce();
    show();
    setEnabled(true);
}

// The period in whole seconds, as the user enters it; one under a second shows as the least.
void ExchangeEditor::showSettingsInForce() {
    pathEdit_->setText(settings_.path);
    readOnEnterButton_->setChecked(!settings_.readByTimer);
    readByTimerButton_->setChecked(settings_.readByTimer);
    periodBox_->setEnabled(settings_.readByTimer);
    periodBox_->setValue(settings_.periodMs / kMillisecondsPerSecond);
}

// The user enters seconds; the poll counts milliseconds, at most the spin box's longest.
ExchangeSettings ExchangeEditor::settingsInFields() const {
    return {pathEdit_->text(), readByTimerButton_->isChecked(),
            std::min(periodBox_->number() * kMillisecondsPerSecond, kLongestExchangePeriodMs)};
}

void ExchangeEditor::closeEvent(QCloseEvent* event) {
    event->ignore();
    runGuarded([this] { cancel(); });
}

void ExchangeEditor::confirm() {
    putInForce(settingsInFields());
    closeEditor();
    emit confirmed();
}

void ExchangeEditor::cancel() {
    closeEditor();
}

void ExchangeEditor::closeEditor() {
    controlStates_.releaseMainWindow();
    hide();
}

void ExchangeEditor::disablePeriod() {
    periodBox_->setEnabled(false);
}

void ExchangeEditor::enablePeriod() {
    periodBox_->setEnabled(true);
}

} // namespace besedka
