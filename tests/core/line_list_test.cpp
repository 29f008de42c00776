// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/core/line_list.h"
#include "platform/core/paths.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using besedka::FileError;
using besedka::LineList;
using besedka::test::StandingIn;
using besedka::test::TempFolder;
namespace cp = besedka::cp1251;
using Lines = std::vector<std::string>;

namespace {

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileError& e) {
        return e.what();
    }
    return "no error";
}

// Root may write any file, and CI runs the tests as root: there the action runs in a child that
// has become "nobody", owner of the folder and of all in it, and hands its message back.
std::string messageOfUnprivileged(const TempFolder& folder, const std::function<void()>& action) {
    if (::geteuid() != 0)
        return messageOf(action);
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr)
        return "no user nobody to run as";
    const auto handOver = [nobody](const std::filesystem::path& path) {
        return ::chown(path.c_str(), nobody->pw_uid, nobody->pw_gid) == 0;
    };
    bool handedOver = handOver(folder.path());
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path()))
        handedOver = handOver(entry.path()) && handedOver;
    if (!handedOver)
        return "the folder cannot be handed to nobody";
    int channel[2];
    if (::pipe(channel) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child < 0)
        return "no child process";
    if (child == 0) {
        ::close(channel[0]);
        const bool unprivileged =
            ::setgid(nobody->pw_gid) == 0 && ::setuid(nobody->pw_uid) == 0 && ::geteuid() != 0;
        const std::string message = unprivileged ? messageOf(action) : "still root";
        const bool written = ::write(channel[1], message.data(), message.size()) ==
                             static_cast<ssize_t>(message.size());
        ::_exit(written ? 0 : 1);
    }
    ::close(channel[1]);
    std::string message;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return message;
}

} // namespace

TEST(LineListLoad, PlainTextWithEitherLineEnd) {
    TempFolder folder;
    folder.write("Base/crlf.Dat", cp::fromUtf8("ПРИВЕТ.^Привет!;\r\n_КАК ДЕЛА?^Хорошо.;\r\n"));
    folder.write("Base/lf.Dat", cp::fromUtf8("ПРИВЕТ.^Привет!;\n_КАК ДЕЛА?^Хорошо.;"));
    LineList crlf, lf;
    crlf.load("Base\\crlf.Dat", folder.working());
    lf.load("Base\\lf.Dat", folder.working());
    EXPECT_EQ(crlf.count(), 2);
    EXPECT_EQ(crlf.lines(), lf.lines());
    EXPECT_EQ(cp::toUtf8(crlf.get(1)), "_КАК ДЕЛА?^Хорошо.;");
}

TEST(LineListLoad, OnlyOneFinalEmptyLineIsDropped) {
    TempFolder folder;
    const std::pair<std::string, Lines> cases[] = {{"", {}},
                                                   {"\r\n", {""}},
                                                   {"a\r\n\r\n", {"a", ""}},
                                                   {"a\r\n\r\nb", {"a", "", "b"}},
                                                   {"a\rb\r", {"a", "b"}},
                                                   {std::string("a\0b\r\n", 5), {"ab"}}};
    for (const auto& [bytes, lines] : cases) {
        folder.write("f.txt", bytes);
        LineList list;
        list.load("f.txt", folder.working());
        EXPECT_EQ(list.lines(), lines) << "content of " << bytes.size() << " bytes";
    }
}

TEST(LineListLoad, Utf8FromLinuxEditorsIsConverted) {
    TempFolder folder;
    folder.write("bom.txt", "\xEF\xBB\xBFok\r\n");
    folder.write("utf8.txt", "Привет\nЁлка\n");
    folder.write("cp1251.txt", cp::fromUtf8("Привет\r\nЁлка\r\n"));
    LineList bom, utf8, legacy;
    bom.load("bom.txt", folder.working());
    utf8.load("utf8.txt", folder.working());
    legacy.load("cp1251.txt", folder.working());
    EXPECT_EQ(bom.lines(), Lines{"ok"});
    EXPECT_EQ(utf8.lines(), legacy.lines());
    EXPECT_EQ(cp::toUtf8(utf8.get(1)), "Ёлка");
}

TEST(LineListAccess, OutOfRangeReadsEmptyAndLongLinesAreCutOnlyWhenRead) {
    LineList list(Lines{"one", std::string(5000, 'x')});
    EXPECT_EQ(list.get(-1), "");
    EXPECT_EQ(list.get(2), "");
    EXPECT_EQ(list.get(1).size(), LineList::kMaxLineRead);
    EXPECT_EQ(list.lines()[1].size(), 5000u);

    list.add("three");
    list.remove(7);
    list.remove(0);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.get(1), "three");
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.get(0), "");
}

TEST(LineListSave, RoundTripsAndKeepsLongLinesWhole) {
    TempFolder folder;
    folder.write("Base/Words.Dat", "");
    const Lines lines = {cp::fromUtf8("Заголовок"), cp::fromUtf8("ПРИВЕТ.^Привет!;Здравствуй.;"),
                         "", std::string(5000, 'y'), " {\\} "};
    LineList(lines).save("Base\\Words.Dat", folder.working());
    EXPECT_TRUE(folder.read("Base/Words.Dat").starts_with("{\\rtf1"));
    LineList again;
    again.load("base/words.dat", folder.working());
    EXPECT_EQ(again.lines(), lines);
}

TEST(LineListSave, KeepsPermissionsAndRefusesReadOnlyFiles) {
    TempFolder folder;
    folder.write("shared.Dat", "old\r\n");
    const std::string shared = (folder.path() / "shared.Dat").string();
    ::chmod(shared.c_str(), 0640);
    LineList(Lines{"new"}).save("shared.Dat", folder.working());
    struct stat st {};
    ASSERT_EQ(::stat(shared.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    ::chmod(shared.c_str(), 0440);
    // The first line; the next names the file as the system sees it and why it refused.
    const std::string refused = messageOfUnprivileged(
        folder, [&] { LineList(Lines{"x"}).save("shared.Dat", folder.working()); });
    EXPECT_EQ(refused.substr(0, refused.find('\n')), "Cannot create file shared.Dat");
    EXPECT_EQ(
        messageOf([&] { LineList(Lines{"x"}).save("Missing\\Folder\\New.Dat", folder.working()); }),
        "Cannot create file Missing\\Folder\\New.Dat");
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1u) << "a failed save leaves no temporary file";
}

TEST(LineListErrors, MissingFilesAndFoldersAreOpenErrorsWithTheSpelledPath) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "Base");
    EXPECT_EQ(messageOf([&] { LineList().load("Base\\X.Dat", folder.working()); }),
              "Cannot open file Base\\X.Dat");
    EXPECT_EQ(messageOf([&] { LineList().load("Base", folder.working()); }),
              "Cannot open file Base");
    const std::string cyrillic = cp::fromUtf8("Base\\Нет.Dat");
    EXPECT_EQ(messageOf([&] { LineList().load(cyrillic, folder.working()); }),
              "Cannot open file " + cyrillic);
}

TEST(Paths, ComponentsMatchWithoutRegardToCase) {
    TempFolder folder;
    folder.write("base/WORDS.dat", "x");
    folder.write("Данные/Файл.txt", "y");
    const auto resolve = [&](const std::string& spelled) {
        return besedka::paths::resolve(spelled, folder.path());
    };
    EXPECT_EQ(resolve("Base\\Words.Dat"), folder.path() / "base/WORDS.dat");
    EXPECT_EQ(resolve("BASE/words.DAT"), folder.path() / "base/WORDS.dat");
    EXPECT_EQ(resolve(cp::fromUtf8("данные\\ФАЙЛ.TXT")), folder.path() / "Данные/Файл.txt");
    EXPECT_EQ(resolve("Base\\New.Dat"), folder.path() / "base/New.Dat");
    EXPECT_EQ(resolve("D:\\Txt.Dat"), "/mnt/d/Txt.Dat");
    EXPECT_EQ(resolve("/tmp/x"), "/tmp/x");
}

TEST(Paths, AWorkingFolderFindsFilesUnderItWhereverTheProcessStands) {
    TempFolder working;
    working.write("base/WORDS.dat", "x\r\n");
    const TempFolder elsewhere;
    const StandingIn standing(elsewhere.path());
    const besedka::WorkingFolder folder(working.path());
    EXPECT_EQ(folder.resolve("Base\\Words.Dat"), working.path() / "base" / "WORDS.dat");
    EXPECT_EQ(folder.resolve("Base\\New.Dat"), working.path() / "base" / "New.Dat");
    EXPECT_EQ(folder.resolve("D:\\Txt.Dat"), "/mnt/d/Txt.Dat");
    EXPECT_EQ(folder.resolve("/tmp/x"), "/tmp/x");

    LineList list;
    list.load("Base\\Words.Dat", folder);
    EXPECT_EQ(list.lines(), Lines{"x"});
    LineList({"y"}).save("Base\\Words.Dat", folder);
    EXPECT_EQ(working.readLines("base/WORDS.dat"), Lines{"y"});
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere.path()));

    // Named as spelled, with the full path of the working folder's file on the reason line.
    EXPECT_EQ(messageOf([&] { LineList().load("Base\\Gone.Dat", folder); }),
              "Cannot open file Base\\Gone.Dat");
    working.write("base/Cut.Dat", "{\\rtf1 {cut");
    const std::string message = messageOf([&] { LineList().load("Base\\Cut.Dat", folder); });
    EXPECT_TRUE(message.starts_with("Cannot open file Base\\Cut.Dat\n" +
                                    (working.path() / "base" / "Cut.Dat").string() + ": "))
        << message;
}
