// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/cp1251.h"
#include "platform/core/line_list.h"
#include "tests/support/program_run.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace cp = besedka::cp1251;
using besedka::test::ProgramRun;
using besedka::test::TempFolder;

namespace {

// Runs besedka-cli in the folder with the given standard input.
ProgramRun cli(const TempFolder& folder, const std::string& args, const std::string& input = "") {
    return besedka::test::runInFolder(folder, std::string(BESEDKA_CLI) + " " + args, input);
}

} // namespace

TEST(CliFiles, WriteThenCatRoundTripsUtf8) {
    TempFolder folder;
    const std::string text = "Заголовок\nПРИВЕТ.^Привет!;Здравствуй.;\n\n_КАК ДЕЛА?^Хорошо.;\n";
    EXPECT_EQ(cli(folder, "write 'Base\\New.Dat'", text).status, 2) << "no Base folder yet";
    std::filesystem::create_directory(folder.path() / "Base");
    const ProgramRun write = cli(folder, "write 'Base\\New.Dat'", text);
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_TRUE(folder.read("Base/New.Dat").starts_with("{\\rtf1\\ansi\\ansicpg1251"));
    const ProgramRun cat = cli(folder, "cat base/new.dat");
    EXPECT_EQ(cat.status, 0);
    EXPECT_EQ(cat.out, text);
}

// One stray byte once made every line be read as Windows-1251: a whole base of mojibake.
TEST(CliFiles, WriteRefusesWhatWouldNotComeBackAsItWentInAndLeavesTheFileAlone) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "Base");
    ASSERT_EQ(cli(folder, "write Base/W.Dat", "первая\nвторая\n").status, 0);
    const std::string before = folder.read("Base/W.Dat");

    const ProgramRun stray = cli(folder, "write Base/W.Dat", "первая\nвто\xffрая\nтретья\n");
    EXPECT_EQ(stray.status, 2);
    EXPECT_NE(stray.err.find("line 2: byte 0xFF is not UTF-8"), std::string::npos) << stray.err;
    const ProgramRun emoji = cli(folder, "write Base/W.Dat", "а\nб\nв \xf0\x9f\x98\x80\n");
    EXPECT_EQ(emoji.status, 2);
    EXPECT_NE(emoji.err.find("line 3: U+1F600 has no Windows-1251 form"), std::string::npos)
        << emoji.err;
    EXPECT_EQ(folder.read("Base/W.Dat"), before);

    // Windows-1251 on purpose.
    const ProgramRun windows = cli(folder, "write --cp1251 Base/W.Dat", cp::fromUtf8("ёлка\r\n"));
    EXPECT_EQ(windows.status, 0) << windows.err;
    EXPECT_EQ(cli(folder, "cat Base/W.Dat").out, "ёлка\n");
}

TEST(CliFiles, CatReadsPlainWindows1251AndReportsMissingFiles) {
    TempFolder folder;
    folder.write("plain.txt", cp::fromUtf8("Ёлка\r\nпалка\r\n"));
    EXPECT_EQ(cli(folder, "cat plain.txt").out, "Ёлка\nпалка\n");
    const ProgramRun missing = cli(folder, "cat 'Base\\X.Dat'");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("Cannot open file Base\\X.Dat"), std::string::npos);
}

// A redirection from the wrong file, or a pipe whose writer failed, once emptied the base.
TEST(CliFiles, WriteRefusesEmptyInputUnlessAskedAndCatRefusesWhatIsNoText) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "Base");
    ASSERT_EQ(cli(folder, "write Base/W.Dat", "первая\n").status, 0);
    const std::string before = folder.read("Base/W.Dat");
    for (const char* args : {"write Base/W.Dat", "write --cp1251 Base/W.Dat"}) {
        const ProgramRun empty = cli(folder, args, "");
        EXPECT_EQ(empty.status, 2) << args;
        EXPECT_NE(empty.err.find("--allow-empty"), std::string::npos) << empty.err;
        EXPECT_EQ(folder.read("Base/W.Dat"), before) << args;
    }
    EXPECT_EQ(cli(folder, "write Base/W.Dat --allow-empty", "").status, 2) << "FILE comes last";
    const ProgramRun allowed = cli(folder, "write --allow-empty Base/W.Dat", "");
    EXPECT_EQ(allowed.status, 0) << allowed.err;
    EXPECT_EQ(cli(folder, "cat Base/W.Dat").out, "");

    const std::string picture("GIF89a\x01\0\x01\0\xcf\xd0\xc8", 13);
    folder.write("picture.gif", picture);
    const ProgramRun binary = cli(folder, "cat picture.gif");
    EXPECT_EQ(binary.status, 2);
    EXPECT_EQ(binary.out, "");
    EXPECT_EQ(binary.err, "besedka-cli: Not a text file picture.gif\n");
}

TEST(CliLint, ReportsEveryBrokenLineWithItsNumber) {
    TempFolder folder;
    folder.write("Base/Words.Dat", cp::fromUtf8("заголовок не проверяется\r\n"
                                                "ПРИВЕТ.^Привет!;\r\n"
                                                "\r\n"
                                                "нет крышки\r\n"
                                                "Ключ^Ответ;\r\n"
                                                "КЛЮЧ^Ответ\r\n"
                                                "КЛЮЧ^;\r\n"
                                                "ПОКА^Пока;@\r\n"
                                                "ПОКА^По@ка;\r\n"
                                                "ОТКРЫТЫЙ^\r\n"));
    const ProgramRun lint = cli(folder, "lint");
    EXPECT_EQ(lint.status, 1);
    EXPECT_EQ(lint.out, "Base\\Words.Dat:3: empty line\n"
                        "Base\\Words.Dat:4: no '^' after the key\n"
                        "Base\\Words.Dat:5: key has lower-case letters, it never matches\n"
                        "Base\\Words.Dat:6: answer without its closing ';'\n"
                        "Base\\Words.Dat:7: empty answer\n"
                        "Base\\Words.Dat:9: farewell mark '@' not at the very end\n");

    // Written by another editor past what reading takes: it is cut, and said so.
    folder.write("long.Dat", "header\r\nKEY^" + std::string(5000, 'a') + ";\r\n");
    EXPECT_EQ(cli(folder, "lint long.Dat").out,
              "long.Dat:2: too long: 5005 characters, reading takes 4096\n"
              "long.Dat:2: answer without its closing ';'\n");

    folder.write("good.Dat", cp::fromUtf8("header\r\nПРИВЕТ^Привет;\r\n"));
    const ProgramRun clean = cli(folder, "lint good.Dat");
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "");
}

TEST(CliStats, CountsPhrasesAndExpressions) {
    TempFolder folder;
    folder.write("Base/Words.Dat", cp::fromUtf8("header\r\nПРИВЕТ.^Привет!;Здравствуй.;\r\n"
                                                "_КАК ДЕЛА?^Хорошо.;\r\nТЫ КТО?^\r\n"));
    for (const char* file : {"BigString.Dat", "Pause.Dat", "Povtor.Dat", "W1.Dat", "X.Dat"})
        folder.write(std::string("Base/") + file, "a\r\nb\r\n");
    folder.write("Base/w2.dat", "only one line");
    const ProgramRun stats = cli(folder, "stats");
    EXPECT_EQ(stats.status, 0) << stats.err;
    EXPECT_EQ(stats.out, "Программе известно:   [главные фразы - 2   ветки - 1]\n"
                         "Входящие выражения: [3]\n"
                         "Исходящие выражения: [14]\n"
                         "Итого: [17]\n");

    folder.remove("Base/Pause.Dat");
    const ProgramRun missing = cli(folder, "stats");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("Cannot open file Base\\Pause.Dat"), std::string::npos);
}

TEST(CliUsage, HelpAndBadArguments) {
    TempFolder folder;
    const ProgramRun help = cli(folder, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("lint [--authoring [--corpus TEXT]] [FILE]"), std::string::npos);
    EXPECT_NE(help.out.find("why [--summary]"), std::string::npos);
    EXPECT_EQ(cli(folder, "cat --help").out, help.out);
    EXPECT_EQ(cli(folder, "").status, 2);
    EXPECT_EQ(cli(folder, "frobnicate").status, 2);
    EXPECT_EQ(cli(folder, "cat").status, 2);
    EXPECT_EQ(cli(folder, "stats extra").status, 2);
}

// Paths as a Linux user writes them, whatever the program accepts.
TEST(CliUsage, HelpSpellsPathsWithSlashes) {
    TempFolder folder;
    const ProgramRun help = cli(folder, "--help");
    EXPECT_NE(help.out.find("(default Base/Words.Dat)"), std::string::npos) << help.out;
    EXPECT_EQ(help.out.find('\\'), std::string::npos) << help.out;
}

// What was not understood is named, and nothing else happens.
TEST(CliUsage, UnknownOptionsAndCommandsAreNamed) {
    TempFolder folder;
    const std::pair<const char*, const char*> cases[] = {
        {"--bogus", "besedka-cli: unknown option --bogus\n"},
        {"-x stats", "besedka-cli: unknown option -x\n"},
        {"frobnicate", "besedka-cli: unknown command frobnicate\n"},
        {"chat --bogus", "besedka-cli: unknown option --bogus\n"},
        {"chat --seed 1 --bogus 2", "besedka-cli: unknown option --bogus\n"},
        {"chat --seed", "besedka-cli: --seed takes a whole number from 0 to 4294967295\n"},
        {"chat --exchange", "besedka-cli: --exchange takes the path of the exchange file\n"},
        {"chat --seed 1 --turns", "besedka-cli: --turns takes a positive whole number\n"}};
    for (const auto& [args, message] : cases) {
        const ProgramRun run = cli(folder, args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.err, message) << args;
        EXPECT_EQ(run.out, "") << args;
    }
}

TEST(CliUsage, VersionIsPrintedAndNothingElseDone) {
    TempFolder folder;
    for (const char* args : {"--version", "chat --version"}) {
        const ProgramRun version = cli(folder, args, "Привет\n");
        EXPECT_EQ(version.status, 0) << args;
        EXPECT_EQ(version.out, "besedka-cli " BESEDKA_VERSION "\n") << args;
        EXPECT_EQ(version.err, "") << args;
    }
}

namespace {

// Where no knowledge base is found the tools work on the desktop program's: its data folder,
// here under the test's own folder, given the shipped data of this build.
ProgramRun cliWithDataHome(const TempFolder& folder, const std::string& args,
                           const std::string& input = "") {
    const std::string home = (folder.path() / "data").string();
    return besedka::test::runInFolder(
        folder, "XDG_DATA_HOME='" + home + "' " + std::string(BESEDKA_CLI) + " " + args, input);
}

} // namespace

TEST(CliFolder, WithoutABaseHereTheToolsWorkInTheDataFolderAndHelpNamesIt) {
    TempFolder folder;
    const ProgramRun help = cliWithDataHome(folder, "--help");
    EXPECT_NE(
        help.out.find("Knowledge base from here: " + (folder.path() / "data/besedka").string()),
        std::string::npos)
        << help.out;
    EXPECT_FALSE(folder.exists("data")) << "help makes nothing";

    const ProgramRun stats = cliWithDataHome(folder, "stats");
    EXPECT_EQ(stats.status, 0) << stats.err;
    EXPECT_TRUE(stats.out.starts_with("Программе известно:")) << stats.out;
    EXPECT_TRUE(folder.exists("data/besedka/Base/Words.Dat")) << "the shipped data, copied";

    // What the chat learns stays in the data folder for the desktop program.
    const ProgramRun chat = cliWithDataHome(folder, "chat --seed 5", "Привет\n");
    EXPECT_EQ(chat.status, 0) << chat.err;
    const auto log = folder.readLines("data/besedka/Base/Log.Quorel");
    EXPECT_NE(std::find(log.begin(), log.end(), "USER:     Привет."), log.end());

    // A FILE is the user's, where the user stands; so is the exchange file.
    folder.write("mine.txt", "mine\r\n");
    EXPECT_EQ(cliWithDataHome(folder, "cat mine.txt").out, "mine\n");
    folder.write("exchange.txt", cp::fromUtf8("Привет\r\n"));
    const ProgramRun exchange =
        cliWithDataHome(folder, "chat --seed 5 --exchange exchange.txt --period 0.01 --turns 1");
    EXPECT_EQ(exchange.status, 0) << exchange.err;
    EXPECT_TRUE(folder.read("exchange.txt").starts_with("{\\rtf1"));
    EXPECT_FALSE(folder.exists("data/besedka/exchange.txt"));
    EXPECT_FALSE(folder.exists("Base")) << "nothing made where it started";
}
