// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/file_error.h"
#include "shell/menu_keys_first.h"
#include "tests/support/program_run.h"
#include "window_test.h"

#include <QApplication>
#include <QMenuBar>

namespace besedka::test {
namespace {

using StartUpTest = WindowTest;

TEST_F(StartUpTest, TheWindowOpensInItsInitialState) {
    open();
    EXPECT_EQ(window->windowTitle(), u"Беседка v2.40"_s);
    EXPECT_EQ(window->size(), QSize(587, 361 + window->menuBar()->height()));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());

    EXPECT_EQ(controls().statusBar->panelText(0), QString());
    EXPECT_EQ(controls().statusBar->panelText(1), QString());
    EXPECT_EQ(controls().statusBar->panelText(2), u"Режим Cpu\\User"_s);
    EXPECT_FALSE(controls().sayButton->isEnabled());
    EXPECT_FALSE(controls().layoutButton->isEnabled());
    EXPECT_FALSE(controls().undoButton->isEnabled());
    EXPECT_TRUE(controls().enterButton->isEnabled());

    const std::tuple<const Timer&, bool, const char*> timers[] = {
        {window->controlStates().controlStateTimer(), true, "control state"},
        {window->remarks().idleRemarkTimer(), true, "idle remark"},
        {window->conversation().knowledgeLoadTimer(), true, "knowledge load"},
        {window->conversation().closingAnimationTimer(), false, "closing animation"},
        {window->reservedCharacterGuard().scanTimer(), true, "reserved-character scan"},
        {window->exchangeMode().exchangePollTimer(), false, "exchange poll"},
        {window->conversation().dialogueStartTimer(), true, "dialogue start"},
        {window->statistics().statisticsTimer(), true, "statistics"},
        {window->remarks().followUpRemarkTimer(), false, "follow-up remark"},
        {window->remarks().greetingTimer(), false, "greeting"},
        {window->speedWord().suggestionCheckTimer(), true, "suggestion check"}};
    for (const auto& [timer, enabled, name] : timers)
        EXPECT_EQ(timer.enabled(), enabled) << name;
    EXPECT_EQ(window->remarks().idleRemarkTimer().interval(), 1000);
    EXPECT_EQ(window->statistics().statisticsTimer().interval(), 1000);
    EXPECT_EQ(window->remarks().followUpRemarkTimer().interval(), 1000);

    // Start-up leaves the phrase base in the working list.
    EXPECT_EQ(window->conversation().workingList().count(), 4);
    EXPECT_TRUE(boxes.texts().isEmpty());
}

// Each window and control is a Qt object in full: a search or a cast by its class finds it.
TEST_F(StartUpTest, WindowsAndControlsAreFoundByTheirClass) {
    open();
    QObject* mainWindow = window.get();
    EXPECT_EQ(qobject_cast<MainWindow*>(mainWindow), window.get());
    EXPECT_EQ(window->findChild<TranscriptView*>(), controls().transcript);
    EXPECT_EQ(window->findChild<StatusBar*>(), controls().statusBar);
    EXPECT_NE(controls().inputLine->findChild<MenuKeysFirst*>(), nullptr);
    EXPECT_NE(window->exchangeMode().editor().findChild<NumberSpinBox*>(), nullptr);

    const std::pair<const QWidget*, const char*> windows[] = {
        {window.get(), "besedka::MainWindow"},
        {&window->exchangeMode().editor(), "besedka::ExchangeEditor"},
        {&window->aboutWindow(), "besedka::AboutWindow"},
        {&window->historyWindow(), "besedka::HistoryWindow"},
        {&window->keyboard(), "besedka::OnScreenKeyboard"}};
    for (const auto& [shown, className] : windows)
        EXPECT_STREQ(shown->metaObject()->className(), className);
}

TEST_F(StartUpTest, ControlsSitWhereTheLayoutPutsThem) {
    open();
    const std::tuple<QWidget*, QRect, QString> placed[] = {
        {controls().transcriptFrame, {0, 0, 588, 313}, {}},
        {controls().transcript, {3, 5, 581, 304}, u"Поле для отображения диалога"_s},
        {controls().inputFrame, {0, 312, 585, 30}, {}},
        {controls().inputLine, {3, 5, 422, 21}, u"Поле для ввода фразы пользователя"_s},
        {controls().undoButton, {426, 5, 27, 22}, u"Отмена (Альтернатива клавиша: <Ctrl + Z>)"_s},
        {controls().layoutButton,
         {453, 5, 43, 22},
         u"Раскладка (Альтернатива клавиша: <Ctrl + S>)"_s},
        {controls().sayButton,
         {496, 5, 86, 22},
         u"Кнопка отправки текста (Альтернативная клавиша: <ENTER>)"_s},
        {controls().enterButton, {-200, 107, 186, 17}, {}},
        {controls().statusBar, {0, 342, 587, 19}, u"Индикатор"_s}};
    for (const auto& [control, geometry, hint] : placed) {
        EXPECT_EQ(control->geometry(), geometry) << control->metaObject()->className();
        EXPECT_EQ(control->toolTip(), hint);
    }
    EXPECT_EQ(controls().undoButton->text(), u"<"_s);
    EXPECT_EQ(controls().layoutButton->text(), u"E/R"_s);
    EXPECT_EQ(controls().sayButton->text(), u"Сказать"_s);
    EXPECT_EQ(controls().enterButton->text(), u"<ENTER> (Для кнопки сказать)"_s);
    EXPECT_EQ(controls().inputLine->maxLength(), 255);
    EXPECT_TRUE(controls().transcript->isReadOnly());
}

// The menu tree as captions, depth-first; a submenu's items follow it indented, "-" is a line.
QStringList menuTree(const QList<QAction*>& actions, const QString& indent = {}) {
    QStringList tree;
    for (const QAction* action : actions) {
        tree.append(indent + (action->isSeparator() ? u"-"_s : action->text()) +
                    (action->isChecked() ? u" [x]"_s : QString()));
        if (action->menu())
            tree += menuTree(action->menu()->actions(), indent + u"  "_s);
    }
    return tree;
}

TEST_F(StartUpTest, TheMenuTreeHoldsEveryCommandInItsPlace) {
    open();
    const QStringList expected = {u"&Система"_s,
                                  u"  &Новый диалог"_s,
                                  u"  &История бесед"_s,
                                  u"  -"_s,
                                  u"  &Подробнее о базе:"_s,
                                  u"    &Входящие выражения:"_s,
                                  u"    &Исходящие выражения:"_s,
                                  u"    &Итого:"_s,
                                  u"  -"_s,
                                  u"  В&ыход"_s,
                                  u"&Настройки"_s,
                                  u"  &Цвет основного фона "_s,
                                  u"  Ц&вет фона поля вывода реплик"_s,
                                  u"  Цв&ет фона поля ввода реплик"_s,
                                  u"  Цве&т шрифтов кнопок на панели"_s,
                                  u"  Цвет &реплик"_s,
                                  u"    &User"_s,
                                  u"    &Cpu"_s,
                                  u"    &My string"_s,
                                  u"  &Параметры шрифта"_s,
                                  u"    &User"_s,
                                  u"    &Cpu"_s,
                                  u"    &My string"_s,
                                  u"  -"_s,
                                  u"  Вернуть первоначальные настройки [x]"_s,
                                  u"Сервис"_s,
                                  u"  &Вызвать виртуальную клавиатуру"_s,
                                  u"  Speed Word"_s,
                                  u"  &Full Screen"_s,
                                  u"  &Звуки [x]"_s,
                                  u"  -"_s,
                                  u"  &Режим"_s,
                                  u"    &Cpu\\User [x]"_s,
                                  u"    C&pu\\Cpu"_s,
                                  u"  Ре&дактор"_s,
                                  u"С&правка"_s,
                                  u"  &О программе..."_s};
    EXPECT_EQ(menuTree(window->menuBar()->actions()), expected);
    // The separator lines carry their commands' keys; the window holds the commands.
    EXPECT_TRUE(window->actions().contains(menu().undo));
    EXPECT_EQ(menu().undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(window->actions().contains(menu().completeWord));
    EXPECT_EQ(menu().completeWord->shortcut(), QKeySequence(Qt::Key_F5));
}

TEST_F(StartUpTest, TheLoadStepCountsThePhraseBaseAndUnlocksTheInput) {
    open();
    window->conversation().loadKnowledgeBase();
    EXPECT_EQ(controls().statusBar->panelText(0), u"Загрузка окончена"_s);
    EXPECT_EQ(controls().statusBar->panelText(1),
              u"Программе известно:   [главные фразы - 2   ветки - 1]"_s);
    EXPECT_FALSE(controls().inputLine->isReadOnly());
    EXPECT_FALSE(window->conversation().knowledgeLoadTimer().enabled());
    EXPECT_EQ(window->conversation().workingList().count(), 4);
}

TEST_F(StartUpTest, AMissingPhraseBaseIsReportedAndNeverLocksTheInput) {
    folder.remove("Base/Words.Dat");
    open();
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file Base\\Words.dat"_s});
    boxes.closeAll();

    EXPECT_THROW(window->conversation().loadKnowledgeBase(), FileError);
    EXPECT_NE(controls().statusBar->panelText(0), u"Идёт загрузка подождите..."_s);
    EXPECT_EQ(controls().statusBar->panelText(1), QString());
    EXPECT_FALSE(controls().inputLine->isReadOnly());
    EXPECT_TRUE(controls().sayButton->isEnabled());
    // Stopped, so the failure is reported by that one tick only.
    EXPECT_FALSE(window->conversation().knowledgeLoadTimer().enabled());
}

TEST_F(StartUpTest, AMissingSoundStopsStartUpNamingTheFile) {
    folder.remove("Sound/Close.wav");
    try {
        MainWindow unopened(random, clock, folder.working());
        ADD_FAILURE() << "the window opened without its closing sound";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file Sound\\Close.wav");
    }
}

TEST_F(StartUpTest, TheWindowWorksInTheFolderItIsGivenWhereverTheProcessStands) {
    const TempFolder elsewhere;
    const StandingIn standing(elsewhere.path());
    window = std::make_unique<MainWindow>(random, clock, folder.working());
    window->conversation().loadKnowledgeBase();
    EXPECT_EQ(controls().statusBar->panelText(1),
              u"Программе известно:   [главные фразы - 2   ветки - 1]"_s);
    window->conversation().playDialogueStartAnimation();
    window->controlStates().updateControls();
    say(u"Привет."_s);
    EXPECT_EQ(boxes.texts(), QStringList()) << "the sounds, the picture and the files are found";
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "History"));
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere.path()));
}

TEST_F(StartUpTest, ControlStatesFollowTheInputAndTheTranscript) {
    openReady();
    EXPECT_FALSE(controls().sayButton->isEnabled());
    EXPECT_FALSE(controls().enterButton->isEnabled());
    EXPECT_FALSE(controls().undoButton->isEnabled());
    EXPECT_FALSE(menu().undo->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), controls().inputLine);

    type(u"а"_s);
    EXPECT_TRUE(controls().sayButton->isEnabled());
    EXPECT_TRUE(controls().layoutButton->isEnabled());
    EXPECT_TRUE(controls().enterButton->isEnabled());
    EXPECT_FALSE(controls().undoButton->isEnabled());

    controls().transcript->appendLine(u"строка"_s);
    type(QString());
    EXPECT_FALSE(controls().sayButton->isEnabled());
    EXPECT_FALSE(controls().layoutButton->isEnabled());
    EXPECT_FALSE(controls().enterButton->isEnabled());
    EXPECT_TRUE(controls().undoButton->isEnabled());
    EXPECT_TRUE(menu().undo->isEnabled());

    // Only a click gives the transcript the focus, and the update of the controls leaves it
    // there, so that what is selected in it can be copied.
    EXPECT_EQ(controls().transcript->focusPolicy(), Qt::ClickFocus);
    controls().transcript->setFocus();
    window->controlStates().updateControls();
    EXPECT_EQ(QApplication::focusWidget(), controls().transcript);
}

// The command line of a program started in the scratch folder, with its data folder and home
// there, with a display (offscreen) or without one.
std::string startedIn(const TempFolder& folder, bool display, const std::string& args) {
    const std::string scratch = folder.path().string();
    return std::string("timeout 20 env ") +
           (display ? "QT_QPA_PLATFORM=offscreen "
                    : "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") +
           "XDG_DATA_HOME='" + scratch + "/data' HOME='" + scratch + "/home' " BESEDKA_PROGRAM " " +
           args;
}

// As a terminal without a display would start it: no window, no dialogue, no data folder made.
TEST(ProgramStart, VersionIsPrintedWithoutADisplay) {
    TempFolder folder;
    const ProgramRun run = runInFolder(folder, startedIn(folder, false, "--version"), "Привет\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "besedka " BESEDKA_VERSION "\n");
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(folder.exists("data") || folder.exists("home")) << "the program started";
}

// Once it opened a window, or without a display started a terminal dialogue.
TEST(ProgramStart, HelpIsPrintedAndNothingElseDone) {
    for (const bool display : {true, false}) {
        TempFolder folder;
        const ProgramRun run =
            runInFolder(folder, startedIn(folder, display, "--help"), "Привет\n");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(run.out.starts_with("Usage: besedka")) << run.out;
        for (const char* named : {"--version", "$XDG_DATA_HOME/besedka", "besedka.conf", "DISPLAY"})
            EXPECT_NE(run.out.find(named), std::string::npos) << named;
        EXPECT_EQ(run.err, "");
        EXPECT_FALSE(folder.exists("data") || folder.exists("home")) << "the program started";
    }
}

// Run from its build folder, where no share/besedka was ever installed, it once said "Cannot
// open file .../share/besedka" and left an empty data folder behind.
TEST(ProgramStart, FromTheBuildFolderItTakesTheShippedDataOfItsSourceTree) {
    TempFolder folder;
    const ProgramRun run = runInFolder(folder, startedIn(folder, false, ""), "Привет\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("USER:     Привет."), std::string::npos) << run.out;
    EXPECT_TRUE(folder.exists("data/besedka/Base/Words.Dat"));
    EXPECT_TRUE(folder.exists("data/besedka/Sound"));
}

} // namespace
} // namespace besedka::test
