#include "platform/core/file_error.h"
#include "tests/support/program_run.h"
#include "window_test.h"

#include <QApplication>
#include <QMenuBar>

namespace besedka::test {
namespace {

using StartUpTest = WindowTest;

TEST_F(StartUpTest, TheWindowOpensInItsInitialState) {
    open();
    EXPECT_EQ(form->windowTitle(), u"Беседка v2.40"_s);
    EXPECT_EQ(form->size(), QSize(587, 361 + form->menuBar()->height()));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());

    EXPECT_EQ(form->SB1->panelText(0), QString());
    EXPECT_EQ(form->SB1->panelText(1), QString());
    EXPECT_EQ(form->SB1->panelText(2), u"Режим Cpu\\User"_s);
    EXPECT_FALSE(form->Speak->isEnabled());
    EXPECT_FALSE(form->EnRus->isEnabled());
    EXPECT_FALSE(form->Cancel->isEnabled());
    EXPECT_TRUE(form->Talk->isEnabled());

    const std::pair<const Timer&, bool> timers[] = {
        {form->T1, true},  {form->T2, true},   {form->T3, true}, {form->T4, false},
        {form->T5, true},  {form->T6, false},  {form->T7, true}, {form->T8, true},
        {form->T9, false}, {form->T10, false}, {form->T11, true}};
    for (std::size_t i = 0; i < std::size(timers); ++i)
        EXPECT_EQ(timers[i].first.enabled(), timers[i].second) << "T" << i + 1;
    EXPECT_EQ(form->T2.interval(), 1000);
    EXPECT_EQ(form->T8.interval(), 1000);
    EXPECT_EQ(form->T9.interval(), 1000);

    // FormCreate leaves the phrase base in the working list.
    EXPECT_EQ(form->RE2.count(), 4);
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(StartUpTest, ControlsSitWhereTheLayoutPutsThem) {
    open();
    const std::tuple<QWidget*, QRect, QString> controls[] = {
        {form->TabControl1, {0, 0, 588, 313}, {}},
        {form->RE1, {3, 5, 581, 304}, u"Поле для отображения диалога"_s},
        {form->TabControl2, {0, 312, 585, 30}, {}},
        {form->Input, {3, 5, 422, 21}, u"Поле для ввода фразы пользователя"_s},
        {form->Cancel, {426, 5, 27, 22}, u"Отмена (Альтернатива клавиша: <Ctrl + Z>)"_s},
        {form->EnRus, {453, 5, 43, 22}, u"Раскладка (Альтернатива клавиша: <Ctrl + S>)"_s},
        {form->Speak,
         {496, 5, 86, 22},
         u"Кнопка отправки текста (Альтернативная клавиша: <ENTER>)"_s},
        {form->Talk, {-200, 107, 186, 17}, {}},
        {form->SB1, {0, 342, 587, 19}, u"Индикатор"_s}};
    for (const auto& [control, geometry, hint] : controls) {
        EXPECT_EQ(control->geometry(), geometry) << control->metaObject()->className();
        EXPECT_EQ(control->toolTip(), hint);
    }
    EXPECT_EQ(form->Cancel->text(), u"<"_s);
    EXPECT_EQ(form->EnRus->text(), u"E/R"_s);
    EXPECT_EQ(form->Speak->text(), u"Сказать"_s);
    EXPECT_EQ(form->Talk->text(), u"<ENTER> (Для кнопки сказать)"_s);
    EXPECT_EQ(form->Input->maxLength(), 255);
    EXPECT_TRUE(form->RE1->isReadOnly());
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
                                  u"  -"_s,
                                  u"  &Режим"_s,
                                  u"    &Cpu\\User [x]"_s,
                                  u"    C&pu\\Cpu"_s,
                                  u"  Ре&дактор"_s,
                                  u"С&правка"_s,
                                  u"  &О программе..."_s};
    EXPECT_EQ(menuTree(form->menuBar()->actions()), expected);
    // The separator lines carry their commands' keys; the window holds the commands.
    EXPECT_TRUE(form->actions().contains(form->N3));
    EXPECT_EQ(form->N3->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(form->actions().contains(form->N23));
    EXPECT_EQ(form->N23->shortcut(), QKeySequence(Qt::Key_F5));
}

TEST_F(StartUpTest, TheLoadStepCountsThePhraseBaseAndUnlocksTheInput) {
    open();
    form->T3Timer();
    EXPECT_EQ(form->SB1->panelText(0), u"Загрузка окончена"_s);
    EXPECT_EQ(form->SB1->panelText(1), u"Программе известно:   [главные фразы - 2   ветки - 1]"_s);
    EXPECT_FALSE(form->Input->isReadOnly());
    EXPECT_FALSE(form->T3.enabled());
    EXPECT_EQ(form->RE2.count(), 4);
}

TEST_F(StartUpTest, AMissingPhraseBaseIsReportedAndNeverLocksTheInput) {
    folder.remove("Base/Words.Dat");
    open();
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file Base\\Words.dat"_s});
    boxes.closeAll();

    EXPECT_THROW(form->T3Timer(), FileError);
    EXPECT_NE(form->SB1->panelText(0), u"Идёт загрузка подождите..."_s);
    EXPECT_EQ(form->SB1->panelText(1), QString());
    EXPECT_FALSE(form->Input->isReadOnly());
    EXPECT_TRUE(form->Speak->isEnabled());
    // Stopped, so the failure is reported by that one tick only.
    EXPECT_FALSE(form->T3.enabled());
}

TEST_F(StartUpTest, AMissingSoundStopsStartUpNamingTheFile) {
    folder.remove("Sound/Close.wav");
    try {
        TForm1 window(random);
        ADD_FAILURE() << "the window opened without its closing sound";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file Sound\\Close.wav");
    }
}

TEST_F(StartUpTest, ControlStatesFollowTheInputAndTheTranscript) {
    openReady();
    EXPECT_FALSE(form->Speak->isEnabled());
    EXPECT_FALSE(form->Talk->isEnabled());
    EXPECT_FALSE(form->Cancel->isEnabled());
    EXPECT_FALSE(form->N3->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), form->Input);

    type(u"а"_s);
    EXPECT_TRUE(form->Speak->isEnabled());
    EXPECT_TRUE(form->EnRus->isEnabled());
    EXPECT_TRUE(form->Talk->isEnabled());
    EXPECT_FALSE(form->Cancel->isEnabled());

    form->RE1->appendLine(u"строка"_s);
    type(QString());
    EXPECT_FALSE(form->Speak->isEnabled());
    EXPECT_FALSE(form->EnRus->isEnabled());
    EXPECT_FALSE(form->Talk->isEnabled());
    EXPECT_TRUE(form->Cancel->isEnabled());
    EXPECT_TRUE(form->N3->isEnabled());

    // Only a click gives the transcript the focus, and the update of the controls leaves it
    // there, so that what is selected in it can be copied.
    EXPECT_EQ(form->RE1->focusPolicy(), Qt::ClickFocus);
    form->RE1->setFocus();
    form->T1Timer();
    EXPECT_EQ(QApplication::focusWidget(), form->RE1);
}

// As a terminal without a display would start it: no window, no dialogue, no data folder made.
TEST(ProgramStart, VersionIsPrintedWithoutADisplay) {
    TempFolder folder;
    const std::string scratch = folder.path().string();
    const ProgramRun run =
        runInFolder(folder, "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME='" +
                                scratch + "/data' HOME='" + scratch + "/home' " BESEDKA_PROGRAM
                                " --version",
                    "Привет\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "besedka " BESEDKA_VERSION "\n");
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(folder.exists("data") || folder.exists("home")) << "the program started";
}

} // namespace
} // namespace besedka::test
