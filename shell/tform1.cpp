#include "shell/tform1.h"

#include "engine/base_files.h"
#include "engine/knowledge_stats.h"
#include "engine/session_log.h"
#include "input_aids/key_down_filter.h"
#include "input_aids/tform4.h"
#include "platform/core/clock.h"
#include "platform/core/cp1251.h"
#include "platform/qt/busy_cursor.h"
#include "platform/qt/engine_text.h"
#include "platform/qt/error_report.h"
#include "shell/look.h"
#include "shell/menu_keys_first.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

namespace besedka {

namespace {

const QColor kGrayText(128, 128, 128);
constexpr QSize kClientSize(587, 361);
// Small enough to look closed, large enough to remain a window on any desktop.
constexpr QSize kSmallestWindow(112, 27);
constexpr int kClosingTicks = 80;
constexpr int kClosingSoundFromTick = 10;

QString caption() {
    return QStringLiteral("Беседка v2.40");
}
QString loadingText() {
    return QStringLiteral("Идёт загрузка подождите...");
}
QString loadedText() {
    return QStringLiteral("Загрузка окончена");
}
QString cpuUserModeText() {
    return QStringLiteral("Режим Cpu\\User");
}

QFrame* tablessFrame(QWidget* parent, const QRect& geometry) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setGeometry(geometry);
    return frame;
}

QPushButton* flatButton(QWidget* parent, const QString& text, const QRect& geometry,
                        const QString& hint) {
    auto* button = new QPushButton(text, parent);
    button->setFlat(true);
    // The style's own disabled text vanishes on silver; the caption must stay readable.
    QPalette palette = button->palette();
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, kGrayText);
    button->setPalette(palette);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(geometry);
    button->setToolTip(hint);
    button->setEnabled(false);
    return button;
}

} // namespace

TForm1::TForm1(RandomSource& random)
    : MP1("Sound\\KeyBoard.wav"), MP2("Sound\\Button3.wav"), MP3("Sound\\Button2.wav"),
      MP4("Sound\\Button1.wav"), MP5("Sound\\CpuSound.wav"), MP6("Sound\\Close.wav"),
      ColorDialog1(Qt::black), ColorDialog2(Qt::black), ColorDialog3(Qt::black),
      FontDialog1(lineChooser()), FontDialog2(lineChooser()), FontDialog3(inputChooser()),
      T1(1, true), T2(1000, true), T3(1, true), T4(1, false), T5(1, true), T6(1, false),
      T7(1, true), T8(1000, true), T9(1000, false), T10(1, false), T11(1, true), random_(random),
      engine_({RE2, Log, LoadtxtCpuCpu, random, *this}) {
    setWindowTitle(caption());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(defaultFont().name, defaultFont().pointSize));
    buildControls();
    buildMenu();
    setFixedSize(kClientSize + QSize(0, menuBar()->sizeHint().height()));
    connectHandlers();
    runGuarded([this] { FormCreate(); });
}

void TForm1::buildControls() {
    auto* client = new QWidget(this);
    paintBackground(client, QPalette::Window, kSilver);
    client->setCursor(Qt::ForbiddenCursor);
    setCentralWidget(client);

    TabControl1 = tablessFrame(client, {0, 0, 588, 313});
    RE1 = new TranscriptView(TabControl1);
    RE1->setGeometry(3, 5, 581, 304);
    paintBackground(RE1, QPalette::Base, kSilver);
    RE1->viewport()->setCursor(Qt::ForbiddenCursor);
    RE1->setToolTip(QStringLiteral("Поле для отображения диалога"));

    TabControl2 = tablessFrame(client, {0, 312, 585, 30});
    TabControl2->setCursor(Qt::ForbiddenCursor);
    Input = new QLineEdit(TabControl2);
    Input->setGeometry(3, 5, 422, 21);
    Input->setMaxLength(255);
    Input->setFont(QFont(FontDialog3.font().name, FontDialog3.font().pointSize));
    paintBackground(Input, QPalette::Base, kSilver);
    Input->setCursor(Qt::IBeamCursor);
    Input->setToolTip(QStringLiteral("Поле для ввода фразы пользователя"));
    Input->installEventFilter(
        new MenuKeysFirst({QKeyCombination(Qt::ControlModifier, Qt::Key_Z)}, Input));
    RE1->setFocusPolicy(Qt::ClickFocus);
    RE1->setTypingTarget(Input);

    Cancel = flatButton(TabControl2, QStringLiteral("<"), {426, 5, 27, 22},
                        QStringLiteral("Отмена (Альтернатива клавиша: <Ctrl + Z>)"));
    EnRus = flatButton(TabControl2, QStringLiteral("E/R"), {453, 5, 43, 22},
                       QStringLiteral("Раскладка (Альтернатива клавиша: <Ctrl + S>)"));
    Speak = flatButton(TabControl2, QStringLiteral("Сказать"), {496, 5, 86, 22},
                       QStringLiteral("Кнопка отправки текста (Альтернативная клавиша: <ENTER>)"));

    // Outside the visible area: it exists to be the window's default button.
    Talk = new QPushButton(QStringLiteral("<ENTER> (Для кнопки сказать)"), client);
    Talk->setGeometry(-200, 107, 186, 17);
    Talk->setFocusPolicy(Qt::NoFocus);

    SB1 = new StatusBar(client);
    SB1->setGeometry(0, 342, 587, 19);
    SB1->setCursor(Qt::WhatsThisCursor);
    SB1->setToolTip(QStringLiteral("Индикатор"));
    SB1->setPanelText(2, cpuUserModeText());
}

void TForm1::buildMenu() {
    N1 = menuBar()->addMenu(QStringLiteral("&Система"));
    N2 = N1->addAction(QStringLiteral("&Новый диалог"));
    N23 = addSeparatorCommand(N1, QKeyCombination(Qt::Key_F5));
    N17 = N1->addMenu(QStringLiteral("&Подробнее о базе:"));
    N18 = N17->addAction(QStringLiteral("&Входящие выражения:"));
    N19 = N17->addAction(QStringLiteral("&Исходящие выражения:"));
    N20 = N17->addAction(QStringLiteral("&Итого:"));
    N3 = addSeparatorCommand(N1, QKeyCombination(Qt::ControlModifier, Qt::Key_Z));
    N4 = N1->addAction(QStringLiteral("В&ыход"));

    N5 = menuBar()->addMenu(QStringLiteral("&Настройки"));
    N6 = N5->addAction(QStringLiteral("&Цвет основного фона "));
    N21 = N5->addAction(QStringLiteral("Ц&вет фона поля вывода реплик"));
    N16 = N5->addAction(QStringLiteral("Цв&ет фона поля ввода реплик"));
    N9 = N5->addAction(QStringLiteral("Цве&т шрифтов кнопок на панели"));
    N7 = N5->addMenu(QStringLiteral("Цвет &реплик"));
    User1 = N7->addAction(QStringLiteral("&User"));
    Cpu1 = N7->addAction(QStringLiteral("&Cpu"));
    Mystring2 = N7->addAction(QStringLiteral("&My string"));
    N10 = N5->addMenu(QStringLiteral("&Параметры шрифта"));
    User2 = N10->addAction(QStringLiteral("&User"));
    Cpu2 = N10->addAction(QStringLiteral("&Cpu"));
    Mystring1 = N10->addAction(QStringLiteral("&My string"));
    N5->addSeparator();
    N13 = addCheckItem(N5, QStringLiteral("Вернуть первоначальные настройки"), true);

    N25 = menuBar()->addMenu(QStringLiteral("Сервис"));
    N22 = N25->addAction(QStringLiteral("&Вызвать виртуальную клавиатуру"));
    N24 = addCheckItem(N25, QStringLiteral("Speed Word"), false);
    N40 = addCheckItem(N25, QStringLiteral("&Full Screen"), false);
    N25->addSeparator();
    N37 = N25->addMenu(QStringLiteral("&Режим"));
    CpuUser1 = addCheckItem(N37, QStringLiteral("&Cpu\\User"), true);
    Cpu31 = addCheckItem(N37, QStringLiteral("C&pu\\Cpu"), false);
    N38 = N25->addAction(QStringLiteral("Ре&дактор"));

    N11 = menuBar()->addMenu(QStringLiteral("С&правка"));
    N12 = N11->addAction(QStringLiteral("&О программе..."));
}

QAction* TForm1::addCheckItem(QMenu* menu, const QString& text, bool checked) {
    QAction* item = menu->addAction(text);
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

QAction* TForm1::addSeparatorCommand(QMenu* menu, QKeyCombination key) {
    // A menu draws a separator's shortcut as a caption, so the line and the command are apart:
    // the menu shows the line, the window keeps the key.
    menu->addSeparator();
    auto* command = new QAction(this);
    command->setShortcut(key);
    addAction(command);
    return command;
}

void TForm1::connectHandlers() {
    T1.setHandler([this] { T1Timer(); });
    T3.setHandler([this] { T3Timer(); });
    T4.setHandler([this] { T4Timer(); });
    T7.setHandler([this] { T7Timer(); });

    connectModeHandlers();

    connect(Speak, &QPushButton::clicked, this, guarded([this] { SpeakClick(); }));
    connect(Talk, &QPushButton::clicked, this, guarded([this] { TalkClick(); }));
    connect(Cancel, &QPushButton::clicked, this, guarded([this] { CancelClick(); }));
    connect(Input, &QLineEdit::textChanged, this, guarded([this] { InputChange(); }));
    connect(N2, &QAction::triggered, this, guarded([this] { N2Click(); }));
    connect(N3, &QAction::triggered, this, guarded([this] { N3Click(); }));
    connect(N4, &QAction::triggered, this, guarded([this] { N4Click(); }));

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, Talk, &QPushButton::click);
    }

    // Statistics, appearance, full screen and the About window.
    T8.setHandler([this] { T8Timer(); });
    const std::pair<QAction*, void (TForm1::*)()> settings[] = {
        {N6, &TForm1::N6Click},
        {N21, &TForm1::N21Click},
        {N16, &TForm1::N16Click},
        {N9, &TForm1::N9Click},
        {User1, &TForm1::User1Click},
        {Cpu1, &TForm1::Cpu1Click},
        {Mystring2, &TForm1::Mystring2Click},
        {User2, &TForm1::User2Click},
        {Cpu2, &TForm1::Cpu2Click},
        {Mystring1, &TForm1::Mystring1Click},
        {N13, &TForm1::N13Click},
        {N12, &TForm1::N12Click}};
    for (const auto& [item, handler] : settings)
        connect(item, &QAction::triggered, this, guarded([this, handler] { (this->*handler)(); }));
    connectCheckCommand(N40, &TForm1::N40Click);

    // Input aids.
    T5.setHandler([this] { T5Timer(); });
    T11.setHandler([this] { T11Timer(); });
    connect(EnRus, &QPushButton::clicked, this, guarded([this] { EnRusClick(); }));
    // A click does nothing while the button is disabled, and so does the key.
    auto* convertLayout = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(convertLayout, &QShortcut::activated, EnRus, &QPushButton::click);
    connect(N22, &QAction::triggered, this, guarded([this] { N22Click(); }));
    connect(N23, &QAction::triggered, this, guarded([this] { N23Click(); }));
    connectCheckCommand(N24, &TForm1::N24Click);
}

void TForm1::connectCheckCommand(QAction* item, void (TForm1::*handler)()) {
    // The menu turns the mark over before the command runs; the command sets it as it decides.
    connect(item, &QAction::triggered, this, guarded([this, item, handler] {
                item->toggle();
                (this->*handler)();
            }));
}

void TForm1::FormCreate() {
    // First: Speed Word's keys must work even when the phrase base below cannot be read.
    new KeyDownFilter([this](int key) { runGuarded([this, key] { ApplicationKeyDown(key); }); },
                      this);
    RE2.load(base_files::kWordsAtExit);
}

void TForm1::T1Timer() {
    const bool hasText = !Input->text().isEmpty();
    Speak->setEnabled(hasText);
    EnRus->setEnabled(hasText);
    Talk->setEnabled(hasText);
    const bool hasLines = RE1->hasLines();
    Cancel->setEnabled(hasLines);
    N3->setEnabled(hasLines);
    // Speed Word keeps "[NONE]" on the panel while the line is empty.
    if (!hasText && N24->isChecked())
        T11.setEnabled(true);
    N23->setEnabled(showsSuggestion());
    // Alt alone puts the menu bar in keyboard mode; taking the focus from it would end that.
    // The transcript keeps it for copying; typing there goes on in the input line.
    if (focusWidget() != menuBar() && focusWidget() != RE1)
        Input->setFocus();
}

void TForm1::T3Timer() {
    SB1->setPanelText(0, loadingText());
    Input->setReadOnly(true);
    Speak->setEnabled(false);
    try {
        RE2.load(base_files::kWords);
    } catch (...) {
        // The error is reported once; the input must not stay locked behind it.
        SB1->setPanelText(0, {});
        finishLoading();
        throw;
    }
    SB1->setPanelText(1, toQString(phraseCountsText(countPhrases(RE2))));
    finishLoading();
    SB1->setPanelText(0, loadedText());
}

void TForm1::finishLoading() {
    Input->setReadOnly(false);
    Speak->setEnabled(true);
    T3.setEnabled(false);
}

void TForm1::T4Timer() {
    if (Form4 != nullptr)
        Form4->hide();
    ++ClosingTicks;
    if (ClosingTicks >= kClosingTicks) {
        // Stopped first: an exit that fails must not be retried at every further tick.
        T4.setEnabled(false);
        N4Click();
    }
    move(x(), y() - 2);
    move(x() - 3, y());
    setFixedSize(std::max(width() - 10, kSmallestWindow.width()),
                 std::max(height() - 8, kSmallestWindow.height()));
    if (ClosingTicks >= kClosingSoundFromTick)
        MP6.play();
}

int TForm1::drawBetween(int lowest, int highest) {
    int value = 0;
    do {
        value = random_.below(highest) + 1;
    } while (value < lowest);
    return value;
}

void TForm1::T7Timer() {
    besedka::setBusyCursor(true);
    random_.reseed();
    MP4.play();
    Input->setReadOnly(true);
    setMenusEnabled(false);
    const int jumps = drawBetween(125, 250);
    for (int jump = 0; jump < jumps; ++jump) {
        const int left = drawBetween(95, 105);
        const int top = drawBetween(95, 105);
        move(x(), top);
        move(left, top);
    }
    centreOnDesktop();
    Input->setReadOnly(false);
    setMenusEnabled(true);
    T7.setEnabled(false);
    T10.setEnabled(true);
    RE1->clearLines();
    besedka::setBusyCursor(false);
}

void TForm1::setMenusEnabled(bool enabled) {
    for (QAction* menu : menuBar()->actions())
        menu->setEnabled(enabled);
}

void TForm1::centreOnDesktop() {
    const QRect desktop = screen()->geometry();
    const QSize outer = frameGeometry().size();
    move(desktop.x() + (desktop.width() - outer.width()) / 2,
         desktop.y() + (desktop.height() - outer.height()) / 2);
}

void TForm1::SpeakClick() {
    const std::string previousLine = toEngineText(RE1->lineAt(RE1->lineCount() - 2));
    const bool cpuCpu = Cpu31->isChecked();
    const std::string phrase = cpuCpu ? LoadtxtCpuCpu.get(0) : toEngineText(Input->text());
    if (engine_.runTurn(phrase, previousLine, cpuCpu ? Mode::CpuCpu : Mode::CpuUser,
                        cpuCpu ? exchangePath() : std::string())) {
        Input->clear();
        IdleTicks = 0;
    }
}

void TForm1::TalkClick() {
    // As a click on "Сказать", even while it is disabled: in the Cpu\Cpu mode Enter starts a
    // turn on the exchange file whatever the input line holds.
    SpeakClick();
}

void TForm1::CancelClick() {
    RE1->deleteLastLine();
    Log.remove(Log.count() - 1);
    T7.setEnabled(true);
}

void TForm1::InputChange() {
    // A changed word is searched from the first entry again.
    Suggestion.SuggestionIndex = -1;
    MP1.play();
    T11.setEnabled(N24->isChecked());
}

void TForm1::N2Click() {
    RE1->clearLines();
    Log.clear();
    Input->clear();
    T7.setEnabled(true);
    T10.setEnabled(true);
}

void TForm1::N3Click() {
    Cancel->click();
}

void TForm1::N4Click() {
    const LocalMoment now = localMoment();
    appendSessionRecord(RE2, Log, now.date, now.time);
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    // Closing the main window ends the program, whatever other window is open.
    QCoreApplication::quit();
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        keepReadableWhileDisabled(Input);
        keepReadableWhileDisabled(SB1);
    }
    QMainWindow::changeEvent(event);
}

void TForm1::setBusyCursor(bool busy) {
    besedka::setBusyCursor(busy);
}

void TForm1::playPhraseSound() {
    MP2.play();
}

void TForm1::playSystemSound() {
    MP5.play();
}

void TForm1::showUserLine(const std::string& phrase) {
    RE1->setLineColor(ColorDialog2.color());
    RE1->setLineFont(FontDialog1.font());
    RE1->appendLine(toQString(phrase));
}

void TForm1::showSystemLine(const std::string& line) {
    RE1->setLineColor(ColorDialog3.color());
    RE1->setLineFont(FontDialog2.font());
    RE1->appendLine(toQString(line));
}

void TForm1::setClosingTimer(bool enabled) {
    T4.setEnabled(enabled);
}

void TForm1::setFollowUpTimer(bool enabled) {
    T9.setEnabled(enabled);
}

} // namespace besedka
