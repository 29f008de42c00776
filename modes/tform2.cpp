#include "modes/tform2.h"

#include "platform/qt/error_report.h"
#include "shell/tform1.h"

#include <QCloseEvent>
#include <QPalette>

namespace besedka {

namespace {

constexpr QSize kClientSize(305, 185);
constexpr int kLongestPeriod = 36000;
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

int SpinEdit::number() const {
    bool isNumber = false;
    const int value = cleanText().toInt(&isNumber);
    return isNumber ? std::clamp(value, minimum(), maximum()) : minimum();
}

TForm2::TForm2(TForm1& main) : main_(main) {
    setWindowTitle(QStringLiteral("Редактор"));
    // A dialog frame without a close box: only "Хорошо" and "Отмена" leave it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(main.font());
    setFixedSize(kClientSize);
    // The frame line runs through the caption, so the controls placed below it stay clear of it.
    // A style sheet stops the font passing to the children, so it names the font itself.
    setStyleSheet(QStringLiteral("* { font-family: '%1'; font-size: %2pt; }"
                                 "QGroupBox { border: 1px solid palette(mid); margin-top: 6px; }"
                                 "QGroupBox::title { subcontrol-origin: margin; left: 7px; "
                                 "padding: 0 1px; }")
                      .arg(main.font().family())
                      .arg(main.font().pointSize()));
    buildControls();
    connectHandlers();
}

void TForm2::buildControls() {
    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(0, 1, 305, 184);

    GroupBox1 = new QGroupBox(QStringLiteral("Путь файла для внешнего ввода-вывода:"), this);
    GroupBox1->setGeometry(8, 8, 289, 57);
    Edit1 = new QLineEdit(defaultExchangePath(), GroupBox1);
    Edit1->setGeometry(8, 24, 273, 21);
    paintEditBackground(Edit1);

    GroupBox2 = new QGroupBox(QStringLiteral("Считывание фразы из файла:"), this);
    GroupBox2->setGeometry(8, 72, 289, 73);
    RB1 = new QRadioButton(QStringLiteral("По нажатию клавиши [ENTER]"), GroupBox2);
    RB1->setGeometry(16, 16, 177, 17);
    RB1->setChecked(true);
    RB2 = new QRadioButton(QStringLiteral("По таймеру  каждые:"), GroupBox2);
    RB2->setGeometry(16, 37, 129, 17);
    SpinEdit1 = new SpinEdit(GroupBox2);
    SpinEdit1->setGeometry(145, 34, 44, 22);
    SpinEdit1->setRange(1, kLongestPeriod);
    SpinEdit1->setValue(1);
    SpinEdit1->setEnabled(false);
    SpinEdit1->setAccessibleName(QStringLiteral("сек."));
    paintEditBackground(SpinEdit1);
    Label1 = new QLabel(QStringLiteral("сек."), GroupBox2);
    Label1->setGeometry(193, 37, 21, 13);

    Button1 = new QPushButton(QStringLiteral("Хорошо"), this);
    Button1->setGeometry(77, 152, 75, 25);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setGeometry(154, 152, 75, 25);
}

void TForm2::connectHandlers() {
    connect(Button1, &QPushButton::clicked, this, guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, guarded([this] { Button2Click(); }));
    connect(RB1, &QRadioButton::clicked, this, guarded([this] { RB1Click(); }));
    connect(RB2, &QRadioButton::clicked, this, guarded([this] { RB2Click(); }));
    connect(Edit1, &QLineEdit::textChanged, this, guarded([this] { Edit1Change(); }));
    connect(SpinEdit1, &QSpinBox::valueChanged, this, guarded([this] { SpinEdit1Change(); }));
}

void TForm2::restoreDefaults() {
    Edit1->setText(defaultExchangePath());
    SpinEdit1->setValue(kDefaultPeriodMs);
}

void TForm2::closeEvent(QCloseEvent* event) {
    event->ignore();
    runGuarded([this] { Button2Click(); });
}

void TForm2::Button1Click() {
    // The user enters seconds; the poll counts milliseconds. The spin box clamps the product.
    SpinEdit1->setValue(SpinEdit1->number() * kMillisecondsPerSecond);
    closeEditor();
}

void TForm2::Button2Click() {
    closeEditor();
}

void TForm2::closeEditor() {
    main_.T1.setEnabled(true);
    main_.setEnabled(true);
    hide();
}

void TForm2::RB1Click() {
    SpinEdit1->setEnabled(false);
}

void TForm2::RB2Click() {
    SpinEdit1->setEnabled(true);
}

void TForm2::Edit1Change() {
    main_.N13->setChecked(false);
}

void TForm2::SpinEdit1Change() {
    main_.N13->setChecked(false);
}

} // namespace besedka
