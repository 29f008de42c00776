// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_fields.h"
#include "modes/exchange_editor.h"
#include "platform/core/file_error.h"
#include "platform/qt/engine_text.h"
#include "tests/support/scripted_random.h"
#include "window_test.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <filesystem>

namespace besedka::test {
namespace {

QColor lastLineColor(const MainWindow& shown) {
    return shown.controls()
        .transcript->document()
        ->lastBlock()
        .begin()
        .fragment()
        .charFormat()
        .foreground()
        .color();
}

// The colour each line is drawn in, from the first.
QList<QColor> lineColors(const MainWindow& shown) {
    QList<QColor> colors;
    const QTextDocument* document = shown.controls().transcript->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        colors.append(block.begin().fragment().charFormat().foreground().color());
    return colors;
}

class RemarksTest : public WindowTest {
protected:
    void tickIdle(int seconds) {
        for (int i = 0; i < seconds; ++i)
            window->remarks().countSilentSecond();
    }
};

TEST_F(RemarksTest, TheIdleRemarkComesBetweenSixtyAndNinetySecondsOfSilence) {
    openReady();
    window->choosers().sharedColor.setColor(Qt::darkMagenta);
    tickIdle(30);
    type(u"набираю, но не отправляю"_s);
    tickIdle(29);
    EXPECT_EQ(transcript(), QStringList());

    tickIdle(31);
    EXPECT_EQ(transcript(), QStringList{u"Ты здесь?"_s});
    EXPECT_EQ(session(), QStringList{u"CPU:     Ты здесь?"_s});
    EXPECT_EQ(lastLineColor(*window), QColor(Qt::darkMagenta));
    EXPECT_EQ(toQString(window->conversation().engine().state().reply), u"Ты здесь?"_s);
    EXPECT_EQ(window->sounds().systemSound.playRequests(), 1);
    EXPECT_LE(window->conversation().idleSeconds(), 30);
}

// The remark takes the shared chooser's colour, which the background was just chosen with: it was
// drawn white on white.
TEST_F(RemarksTest, ARemarkInTheBackgroundsColourIsDrawnInOneThatReads) {
    openReady();
    {
        ChooserAnswers answers;
        answers.confirmColor(Qt::white);
        menu().transcriptColor->trigger();
    }
    tickIdle(90);
    ASSERT_EQ(transcript(), QStringList{u"Ты здесь?"_s});
    EXPECT_EQ(lastLineColor(*window), QColor(Qt::black));
    EXPECT_EQ(controls().transcript->lineColor(), QColor(Qt::white)) << "the choice stays";

    // Too close to read counts as the same; a colour that reads is kept.
    window->choosers().sharedColor.setColor(QColor(255, 255, 200));
    window->conversation().sayRemark(toEngineText(u"Бледно-жёлтая."_s));
    EXPECT_EQ(lastLineColor(*window), QColor(Qt::black));
    window->choosers().sharedColor.setColor(Qt::darkMagenta);
    window->conversation().sayRemark(toEngineText(u"Пурпурная."_s));
    EXPECT_EQ(lastLineColor(*window), QColor(Qt::darkMagenta));

    // On a background it reads on, a line takes its own colour again; on a dark one, white.
    const QColor white(Qt::white), black(Qt::black), magenta(Qt::darkMagenta);
    paintBackground(controls().transcript, QPalette::Base, magenta);
    EXPECT_EQ(lineColors(*window), (QList<QColor>{white, QColor(255, 255, 200), white}));
    paintBackground(controls().transcript, QPalette::Base, white);
    EXPECT_EQ(lineColors(*window), (QList<QColor>{black, black, magenta}));
}

TEST_F(RemarksTest, ARemarkKeepsTheFontOfTheLineBeforeIt) {
    openReady();
    window->choosers().userLineFont.setFont({u"Serif"_s, 10, false, true});
    window->choosers().systemLineFont.setFont({u"Sans"_s, 12, true});
    say(u"привет"_s);
    window->conversation().sayRemark(toEngineText(u"Ты здесь?"_s));

    const QTextCharFormat remark =
        controls().transcript->document()->lastBlock().begin().fragment().charFormat();
    EXPECT_EQ(remark.fontFamilies().toStringList(), QStringList{u"Sans"_s});
    EXPECT_EQ(remark.fontPointSize(), 12);
    EXPECT_EQ(remark.fontWeight(), QFont::Bold);
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
    for (int second = 0; second < 89; ++second)
        window->conversation().countIdleSecond();
    EXPECT_THROW(window->remarks().countSilentSecond(), FileError);
    EXPECT_THROW(window->remarks().countSilentSecond(), FileError);
    EXPECT_EQ(window->conversation().idleSeconds(), 91);

    folder.writeLines("Base/Pause.Dat", {"Снова тут."});
    window->remarks().countSilentSecond();
    EXPECT_EQ(transcript(), QStringList{u"Снова тут."_s});
    EXPECT_EQ(window->conversation().idleSeconds(), 0);
}

TEST_F(RemarksTest, TheGreetingComesInOneDrawOfThreeAndStopsItsTimer) {
    ScriptedRandom draws({1, 2, 0});
    MainWindow greeter(draws, clock, folder.working());
    greeter.remarks().startGreeting();
    greeter.remarks().greet();
    EXPECT_FALSE(greeter.remarks().greetingTimer().enabled());
    greeter.remarks().startGreeting();
    greeter.remarks().greet();
    EXPECT_EQ(greeter.controls().transcript->lineCount(), 0);

    greeter.remarks().startGreeting();
    greeter.remarks().greet();
    EXPECT_FALSE(greeter.remarks().greetingTimer().enabled());
    EXPECT_EQ(greeter.controls().transcript->lineAt(0), u"Здравствуй!"_s);
    EXPECT_EQ(greeter.conversation().sessionLog().lines(),
              std::vector<std::string>{toEngineText(u"CPU:     Здравствуй!"_s)});
}

TEST_F(RemarksTest, AGreetingThatCannotBeReadIsDrawnAgainAtTheNextTick) {
    ScriptedRandom draws({0, 1});
    MainWindow greeter(draws, clock, folder.working());
    folder.remove("Base/Begin.dat");
    greeter.remarks().startGreeting();
    EXPECT_THROW(greeter.remarks().greet(), FileError);
    EXPECT_TRUE(greeter.remarks().greetingTimer().enabled());
    greeter.remarks().greet(); // the draw says no: stopped without reading
    EXPECT_FALSE(greeter.remarks().greetingTimer().enabled());
}

TEST_F(RemarksTest, TheFollowUpRemarkComesAtTheSecondTickOrTheFirstAfterACarryOver) {
    openReady();
    window->conversation().workingList().load("Base\\AI.dat", folder.working());
    window->remarks().setFollowUpPending(true);
    window->remarks().countFollowUpWait();
    EXPECT_TRUE(transcript().isEmpty());
    window->remarks().countFollowUpWait();
    EXPECT_EQ(transcript(), QStringList{u"Кстати."_s});
    EXPECT_FALSE(window->remarks().followUpRemarkTimer().enabled());
    EXPECT_EQ(window->remarks().followUpWait(), 0);

    // A turn stopped the timer between its ticks: the half-wait stays counted.
    window->remarks().setFollowUpPending(true);
    window->remarks().countFollowUpWait();
    window->remarks().setFollowUpPending(false);
    window->remarks().setFollowUpPending(true);
    window->remarks().countFollowUpWait();
    EXPECT_EQ(transcript(), (QStringList{u"Кстати."_s, u"Кстати."_s}));
}

class ModesTest : public WindowTest {
protected:
    // An exchange file named by its full path, as a user would name it in the editor.
    std::string exchangeFile(const std::vector<std::string>& lines) {
        folder.writeLines(kExchange, lines);
        const QString path = QString::fromStdString((folder.path() / kExchange).string());
        confirmPath(*window, path);
        return path.toStdString();
    }

    // What the user confirms in the editor of one copy.
    static void confirmPath(MainWindow& copy, const QString& path) {
        copy.menu().openEditor->trigger();
        pathEdit(copy.exchangeMode().editor())->setText(path);
        okButton(copy.exchangeMode().editor())->click();
    }
    static void confirmTimerTrigger(MainWindow& copy, int seconds) {
        copy.menu().openEditor->trigger();
        ExchangeEditor& editor = copy.exchangeMode().editor();
        readByTimerButton(editor)->click();
        periodBox(editor)->setValue(seconds);
        okButton(editor)->click();
    }

    std::vector<std::string> exchangeLines() const { return folder.readLines(kExchange); }

    static constexpr const char* kExchange = "shared/Txt.Dat";
};

TEST_F(ModesTest, SwitchingModesShowsANoticeAndHandsTheTimersOver) {
    openReady();
    type(u"недописанное"_s);
    menu().exchangeMode->trigger();
    EXPECT_FALSE(window->controlStates().controlStateTimer().enabled());
    EXPECT_TRUE(window->exchangeMode().exchangePollTimer().enabled());
    EXPECT_TRUE(menu().exchangeMode->isChecked());
    EXPECT_FALSE(menu().conversationMode->isChecked());
    EXPECT_EQ(controls().statusBar->panelText(2), u"Режим Cpu\\Cpu"_s);
    EXPECT_EQ(controls().inputLine->text(), u"недописанное"_s);
    EXPECT_EQ(transcript(), QStringList{u"Сервис:   // Режим диалога Cpu\\Cpu."_s});
    EXPECT_EQ(lastLineColor(*window), QColor(0, 128, 128));

    menu().conversationMode->trigger();
    menu().conversationMode->trigger();
    EXPECT_TRUE(window->controlStates().controlStateTimer().enabled());
    EXPECT_FALSE(window->exchangeMode().exchangePollTimer().enabled());
    EXPECT_TRUE(menu().conversationMode->isChecked());
    EXPECT_FALSE(menu().exchangeMode->isChecked());
    EXPECT_EQ(controls().statusBar->panelText(2), u"Режим Cpu\\User"_s);
    EXPECT_EQ(controls().inputLine->text(), QString());
    EXPECT_EQ(transcript(), (QStringList{u"Сервис:   // Режим диалога Cpu\\Cpu."_s,
                                         u"Сервис:   // Режим диалога Cpu\\User."_s, QString(),
                                         u"Сервис:   // Режим диалога Cpu\\User."_s, QString()}));
    EXPECT_TRUE(session().isEmpty());
}

TEST_F(ModesTest, TheEditorConvertsSecondsOnlyWhenConfirmed) {
    openReady();
    ExchangeEditor& editor = window->exchangeMode().editor();
    const std::pair<int, int> confirmed[] = {{5, 5000}, {36, 36000}, {100, 36000}};
    int shownSeconds = 1;
    for (const auto& [seconds, milliseconds] : confirmed) {
        menu().openEditor->trigger();
        EXPECT_FALSE(window->isEnabled());
        EXPECT_FALSE(window->controlStates().controlStateTimer().enabled());
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(periodBox(editor)->value(), shownSeconds) << "the period in force";
        periodBox(editor)->setValue(seconds);
        okButton(editor)->click();
        EXPECT_EQ(editor.settings().periodMs, milliseconds) << seconds;
        EXPECT_TRUE(window->isEnabled());
        EXPECT_TRUE(window->controlStates().controlStateTimer().enabled());
        EXPECT_FALSE(editor.isVisible());
        shownSeconds = milliseconds / 1000;
    }
    menu().openEditor->trigger();
    periodBox(editor)->setValue(9);
    cancelButton(editor)->click();
    EXPECT_EQ(editor.settings().periodMs, 36000);

    // The window manager's close button, where it draws one anyway, cancels.
    menu().openEditor->trigger();
    QCloseEvent close;
    QCoreApplication::sendEvent(&editor, &close);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->controlStates().controlStateTimer().enabled());

    periodBox(editor)->findChild<QLineEdit*>()->setText(u"abc"_s);
    EXPECT_EQ(periodBox(editor)->number(), 1);
}

TEST_F(ModesTest, AConfirmedChangeOfThePathOrThePeriodClearsTheDefaultsMark) {
    openReady();
    ExchangeEditor& editor = window->exchangeMode().editor();
    menu().resetSettings->setChecked(true);
    menu().openEditor->trigger();
    pathEdit(editor)->setText(u"/tmp/другой.txt"_s);
    cancelButton(editor)->click();
    EXPECT_TRUE(menu().resetSettings->isChecked()) << "nothing changed";

    confirmPath(*window, u"/tmp/другой.txt"_s);
    EXPECT_FALSE(menu().resetSettings->isChecked());

    menu().resetSettings->setChecked(true);
    confirmTimerTrigger(*window, 4);
    EXPECT_FALSE(menu().resetSettings->isChecked());
}

TEST_F(ModesTest, ThePeriodTriggerAnswersTheFirstLineAndWritesTheReplyBack) {
    openReady();
    exchangeFile({"Привет.", "вторая строка", "третья"});
    ExchangeEditor& editor = window->exchangeMode().editor();
    menu().openEditor->trigger();
    readByTimerButton(editor)->click();
    EXPECT_TRUE(periodBox(editor)->isEnabled());
    periodBox(editor)->setValue(5);
    okButton(editor)->click();
    menu().exchangeMode->trigger();
    window->exchangeMode().pollExchangeFile();

    EXPECT_EQ(window->exchangeMode().exchangePollTimer().interval(), 5000);
    EXPECT_FALSE(controls().enterButton->isEnabled());
    EXPECT_EQ(transcript().mid(1), (QStringList{u"Привет."_s, u"Привет, человек!"_s}));
    EXPECT_EQ(exchangeLines(), std::vector<std::string>{"Привет, человек!"});
    EXPECT_TRUE(folder.read(kExchange).starts_with("{\\rtf1"));
    EXPECT_EQ(window->conversation().idleSeconds(), 0);
}

// The editor's fields are a draft: with the timer at 2 s, a cancelled editor once left the poll
// at 1 ms, one copy answering itself hundreds of times a second.
TEST_F(ModesTest, CancelLeavesTheSettingsAsTheyWereAndNothingTypedActsBeforeConfirmation) {
    openReady();
    const QString path = QString::fromStdString(exchangeFile({"Привет."}));
    confirmTimerTrigger(*window, 2);
    menu().exchangeMode->trigger();
    ExchangeEditor& editor = window->exchangeMode().editor();
    const ExchangeSettings inForce{path, true, 2000};
    ASSERT_EQ(editor.settings(), inForce);

    for (int opening = 0; opening < 2; ++opening) {
        menu().openEditor->trigger();
        EXPECT_EQ(pathEdit(editor)->text(), path);
        EXPECT_TRUE(readByTimerButton(editor)->isChecked());
        EXPECT_FALSE(readOnEnterButton(editor)->isChecked());
        EXPECT_TRUE(periodBox(editor)->isEnabled());
        EXPECT_EQ(periodBox(editor)->value(), 2);

        // The poll goes on while the editor is open, on the settings in force.
        pathEdit(editor)->setText(u"/nowhere/Txt.Dat"_s);
        periodBox(editor)->setValue(7);
        readOnEnterButton(editor)->click();
        const auto linesBefore = transcript().size();
        window->exchangeMode().pollExchangeFile();
        EXPECT_EQ(window->exchangeMode().exchangePollTimer().interval(), 2000);
        EXPECT_EQ(transcript().size(), linesBefore + 2) << "a turn on the file in force";

        cancelButton(editor)->click();
        EXPECT_EQ(editor.settings(), inForce);
        window->exchangeMode().pollExchangeFile();
        EXPECT_EQ(window->exchangeMode().exchangePollTimer().interval(), 2000);
        EXPECT_EQ(window->exchangeMode().exchangePollTimer().tickIntervalMs(), 2000);
    }
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(ModesTest, TheEnterTriggerWaitsForEnterThenAnswersTheFileWithAnEmptyInput) {
    openReady();
    exchangeFile({"Привет."});
    menu().exchangeMode->trigger();
    window->exchangeMode().pollExchangeFile();
    EXPECT_EQ(transcript().size(), 1);
    EXPECT_TRUE(controls().enterButton->isEnabled());
    EXPECT_FALSE(controls().sayButton->isEnabled());

    controls().enterButton->click();
    EXPECT_EQ(transcript().mid(1), (QStringList{u"Привет."_s, u"Привет, человек!"_s}));
    EXPECT_EQ(exchangeLines(), std::vector<std::string>{"Привет, человек!"});
}

TEST_F(ModesTest, AMissingExchangeFileKeepsTheLastContentAndIsTriedAgain) {
    openReady();
    const std::string path = exchangeFile({"Привет."});
    menu().exchangeMode->trigger();
    window->exchangeMode().pollExchangeFile();
    folder.remove(kExchange);
    try {
        window->exchangeMode().pollExchangeFile();
        FAIL() << "the poll read a missing file";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + path);
    }
    EXPECT_EQ(window->conversation().exchangeBuffer().get(0), toEngineText(u"Привет."_s));
    EXPECT_TRUE(window->exchangeMode().exchangePollTimer().enabled());
}

TEST_F(ModesTest, ControlCharactersOfTheExchangeFileBecomeSpaces) {
    openReady();
    exchangeFile({"Кто\tты\x1b[0m\x07"});
    menu().exchangeMode->trigger();
    window->exchangeMode().pollExchangeFile();
    controls().enterButton->click();
    EXPECT_EQ(transcript().at(1), u"Кто ты [0m."_s);
}

// A file that is no text (a picture named by mistake, a file being written) must never be
// answered, or the reply would overwrite it.
TEST_F(ModesTest, AnExchangeFileWithNulBytesIsNeitherAnsweredNorWritten) {
    openReady();
    const std::string path = exchangeFile({"Привет."});
    menu().exchangeMode->trigger();
    window->exchangeMode().pollExchangeFile();
    const std::string blob("GIF89a\x01\0\x01\0\xcf\xd0\xc8", 13);
    folder.write(kExchange, blob);
    for (int tick = 0; tick < 3; ++tick)
        runGuarded([this] { window->exchangeMode().pollExchangeFile(); }, ErrorSource::TimerTick);
    controls().enterButton->click();
    confirmTimerTrigger(*window, 1);
    runGuarded([this] { window->exchangeMode().pollExchangeFile(); }, ErrorSource::TimerTick);

    EXPECT_EQ(boxes.texts(), QStringList{QString::fromStdString("Not a text file " + path)});
    EXPECT_EQ(transcript().size(), 1);
    EXPECT_EQ(folder.read(kExchange), blob);
    EXPECT_TRUE(window->exchangeMode().exchangePollTimer().enabled());
}

TEST_F(ModesTest, TwoCopiesTalkThroughOneFile) {
    // The second copy, in a working folder of its own, with its own knowledge base.
    WorkFolder secondFolder;
    secondFolder.writeLines("Base/Words.Dat", {"БАЗА ФРАЗ", "ПРИВЕТ, ЧЕЛОВЕК!^Как дела?;",
                                               "ХОРОШО.^Привет, человек!;"});
    SeededRandom secondRandom(7);
    MainWindow second(secondRandom, clock, secondFolder.working());
    openReady();
    second.conversation().loadKnowledgeBase();
    second.conversation().playDialogueStartAnimation();

    const std::string path = exchangeFile({"Привет."});
    confirmPath(second, QString::fromStdString(path));
    for (MainWindow* copy : {window.get(), &second})
        confirmTimerTrigger(*copy, 1);
    menu().exchangeMode->trigger();
    second.menu().exchangeMode->trigger();

    for (int round = 0; round < 2; ++round) {
        window->exchangeMode().pollExchangeFile();
        second.exchangeMode().pollExchangeFile();
    }
    EXPECT_EQ(transcript().mid(1),
              (QStringList{u"Привет."_s, u"Привет, человек!"_s, u"Как дела?"_s, u"Хорошо."_s}));
    QStringList secondTranscript;
    for (int i = 1; i < second.controls().transcript->lineCount(); ++i)
        secondTranscript.append(second.controls().transcript->lineAt(i));
    EXPECT_EQ(secondTranscript, (QStringList{u"Привет, человек!"_s, u"Как дела?"_s, u"Хорошо."_s,
                                             u"Привет, человек!"_s}));
    EXPECT_EQ(exchangeLines(), std::vector<std::string>{"Привет, человек!"});
}

} // namespace
} // namespace besedka::test
