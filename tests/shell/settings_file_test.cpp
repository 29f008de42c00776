// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/settings_file.h"
#include "shell/chosen_settings.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace besedka::test {
namespace {

using namespace Qt::Literals::StringLiterals;
using namespace std::string_literals;

constexpr FontChoice kAnySize{};

class SettingsFileTest : public ::testing::Test {
protected:
    QString file(const std::string& relative = "config/besedka/besedka.conf") const {
        return QString::fromStdString((folder.path() / relative).string());
    }

    TempFolder folder;
};

TEST_F(SettingsFileTest, WhatIsSavedReadsBackTheSameFromAFreshFile) {
    SettingsFile settings(file());
    const FontSpec font{u"Liberation Serif"_s, 14, true, false, true, false};
    const QString path = u"/home/аня/обмен, общий; \"кавычки\" #1.txt"_s;
    settings.putColor(u"colors/background"_s, QColor(12, 200, 255));
    settings.putFont(u"fonts/user"_s, font);
    settings.putText(u"exchange/file"_s, path);
    settings.putNumber(u"exchange/period"_s, 36000);
    settings.putFlag(u"speedWord"_s, true);
    ASSERT_TRUE(settings.save());

    const SettingsFile again(file());
    EXPECT_EQ(again.color(u"colors/background"_s), QColor(12, 200, 255));
    EXPECT_EQ(again.font(u"fonts/user"_s, kAnySize), font);
    EXPECT_EQ(again.text(u"exchange/file"_s), path);
    EXPECT_EQ(again.number(u"exchange/period"_s, 1, 36000), 36000);
    EXPECT_EQ(again.flag(u"speedWord"_s), true);
    EXPECT_EQ(again.color(u"colors/other"_s), std::nullopt) << "never saved";
}

// The file is the user's to edit: whatever it holds, each value that is no value of its kind
// reads as nothing, and the next save replaces the whole file.
TEST_F(SettingsFileTest, GarbageAndValuesOutOfRangeReadAsNothingUntilTheNextSave) {
    folder.write("besedka.conf", "\x89PNG\0\x01\xff[[[\n"
                                             "[colors]\nred=red\nshort=#12345\nlong=#1234567\n"
                                             "[fonts]\nzero/name=Arial\nzero/size=0\n"
                                             "huge/name=Arial\nhuge/size=5000\n"
                                             "[exchange]\nperiod=0\nlate=36001\nword=abc\n"
                                             "file=/tmp/a\x01z\nnul=/tmp/a\0z\n"
                                             "[flags]\nmaybe=yes\n"s);
    const SettingsFile settings(file("besedka.conf"));
    for (const char* key : {"colors/red", "colors/short", "colors/long"})
        EXPECT_EQ(settings.color(QString::fromLatin1(key)), std::nullopt) << key;
    for (const char* key : {"fonts/zero", "fonts/huge"})
        EXPECT_EQ(settings.font(QString::fromLatin1(key), kAnySize), std::nullopt) << key;
    for (const char* key : {"exchange/period", "exchange/late", "exchange/word"})
        EXPECT_EQ(settings.number(QString::fromLatin1(key), 1, 36000), std::nullopt) << key;
    EXPECT_EQ(settings.text(u"exchange/file"_s), std::nullopt);
    EXPECT_EQ(settings.text(u"exchange/nul"_s), std::nullopt);
    EXPECT_EQ(settings.flag(u"flags/maybe"_s), std::nullopt);

    SettingsFile rewritten(file("besedka.conf"));
    rewritten.putNumber(u"exchange/period"_s, 5);
    ASSERT_TRUE(rewritten.save());
    EXPECT_EQ(rewritten.number(u"exchange/period"_s, 1, 36000), 5);
    EXPECT_EQ(folder.read("besedka.conf").find("PNG"), std::string::npos);
    EXPECT_EQ(rewritten.color(u"colors/short"_s), std::nullopt);
}

// Qt keeps the first error it meets: a garbled file's format error once hid the write that failed
// after it, and the choice was lost without a word.
TEST_F(SettingsFileTest, AWriteThatFailsOverAGarbledFileIsReported) {
    // A name as long as names go: the file reads, but the temporary file of a save, whose name is
    // longer, cannot be made beside it.
    const std::string longest(255, 'c');
    folder.write(longest, "\x89PNG\0\x01[[[\n"s);
    SettingsFile settings(file(longest));
    settings.putNumber(u"exchange/period"_s, 5);
    EXPECT_FALSE(settings.save());

    SettingsFile mended(file("besedka.conf"));
    folder.write("besedka.conf", "\x89PNG\0\x01[[[\n"s);
    mended.putNumber(u"exchange/period"_s, 5);
    EXPECT_TRUE(mended.save()) << "a garbled file that can be replaced is";
    EXPECT_EQ(mended.number(u"exchange/period"_s, 1, 36000), 5);
}

TEST_F(SettingsFileTest, AFontTheChooserWouldNotOfferReadsAsNothing) {
    SettingsFile settings(file());
    settings.putFont(u"input"_s, {u"Arial"_s, 12});
    settings.putFont(u"underlined"_s, {u"Arial"_s, 8, false, false, true});
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(settings.font(u"input"_s, {.smallestSize = 8, .largestSize = 8}), std::nullopt);
    EXPECT_EQ(settings.font(u"underlined"_s, {.effects = false}), std::nullopt);
    EXPECT_TRUE(settings.font(u"underlined"_s, kAnySize));
}

TEST_F(SettingsFileTest, AnUnwritableFolderKeepsNothingAndForgettingRemovesTheFile) {
    SettingsFile nowhere(u"/proc/besedka-cannot-be-here/besedka.conf"_s);
    nowhere.putFlag(u"speedWord"_s, true);
    EXPECT_FALSE(nowhere.save());

    SettingsFile settings(file());
    settings.putFlag(u"speedWord"_s, true);
    ASSERT_TRUE(settings.save());
    EXPECT_TRUE(settings.forget());
    EXPECT_FALSE(folder.exists("config/besedka/besedka.conf"));
    EXPECT_EQ(SettingsFile(file()).flag(u"speedWord"_s), std::nullopt);
}

ChosenSettings everyChoiceChanged() {
    ChosenSettings chosen;
    int shade = 0;
    for (QColor* color : {&chosen.windowBackground, &chosen.transcriptBackground,
                          &chosen.inputBackground, &chosen.inputText, &chosen.sayCaption,
                          &chosen.undoCaption, &chosen.layoutCaption, &chosen.sharedColor,
                          &chosen.userLineColor, &chosen.systemLineColor}) {
        ++shade;
        *color = QColor(10 * shade, 255 - shade, shade);
    }
    chosen.userLineFont = {u"Liberation Serif"_s, 14, true, true};
    chosen.systemLineFont = {u"DejaVu Sans"_s, 20, false, true};
    chosen.inputChooserFont = {u"Liberation Mono"_s, 8, true, false, true, true};
    chosen.inputFont = {u"Liberation Mono"_s, 9, true, false, true, true};
    chosen.exchangeFile = u"/srv/обмен.txt"_s;
    chosen.exchangeOnPeriod = true;
    chosen.exchangePeriod = 5000;
    chosen.speedWord = true;
    return chosen;
}

TEST_F(SettingsFileTest, EveryChoiceIsKeptAndABadOneLeavesItsStartValue) {
    const ChosenSettings chosen = everyChoiceChanged();
    SettingsFile settings(file());
    ASSERT_TRUE(keepChosenSettings(settings, chosen));
    EXPECT_EQ(readChosenSettings(settings, ChosenSettings{}), chosen);

    const std::string kept = folder.read("config/besedka/besedka.conf");
    std::string garbled = kept;
    garbled.replace(garbled.find("period=5000"), 11, "period=0");
    garbled.replace(garbled.find("userLines=#"), 11, "userLines=?");
    folder.write("config/besedka/besedka.conf", garbled);
    ChosenSettings expected = chosen;
    expected.exchangePeriod = ChosenSettings{}.exchangePeriod;
    // The timer goes with its period: without it, it would poll at every tick.
    expected.exchangeOnPeriod = ChosenSettings{}.exchangeOnPeriod;
    expected.userLineColor = ChosenSettings{}.userLineColor;
    EXPECT_EQ(readChosenSettings(settings, ChosenSettings{}), expected);
}

} // namespace
} // namespace besedka::test
