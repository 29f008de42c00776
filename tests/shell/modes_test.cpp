#include "modes/tform2.h"
#include "platform/core/file_error.h"
#include "platform/qt/engine_text.h"
#include "tests/support/scripted_random.h"
#include "window_test.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTextBlock>
#include <filesystem>

namespace besedka::test {
namespace {

QColor lastLineColor(const TForm1& window) {
    return window.RE1->document()->lastBlock().begin().fragment().charFormat().foreground().color();
}

class RemarksTest : public WindowTest {
protected:
    void tickIdle(int seconds) {
        for (int i = 0; i < seconds; ++i)
            form->T2Timer();
    }
};

TEST_F(RemarksTest, TheIdleRemarkComesBetweenSixtyAndNinetySecondsOfSilence) {
    openReady();
    form->ColorDialog1.setColor(Qt::darkMagenta);
    tickIdle(30);
    type(u"набираю, но не отправляю"_s);
    tickIdle(29);
    EXPECT_EQ(transcript(), QStringList());

    tickIdle(31);
    EXPECT_EQ(transcript(), QStringList{u"Ты здесь?"_s});
    EXPECT_EQ(session(), QStringList{u"CPU:     Ты здесь?"_s});
    EXPECT_EQ(lastLineColor(*form), QColor(Qt::darkMagenta));
    EXPECT_EQ(toQString(form->engine().state().CpuPhrase), u"Ты здесь?"_s);
    EXPECT_EQ(form->MP5.playRequests(), 1);
    EXPECT_LE(form->IdleTicks, 30);
}

TEST_F(RemarksTest, ATurnStartsTheSilenceAgain) {
    openReady();
    tickIdle(50);
    say(u"привет"_s);
    tickIdle(59);
    EXPECT_EQ(transcript().size(), 2);
}

TEST_F(RemarksTest, AMissingIdleFileFailsEverySecondUntilItIsBack) {
    openReady();
    folder.remove("Base/Pause.Dat");
    form->IdleTicks = 89;
    EXPECT_THROW(form->T2Timer(), FileError);
    EXPECT_THROW(form->T2Timer(), FileError);
    EXPECT_EQ(form->IdleTicks, 91);

    folder.writeLines("Base/Pause.Dat", {"Снова тут."});
    form->T2Timer();
    EXPECT_EQ(transcript(), QStringList{u"Снова тут."_s});
    EXPECT_EQ(form->IdleTicks, 0);
}

TEST_F(RemarksTest, TheGreetingComesInOneDrawOfThreeAndStopsItsTimer) {
    ScriptedRandom draws({1, 2, 0});
    TForm1 window(draws);
    window.T10.setEnabled(true);
    window.T10Timer();
    EXPECT_FALSE(window.T10.enabled());
    window.T10.setEnabled(true);
    window.T10Timer();
    EXPECT_EQ(window.RE1->lineCount(), 0);

    window.T10.setEnabled(true);
    window.T10Timer();
    EXPECT_FALSE(window.T10.enabled());
    EXPECT_EQ(window.RE1->lineAt(0), u"Здравствуй!"_s);
    EXPECT_EQ(window.Log.lines(),
              std::vector<std::string>{toEngineText(u"CPU:     Здравствуй!"_s)});
}

TEST_F(RemarksTest, AGreetingThatCannotBeReadIsDrawnAgainAtTheNextTick) {
    ScriptedRandom draws({0, 1});
    TForm1 window(draws);
    folder.remove("Base/Begin.dat");
    window.T10.setEnabled(true);
    EXPECT_THROW(window.T10Timer(), FileError);
    EXPECT_TRUE(window.T10.enabled());
    window.T10Timer(); // the draw says no: stopped without reading
    EXPECT_FALSE(window.T10.enabled());
}

TEST_F(RemarksTest, TheFollowUpRemarkComesAtTheSecondTickOrTheFirstAfterACarryOver) {
    openReady();
    form->RE2.load("Base\\AI.dat");
    form->T9.setEnabled(true);
    form->T9Timer();
    EXPECT_TRUE(transcript().isEmpty());
    form->T9Timer();
    EXPECT_EQ(transcript(), QStringList{u"Кстати."_s});
    EXPECT_FALSE(form->T9.enabled());
    EXPECT_EQ(form->FollowUpWait, 0);

    // A turn stopped the timer between its ticks: the half-wait stays counted.
    form->T9.setEnabled(true);
    form->T9Timer();
    form->T9.setEnabled(false);
    form->T9.setEnabled(true);
    form->T9Timer();
    EXPECT_EQ(transcript(), (QStringList{u"Кстати."_s, u"Кстати."_s}));
}

class ModesTest : public WindowTest {
protected:
    // An exchange file named by its full path, as a user would name it.
    std::string exchangeFile(const std::vector<std::string>& lines) {
        folder.writeLines(kExchange, lines);
        const QString path = QString::fromStdString((folder.path() / kExchange).string());
        windows->form2().Edit1->setText(path);
        return path.toStdString();
    }

    std::vector<std::string> exchangeLines() const { return folder.readLines(kExchange); }

    static constexpr const char* kExchange = "shared/Txt.Dat";
};

TEST_F(ModesTest, SwitchingModesShowsANoticeAndHandsTheTimersOver) {
    openReady();
    type(u"недописанное"_s);
    form->Cpu31->trigger();
    EXPECT_FALSE(form->T1.enabled());
    EXPECT_TRUE(form->T6.enabled());
    EXPECT_TRUE(form->Cpu31->isChecked());
    EXPECT_FALSE(form->CpuUser1->isChecked());
    EXPECT_EQ(form->SB1->panelText(2), u"Режим Cpu\\Cpu"_s);
    EXPECT_EQ(form->Input->text(), u"недописанное"_s);
    EXPECT_EQ(transcript(), QStringList{u"Сервис:   // Режим диалога Cpu\\Cpu."_s});
    EXPECT_EQ(lastLineColor(*form), QColor(0, 128, 128));

    form->CpuUser1->trigger();
    form->CpuUser1->trigger();
    EXPECT_TRUE(form->T1.enabled());
    EXPECT_FALSE(form->T6.enabled());
    EXPECT_TRUE(form->CpuUser1->isChecked());
    EXPECT_FALSE(form->Cpu31->isChecked());
    EXPECT_EQ(form->SB1->panelText(2), u"Режим Cpu\\User"_s);
    EXPECT_EQ(form->Input->text(), QString());
    EXPECT_EQ(transcript(), (QStringList{u"Сервис:   // Режим диалога Cpu\\Cpu."_s,
                                         u"Сервис:   // Режим диалога Cpu\\User."_s, QString(),
                                         u"Сервис:   // Режим диалога Cpu\\User."_s, QString()}));
    EXPECT_TRUE(session().isEmpty());
}

TEST_F(ModesTest, TheEditorConvertsSecondsOnlyWhenConfirmed) {
    openReady();
    TForm2& editor = windows->form2();
    const std::pair<int, int> confirmed[] = {{5, 5000}, {36, 36000}, {100, 36000}};
    for (const auto& [seconds, milliseconds] : confirmed) {
        form->N38->trigger();
        EXPECT_FALSE(form->isEnabled());
        EXPECT_FALSE(form->T1.enabled());
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(editor.SpinEdit1->value(), 1);
        editor.SpinEdit1->setValue(seconds);
        editor.Button1->click();
        EXPECT_EQ(editor.SpinEdit1->value(), milliseconds) << seconds;
        EXPECT_TRUE(form->isEnabled());
        EXPECT_TRUE(form->T1.enabled());
        EXPECT_FALSE(editor.isVisible());
    }
    form->N38->trigger();
    editor.Button2->click();
    EXPECT_EQ(editor.SpinEdit1->value(), 1);

    // The window manager's close button, where it draws one anyway, cancels.
    form->N38->trigger();
    QCloseEvent close;
    QCoreApplication::sendEvent(&editor, &close);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_TRUE(form->T1.enabled());

    editor.SpinEdit1->findChild<QLineEdit*>()->setText(u"abc"_s);
    EXPECT_EQ(editor.SpinEdit1->number(), 1);
}

TEST_F(ModesTest, AnyChangeOfTheExchangeSettingsClearsTheDefaultsMark) {
    openReady();
    windows->form2().SpinEdit1->setValue(1000);
    form->N13->setChecked(true);
    form->N38->trigger();
    EXPECT_FALSE(form->N13->isChecked());

    form->N13->setChecked(true);
    windows->form2().Edit1->setText(u"/tmp/другой.txt"_s);
    EXPECT_FALSE(form->N13->isChecked());
}

TEST_F(ModesTest, ThePeriodTriggerAnswersTheFirstLineAndWritesTheReplyBack) {
    openReady();
    exchangeFile({"Привет.", "вторая строка", "третья"});
    TForm2& editor = windows->form2();
    editor.RB2->click();
    EXPECT_TRUE(editor.SpinEdit1->isEnabled());
    form->N38->trigger();
    editor.SpinEdit1->setValue(5);
    editor.Button1->click();
    form->Cpu31->trigger();
    form->T6Timer();

    EXPECT_EQ(form->T6.interval(), 5000);
    EXPECT_FALSE(form->Talk->isEnabled());
    EXPECT_EQ(transcript().mid(1), (QStringList{u"Привет."_s, u"Привет, человек!"_s}));
    EXPECT_EQ(exchangeLines(), std::vector<std::string>{"Привет, человек!"});
    EXPECT_TRUE(folder.read(kExchange).starts_with("{\\rtf1"));
    EXPECT_EQ(form->IdleTicks, 0);
}

TEST_F(ModesTest, CancellingRightAfterOpeningLeavesOneMillisecondAtTheFastRate) {
    openReady();
    exchangeFile({"Привет."});
    TForm2& editor = windows->form2();
    editor.RB2->click();
    form->N38->trigger();
    editor.Button2->click();
    form->Cpu31->trigger();
    form->T6Timer();
    EXPECT_EQ(form->T6.interval(), 1);
    EXPECT_EQ(form->T6.tickIntervalMs(), Timer::kFastRateMs);
}

TEST_F(ModesTest, TheEnterTriggerWaitsForEnterThenAnswersTheFileWithAnEmptyInput) {
    openReady();
    exchangeFile({"Привет."});
    form->Cpu31->trigger();
    form->T6Timer();
    EXPECT_EQ(transcript().size(), 1);
    EXPECT_TRUE(form->Talk->isEnabled());
    EXPECT_FALSE(form->Speak->isEnabled());

    form->Talk->click();
    EXPECT_EQ(transcript().mid(1), (QStringList{u"Привет."_s, u"Привет, человек!"_s}));
    EXPECT_EQ(exchangeLines(), std::vector<std::string>{"Привет, человек!"});
}

TEST_F(ModesTest, AMissingExchangeFileKeepsTheLastContentAndIsTriedAgain) {
    openReady();
    const std::string path = exchangeFile({"Привет."});
    form->Cpu31->trigger();
    form->T6Timer();
    folder.remove(kExchange);
    try {
        form->T6Timer();
        FAIL() << "the poll read a missing file";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + path);
    }
    EXPECT_EQ(form->LoadtxtCpuCpu.get(0), toEngineText(u"Привет."_s));
    EXPECT_TRUE(form->T6.enabled());
}

TEST_F(ModesTest, ControlCharactersOfTheExchangeFileBecomeSpaces) {
    openReady();
    exchangeFile({"Кто\tты\x1b[0m\x07"});
    form->Cpu31->trigger();
    form->T6Timer();
    form->Talk->click();
    EXPECT_EQ(transcript().at(1), u"Кто ты [0m."_s);
}

// A file that is no text (a picture named by mistake, a file being written) must never be
// answered, or the reply would overwrite it.
TEST_F(ModesTest, AnExchangeFileWithNulBytesIsNeitherAnsweredNorWritten) {
    openReady();
    const std::string path = exchangeFile({"Привет."});
    form->Cpu31->trigger();
    form->T6Timer();
    const std::string blob("GIF89a\x01\0\x01\0\xcf\xd0\xc8", 13);
    folder.write(kExchange, blob);
    for (int tick = 0; tick < 3; ++tick)
        runGuarded([this] { form->T6Timer(); }, ErrorSource::TimerTick);
    form->Talk->click();
    windows->form2().RB2->click();
    runGuarded([this] { form->T6Timer(); }, ErrorSource::TimerTick);

    EXPECT_EQ(boxes.texts(), QStringList{QString::fromStdString("Not a text file " + path)});
    EXPECT_EQ(transcript().size(), 1);
    EXPECT_EQ(folder.read(kExchange), blob);
    EXPECT_TRUE(form->T6.enabled());
}

TEST_F(ModesTest, TwoCopiesTalkThroughOneFile) {
    // The second copy, in a working folder of its own, with its own knowledge base.
    WorkFolder secondFolder;
    secondFolder.writeLines("Base/Words.Dat", {"БАЗА ФРАЗ", "ПРИВЕТ, ЧЕЛОВЕК!^Как дела?;",
                                               "ХОРОШО.^Привет, человек!;"});
    SeededRandom secondRandom(7);
    Windows second(secondRandom);
    std::filesystem::current_path(folder.path());
    openReady();
    std::filesystem::current_path(secondFolder.path());
    second.form1().T3Timer();
    second.form1().T7Timer();

    const std::string path = exchangeFile({"Привет."});
    second.form2().Edit1->setText(QString::fromStdString(path));
    for (TForm2* editor : {&windows->form2(), &second.form2()})
        editor->RB2->click();
    auto tick = [](TForm1& window, const WorkFolder& in) {
        std::filesystem::current_path(in.path());
        window.T6Timer();
    };
    std::filesystem::current_path(folder.path());
    form->Cpu31->trigger();
    std::filesystem::current_path(secondFolder.path());
    second.form1().Cpu31->trigger();

    for (int round = 0; round < 2; ++round) {
        tick(*form, folder);
        tick(second.form1(), secondFolder);
    }
    std::filesystem::current_path(folder.path());
    EXPECT_EQ(transcript().mid(1),
              (QStringList{u"Привет."_s, u"Привет, человек!"_s, u"Как дела?"_s, u"Хорошо."_s}));
    QStringList secondTranscript;
    for (int i = 1; i < second.form1().RE1->lineCount(); ++i)
        secondTranscript.append(second.form1().RE1->lineAt(i));
    EXPECT_EQ(secondTranscript, (QStringList{u"Привет, человек!"_s, u"Как дела?"_s, u"Хорошо."_s,
                                             u"Привет, человек!"_s}));
    EXPECT_EQ(exchangeLines(), std::vector<std::string>{"Привет, человек!"});
}

} // namespace
} // namespace besedka::test
