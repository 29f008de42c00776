// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/qt/choosers.h"
#include "platform/qt/error_report.h"
#include "platform/qt/message_box.h"
#include "platform/qt/sound_player.h"
#include "platform/qt/timer.h"
#include "platform/qt/transcript_view.h"
#include "window_test.h"

#include <QFontDialog>
#include <gtest/gtest.h>
#include <stdexcept>
#include <utility>

namespace besedka::test {
namespace {

class TranscriptViewTest : public ::testing::Test {
protected:
    TranscriptViewTest() {
        view.resize(200, 300);
        view.show();
    }

    QStringList lines() const {
        QStringList result;
        for (int i = 0; i < view.lineCount(); ++i)
            result.append(view.lineAt(i));
        return result;
    }

    TranscriptView view;
};

TEST_F(TranscriptViewTest, LinesAreTheDisplayLinesOfWrappedParagraphs) {
    const QString longLine = u"Очень длинная строка, которая никак не уместится в узком поле "
                             u"вывода и будет перенесена на несколько строк"_s;
    view.appendLine(u"Привет."_s);
    view.appendLine(longLine);
    view.appendLine(u"Пока."_s);

    const QStringList shown = lines();
    ASSERT_GT(shown.size(), 4);
    EXPECT_EQ(shown.first(), u"Привет."_s);
    EXPECT_EQ(shown.last(), u"Пока."_s);
    EXPECT_EQ(shown.mid(1, shown.size() - 2).join(QString()), longLine);
    EXPECT_EQ(view.lineAt(shown.size()), QString());
    EXPECT_EQ(view.lineAt(-1), QString());
}

TEST_F(TranscriptViewTest, EmptyLinesCountAndDeletingRemovesOneDisplayLine) {
    EXPECT_EQ(view.lineCount(), 0);
    EXPECT_FALSE(view.hasLines());
    view.deleteLastLine();
    EXPECT_EQ(view.lineCount(), 0);

    view.appendLine(QString());
    EXPECT_EQ(view.lineCount(), 1);
    EXPECT_TRUE(view.hasLines());
    view.appendLine(u"Первая строка абзаца, которая переносится по словам в узком поле"_s);
    const int wrapped = view.lineCount() - 1;
    ASSERT_GT(wrapped, 1);

    view.deleteLastLine();
    EXPECT_EQ(view.lineCount(), wrapped);
    for (int left = wrapped - 1; left > 0; --left)
        view.deleteLastLine();
    EXPECT_EQ(lines(), QStringList{QString()});
    view.deleteLastLine();
    EXPECT_EQ(view.lineCount(), 0);
    EXPECT_FALSE(view.hasLines());
}

class ErrorReportTest : public ::testing::Test {
protected:
    std::chrono::steady_clock::time_point now{};
    ErrorReport report{[this] { return now; }};
    MessageBox::Recorder boxes;
};

TEST_F(ErrorReportTest, AMessageWhoseBoxIsOpenOpensNoSecondBox) {
    report.report(u"Cannot open file Base\\X.Dat"_s, ErrorSource::Action);
    report.report(u"Cannot open file Base\\X.Dat"_s, ErrorSource::Action);
    report.report(u"Cannot open file Base\\X.Dat"_s, ErrorSource::TimerTick);
    report.report(u"Cannot open file Base\\W1.Dat"_s, ErrorSource::Action);
    EXPECT_EQ(boxes.texts(),
              (QStringList{u"Cannot open file Base\\X.Dat"_s, u"Cannot open file Base\\W1.Dat"_s}));

    boxes.closeAll();
    report.report(u"Cannot open file Base\\X.Dat"_s, ErrorSource::Action);
    EXPECT_EQ(boxes.texts().size(), 3);
}

TEST_F(ErrorReportTest, AFailingTimerShowsItsMessageAgainOnlyAfterAPause) {
    const QString message = u"Cannot open file Base\\Pause.Dat"_s;
    report.report(message, ErrorSource::TimerTick);
    boxes.closeAll();

    now += ErrorReport::kTimerRepeatPause - std::chrono::seconds(1);
    report.report(message, ErrorSource::TimerTick);
    EXPECT_EQ(boxes.texts().size(), 1);

    now += std::chrono::seconds(1);
    report.report(message, ErrorSource::TimerTick);
    EXPECT_EQ(boxes.texts().size(), 2);
}

TEST_F(ErrorReportTest, TheGuardEndsTheHandlerAndReportsWhatEscaped) {
    int stepsDone = 0;
    runGuarded([&] {
        ++stepsDone;
        throw FileError::cannotOpen(cp1251::fromUtf8("Base\\Слова.Dat"));
    });
    runGuarded([] { throw std::runtime_error("out of range"); });
    runGuarded([] { throw 42; });
    guarded([&] { ++stepsDone; })();

    EXPECT_EQ(stepsDone, 2);
    EXPECT_EQ(boxes.texts(), (QStringList{u"Cannot open file Base\\Слова.Dat"_s, u"out of range"_s,
                                          u"Unexpected error"_s}));
}

// Confirming a chooser without touching it must leave the font as it was, so the dialog has to
// open on the font's own style, whatever the installed font that stands in lists first.
TEST(FontChooserTest, TheDialogOpensOnTheStyleOfTheFontItHolds) {
    for (const QString& name : {u"MS Sans Serif"_s, u"Arial"_s, u"Courier New"_s}) {
        for (const auto& [bold, italic] : {std::pair{false, false}, {true, false}, {false, true}}) {
            const FontSpec held{name, 10, bold, italic};
            const QFontDialog dialog(dialogFont(held));
            const QFont shown = dialog.currentFont();
            EXPECT_EQ(shown.bold(), bold) << name.toStdString() << " " << bold << italic;
            EXPECT_EQ(shown.italic(), italic) << name.toStdString() << " " << bold << italic;
            EXPECT_EQ(shown.pointSize(), 10);
        }
    }
}

TEST(SoundPlayerTest, OnlyAReadableWaveFileCanBeOpened) {
    WorkFolder folder;
    folder.writeLines("Sound/Text.wav", {"not a sound"});
    for (const char* spelled : {"Sound\\Missing.wav", "Sound\\Text.wav"}) {
        try {
            SoundPlayer player(spelled, folder.working());
            ADD_FAILURE() << spelled << " was opened";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()), std::string("Cannot open file ") + spelled);
        }
    }

    SoundPlayer click("Sound\\keyboard.WAV", folder.working());
    click.play();
    click.play();
    EXPECT_EQ(click.playRequests(), 2);
}

TEST(TimerTest, FastTimersTickAtTheFastRateAndOnlyWhenThereIsAHandler) {
    Timer fast(1, true);
    EXPECT_TRUE(fast.enabled());
    EXPECT_FALSE(fast.ticking());
    fast.setHandler([] {});
    EXPECT_TRUE(fast.ticking());
    EXPECT_EQ(fast.interval(), 1);
    EXPECT_EQ(fast.tickIntervalMs(), Timer::kFastRateMs);

    fast.setEnabled(false);
    EXPECT_FALSE(fast.ticking());
    fast.setInterval(40);
    fast.setEnabled(true);
    EXPECT_TRUE(fast.ticking());
    EXPECT_EQ(fast.tickIntervalMs(), 40);

    Timer slow(1000, false);
    slow.setHandler([] {});
    EXPECT_FALSE(slow.ticking());
    slow.setEnabled(true);
    EXPECT_EQ(slow.tickIntervalMs(), 1000);
}

} // namespace
} // namespace besedka::test
