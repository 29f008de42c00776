// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/cp1251.h"
#include "platform/core/line_list.h"
#include "tests/support/program_run.h"

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
    std::filesystem::create_directory("Base");
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
    std::filesystem::create_directory("Base");
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

    std::filesystem::remove("Base/Pause.Dat");
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
