// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/main_window.h"

#include "platform/qt/error_report.h"
#include "shell/menu_keys_first.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QShortcut>

namespace besedka {

namespace {

const QColor kGrayText(128, 128, 128);
constexpr QSize kClientSize(587, 361);

QString caption() {
    return QStringLiteral("Беседка v2.40");
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

MainWindow::MainWindow(RandomSource& random, const Clock& clock, const WorkingFolder& folder)
    : sounds_(folder) {
    setWindowTitle(caption());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(defaultFont().name, defaultFont().pointSize));
    buildControls();
    menu_ = buildMainMenu(*this);
    composeParts(random, clock, folder);
    setFixedSize(kClientSize + QSize(0, menuBar()->sizeHint().height()));
    connectCommands();
    // A kept Speed Word whose dictionary is gone is reported, and the rest still applies.
    runGuarded([this] { keptSettings_->applyAtStart(); });
}

void MainWindow::buildControls() {
    auto* client = new QWidget(this);
    paintBackground(client, QPalette::Window, kSilver);
    client->setCursor(Qt::ForbiddenCursor);
    setCentralWidget(client);

    controls_.transcriptFrame = raisedPanel(client, {0, 0, 588, 313});
    controls_.transcript = new TranscriptView(controls_.transcriptFrame);
    controls_.transcript->setGeometry(3, 5, 581, 304);
    paintBackground(controls_.transcript, QPalette::Base, kSilver);
    controls_.transcript->viewport()->setCursor(Qt::ForbiddenCursor);
    controls_.transcript->setToolTip(QStringLiteral("Поле для отображения диалога"));

    controls_.inputFrame = raisedPanel(client, {0, 312, 585, 30});
    controls_.inputFrame->setCursor(Qt::ForbiddenCursor);
    controls_.inputLine = new QLineEdit(controls_.inputFrame);
    controls_.inputLine->setGeometry(3, 5, 422, 21);
    controls_.inputLine->setMaxLength(255);
    const FontSpec& inputFont = choosers_.inputFont.font();
    controls_.inputLine->setFont(QFont(inputFont.name, inputFont.pointSize));
    paintBackground(controls_.inputLine, QPalette::Base, kSilver);
    controls_.inputLine->setCursor(Qt::IBeamCursor);
    controls_.inputLine->setToolTip(QStringLiteral("Поле для ввода фразы пользователя"));
    controls_.inputLine->installEventFilter(
        new MenuKeysFirst({QKeyCombination(Qt::ControlModifier, Qt::Key_Z)}, controls_.inputLine));
    controls_.transcript->setFocusPolicy(Qt::ClickFocus);
    controls_.transcript->setTypingTarget(controls_.inputLine);

    controls_.undoButton = flatButton(controls_.inputFrame, QStringLiteral("<"), {426, 5, 27, 22},
                                      QStringLiteral("Отмена (Альтернатива клавиша: <Ctrl + Z>)"));
    controls_.layoutButton =
        flatButton(controls_.inputFrame, QStringLiteral("E/R"), {453, 5, 43, 22},
                   QStringLiteral("Раскладка (Альтернатива клавиша: <Ctrl + S>)"));
    controls_.sayButton =
        flatButton(controls_.inputFrame, QStringLiteral("Сказать"), {496, 5, 86, 22},
                   QStringLiteral("Кнопка отправки текста (Альтернативная клавиша: <ENTER>)"));

    // Outside the visible area: it exists to be the window's default button.
    controls_.enterButton = new QPushButton(QStringLiteral("<ENTER> (Для кнопки сказать)"), client);
    controls_.enterButton->setGeometry(-200, 107, 186, 17);
    controls_.enterButton->setFocusPolicy(Qt::NoFocus);

    controls_.statusBar = new StatusBar(client);
    controls_.statusBar->setGeometry(0, 342, 587, 19);
    controls_.statusBar->setCursor(Qt::WhatsThisCursor);
    controls_.statusBar->setToolTip(QStringLiteral("Индикатор"));
}

// In the order the program was always created in: the conversation loads the phrase base, then
// the editor, the About window and the keyboard follow, hidden.
void MainWindow::composeParts(RandomSource& random, const Clock& clock,
                              const WorkingFolder& folder) {
    controlStates_ = std::make_unique<ControlStates>(ControlStates::Controls{
        this, controls_.transcript, controls_.inputLine, controls_.sayButton,
        controls_.layoutButton, controls_.enterButton, controls_.undoButton, menu_.undo});
    conversation_ = std::make_unique<Conversation>(
        Conversation::Controls{this, controls_.transcript, controls_.inputLine, controls_.sayButton,
                               controls_.statusBar},
        sounds_, choosers_, random, clock, folder);
    speedWord_ =
        std::make_unique<SpeedWord>(SpeedWord::Controls{controls_.inputLine, controls_.statusBar,
                                                        menu_.speedWord, menu_.completeWord},
                                    folder);
    reservedCharacterGuard_ =
        std::make_unique<ReservedCharacterGuard>(controls_.inputLine, controls_.transcript);
    layoutFix_ = std::make_unique<LayoutFix>(controls_.inputLine, sounds_.layoutConversionSound);
    remarks_ = std::make_unique<Remarks>(*conversation_, random);
    statistics_ =
        std::make_unique<Statistics>(conversation_->workingList(), folder, menu_.incomingCount,
                                     menu_.outgoingCount, menu_.totalCount);
    exchangeMode_ = std::make_unique<ExchangeMode>(
        ExchangeMode::Controls{controls_.transcript, controls_.inputLine, controls_.enterButton,
                               controls_.statusBar, menu_.conversationMode, menu_.exchangeMode,
                               menu_.resetSettings},
        *conversation_, *controlStates_, font());
    aboutWindow_ = std::make_unique<AboutWindow>(*controlStates_, font(), folder);
    historyWindow_ = std::make_unique<HistoryWindow>(font(), folder);
    keyboard_ = std::make_unique<OnScreenKeyboard>(controls_.inputLine, *conversation_, *speedWord_,
                                                   *controlStates_, font());
    settings_ = new SettingsModel(settingsAtStart(), this);
    appearance_ = std::make_unique<Appearance>(
        Appearance::Controls{this,
                             centralWidget(),
                             controls_.transcript,
                             controls_.inputLine,
                             {controls_.sayButton, controls_.undoButton, controls_.layoutButton},
                             menu_.resetSettings},
        choosers_, exchangeMode_->editor(), *aboutWindow_, *settings_);
    fullScreen_ = std::make_unique<FullScreen>(
        FullScreen::Controls{this, controls_.transcriptFrame, controls_.transcript,
                             controls_.inputFrame, controls_.inputLine, controls_.undoButton,
                             controls_.layoutButton, controls_.sayButton, menu_.fullScreen});

    keptSettings_ = std::make_unique<KeptSettings>(
        *settings_, KeptSettings::Parts{*appearance_, exchangeMode_->editor(), *speedWord_,
                                        menu_.speedWord, menu_.sounds, menu_.resetSettings});

    controlStates_->connectCompletion(*speedWord_);
    conversation_->connectParts(*exchangeMode_, *remarks_, *keyboard_);
}

// Every command runs its part's handler through the error guard.
template <typename Sender, typename Signal, typename Part>
void MainWindow::connectHandler(Sender* sender, Signal signal, Part& part,
                                void (Part::*handler)()) {
    connect(sender, signal, this, guarded([&part, handler] { (part.*handler)(); }));
}

template <typename Part>
void MainWindow::connectCheckCommand(QAction* item, Part& part, void (Part::*handler)()) {
    // The menu turns the mark over before the command runs; the command sets it as it decides.
    connect(item, &QAction::triggered, this, guarded([item, &part, handler] {
                item->toggle();
                (part.*handler)();
            }));
}

void MainWindow::connectCommands() {
    Conversation& conversation = *conversation_;
    connectHandler(controls_.sayButton, &QPushButton::clicked, conversation, &Conversation::say);
    // As a click on "Сказать", even while it is disabled: in the Cpu\Cpu mode Enter starts a
    // turn on the exchange file whatever the input line holds.
    connectHandler(controls_.enterButton, &QPushButton::clicked, conversation, &Conversation::say);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, controls_.enterButton, &QPushButton::click);
    }
    connectHandler(controls_.undoButton, &QPushButton::clicked, conversation, &Conversation::undo);
    // A click does nothing while the button is disabled, and so does the key.
    connect(menu_.undo, &QAction::triggered, controls_.undoButton, &QPushButton::click);
    connectHandler(controls_.inputLine, &QLineEdit::textChanged, conversation,
                   &Conversation::playKeyClick);
    connectHandler(menu_.newDialogue, &QAction::triggered, conversation,
                   &Conversation::startNewDialogue);
    connectHandler(menu_.exit, &QAction::triggered, conversation, &Conversation::exitWithRecord);
    connectHandler(menu_.history, &QAction::triggered, *historyWindow_, &HistoryWindow::open);

    connectCheckCommand(menu_.conversationMode, *exchangeMode_,
                        &ExchangeMode::switchToConversationMode);
    connectCheckCommand(menu_.exchangeMode, *exchangeMode_, &ExchangeMode::switchToExchangeMode);
    connectHandler(menu_.openEditor, &QAction::triggered, *exchangeMode_,
                   &ExchangeMode::openExchangeEditor);

    connectHandler(controls_.inputLine, &QLineEdit::textChanged, *speedWord_,
                   &SpeedWord::restartSuggestion);
    connectHandler(menu_.completeWord, &QAction::triggered, *speedWord_, &SpeedWord::completeWord);
    connectCheckCommand(menu_.speedWord, *speedWord_, &SpeedWord::switchSpeedWord);
    connectHandler(controls_.layoutButton, &QPushButton::clicked, *layoutFix_,
                   &LayoutFix::convertKeyboardLayout);
    auto* convertLayout = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(convertLayout, &QShortcut::activated, controls_.layoutButton, &QPushButton::click);
    connectHandler(menu_.showKeyboard, &QAction::triggered, *keyboard_, &OnScreenKeyboard::open);

    connectHandler(menu_.about, &QAction::triggered, *aboutWindow_, &AboutWindow::open);
    connectCheckCommand(menu_.fullScreen, *fullScreen_, &FullScreen::toggleFullScreen);
    // The mark is the switch: whatever sets it, the menu or the kept settings, sets the sounds.
    connect(menu_.sounds, &QAction::toggled, this, [this](bool on) { sounds_.setOn(on); });
    connectSettings();
}

void MainWindow::connectSettings() {
    const std::pair<QAction*, void (Appearance::*)()> settings[] = {
        {menu_.windowColor, &Appearance::chooseWindowColor},
        {menu_.transcriptColor, &Appearance::chooseTranscriptColor},
        {menu_.inputColor, &Appearance::chooseInputColor},
        {menu_.buttonTextColor, &Appearance::chooseButtonTextColors},
        {menu_.userLineColor, &Appearance::chooseUserLineColor},
        {menu_.systemLineColor, &Appearance::chooseSystemLineColor},
        {menu_.inputTextColor, &Appearance::chooseInputTextColor},
        {menu_.userLineFont, &Appearance::chooseUserLineFont},
        {menu_.systemLineFont, &Appearance::chooseSystemLineFont},
        {menu_.inputFont, &Appearance::chooseInputFont},
        {menu_.resetSettings, &Appearance::resetSettings}};
    for (const auto& [item, handler] : settings)
        connectHandler(item, &QAction::triggered, *appearance_, handler);
    // The parts below the shell announce their settings; the appearance updates them itself.
    SettingsModel& model = *settings_;
    const ExchangeEditor& editor = exchangeMode_->editor();
    connect(&editor, &ExchangeEditor::confirmed, this, guarded([&model, &editor] {
        model.change(
            [&editor](ChosenSettings& chosen) { takeExchange(chosen, editor.settings()); });
    }));
    connect(speedWord_.get(), &SpeedWord::switched, this, [&model](bool on) {
        runGuarded([&model, on] {
            model.change([on](ChosenSettings& chosen) { chosen.speedWord = on; });
        });
    });
    connect(menu_.sounds, &QAction::toggled, this, [&model](bool on) {
        runGuarded(
            [&model, on] { model.change([on](ChosenSettings& chosen) { chosen.sounds = on; }); });
    });
    connectHandler(&model, &SettingsModel::changed, *keptSettings_, &KeptSettings::keepChanges);
    connectHandler(&model, &SettingsModel::wasReset, *keptSettings_, &KeptSettings::forget);
}

// The look the controls were built with and the parts' own start values: what the reset mark
// compares the kept settings with.
ChosenSettings MainWindow::settingsAtStart() const {
    const auto activeColor = [](const QWidget* widget, QPalette::ColorRole role) {
        return widget->palette().color(QPalette::Active, role);
    };
    ChosenSettings start;
    start.windowBackground = kSilver;
    start.transcriptBackground = kSilver;
    start.inputBackground = kSilver;
    // The style's own text colours.
    start.inputText = activeColor(controls_.inputLine, QPalette::Text);
    start.sayCaption = activeColor(controls_.sayButton, QPalette::ButtonText);
    start.undoCaption = activeColor(controls_.undoButton, QPalette::ButtonText);
    start.layoutCaption = activeColor(controls_.layoutButton, QPalette::ButtonText);
    rememberChoosers(start, choosers_);
    start.inputFont = fontSpecOf(controls_.inputLine->font());
    takeExchange(start, exchangeMode_->editor().settings());
    start.speedWord = menu_.speedWord->isChecked();
    start.sounds = menu_.sounds->isChecked();
    return start;
}

void MainWindow::showCentred() {
    centreOnDesktop(this);
    show();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    // Closing the main window ends the program, whatever other window is open.
    QCoreApplication::quit();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        keepReadableWhileDisabled(controls_.inputLine);
        keepReadableWhileDisabled(controls_.statusBar);
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    StatusBar* statusBar = controls_.statusBar;
    const QSize client = centralWidget()->size();
    statusBar->setGeometry(0, client.height() - statusBar->height(), client.width(),
                           statusBar->height());
    fullScreen_->followWindowSize();
}

} // namespace besedka
