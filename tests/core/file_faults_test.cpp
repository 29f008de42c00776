// SPDX-License-Identifier: GPL-3.0-or-later
// Files under faults: a missing converter, a cut RTF file, a linked base, stale temporary files,
// and the reason each failure gives.
#include "platform/core/cp1251.h"
#include "platform/core/fault_injection.h"
#include "platform/core/file_error.h"
#include "platform/core/folder_lock.h"
#include "platform/core/line_list.h"
#include "platform/core/rtf.h"
#include "tests/support/lock_holder.h"
#include "tests/support/program_run.h"
#include "tests/support/temp_folder.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

namespace besedka::test {

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using namespace std::chrono_literals;

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileError& e) {
        return cp1251::toUtf8(e.what());
    }
    return "no error";
}

// The message's second line: the full path and the reason.
std::string reasonLine(const TempFolder& folder, const fs::path& relative,
                       const std::string& reason) {
    return "\n" + (folder.path() / relative).string() + ": " + reason;
}

Lines utf8(const Lines& lines) {
    Lines out;
    for (const auto& line : lines)
        out.push_back(cp1251::toUtf8(line));
    return out;
}

LineList loaded(const TempFolder& folder, const std::string& spelledPath) {
    LineList list;
    list.load(spelledPath, folder.working());
    return list;
}

// A base of three lines as the program saves it.
const Lines kBase = {"Фразы", "ПРИВЕТ.^Привет!;", "КАК ДЕЛА?^Хорошо.;"};
std::string savedBase() {
    Lines lines;
    for (const auto& line : kBase)
        lines.push_back(cp1251::fromUtf8(line));
    return rtf::write(lines);
}

} // namespace

// Without the C library's converter modules every letter once became '?'.
TEST(MissingConverter, Windows1251NeedsNoConverterAndOtherCodePagesAreRefused) {
    TempFolder folder;
    const InjectedFault noConverter(FaultPlace::LoadConverter, ENOENT);
    folder.write("Base/Words.Dat", "Фразы\nПРИВЕТ.^Привет, ёжик — «друг» №1!;\n");
    LineList base = loaded(folder, "Base\\Words.Dat");
    base.save("Base\\Words.Dat", folder.working());
    EXPECT_EQ(utf8(loaded(folder, "Base\\Words.Dat").lines()),
              (Lines{"Фразы", "ПРИВЕТ.^Привет, ёжик — «друг» №1!;"}));
    // Plain ASCII in another code page needs no converter either.
    folder.write("Base/Latin.Dat", "{\\rtf1\\ansi\\ansicpg1252 Hello\\par}");
    EXPECT_EQ(loaded(folder, "Base\\Latin.Dat").lines(), Lines{"Hello"});

    folder.write("Base/Words.Dat", "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9\\par}");
    EXPECT_EQ(messageOf([&] { loaded(folder, "Base\\Words.Dat"); }),
              "Cannot open file Base\\Words.Dat" +
                  reasonLine(folder, "Base/Words.Dat",
                             "в системе нет преобразователя кодовой страницы 1252"));
    EXPECT_EQ(folder.read("Base/Words.Dat"), "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9\\par}");
}

TEST(CutRtfFile, CutAtAnyByteBeforeItsLastBraceItIsRefusedWithTheLineItEndsAfter) {
    const std::string whole = savedBase();
    const std::size_t firstText = whole.find("\\fs16 ") + 6;
    for (std::size_t length = 5; length < whole.rfind('}'); ++length) {
        const std::string cut = whole.substr(0, length);
        // Every paragraph mark ends a line; text after the last one starts another.
        int paragraphs = 0;
        std::size_t nextText = std::min(firstText, length);
        for (auto at = cut.find("\\par", firstText); at != std::string::npos;
             at = cut.find("\\par", at + 1)) {
            ++paragraphs;
            nextText = std::min(at + 6, length);
        }
        try {
            const Lines lines = parseLines(cut);
            ADD_FAILURE() << "read " << lines.size() << " lines of: " << cut;
        } catch (const UnreadableContent& e) {
            EXPECT_EQ(e.problem().kind(), FileProblem::Kind::EndsInsideGroup);
            // An escape cut before its first digit stands for no character yet.
            const std::string_view started = std::string_view(cut).substr(nextText);
            const bool textStarted = !started.empty() && started != "\\" && started != "\\'";
            if (length >= firstText) {
                EXPECT_EQ(e.problem().detail(), paragraphs + (textStarted ? 1 : 0)) << cut;
            }
        }
    }
    EXPECT_EQ(parseLines(whole).size(), kBase.size());
}

TEST(CutRtfFile, IsRefusedWithWhereItEndsByTheProgramLintAndWrite) {
    TempFolder folder;
    const std::string whole = savedBase();
    const std::string cut = whole.substr(0, whole.rfind("\\par"));
    folder.write("Base/Words.Dat", cut);
    EXPECT_EQ(messageOf([&] { loaded(folder, "Base\\Words.Dat"); }),
              "Cannot open file Base\\Words.Dat" +
                  reasonLine(folder, "Base/Words.Dat",
                             "файл повреждён: он обрывается внутри группы, после строки 3"));

    const ProgramRun lint =
        runInFolder(folder, std::string(BESEDKA_CLI) + " lint 'Base\\Words.Dat'");
    EXPECT_EQ(lint.status, 1) << lint.err;
    EXPECT_EQ(lint.out, "Base\\Words.Dat:3: damaged: the file ends inside a group after this "
                        "line; the program will not read it\n");
    const ProgramRun write =
        runInFolder(folder, std::string(BESEDKA_CLI) + " write Base/Other.Dat", cut);
    EXPECT_EQ(write.status, 2);
    EXPECT_NE(write.err.find("обрывается внутри группы, после строки 3"), std::string::npos)
        << write.err;
    EXPECT_FALSE(folder.exists("Base/Other.Dat"));
    EXPECT_EQ(folder.read("Base/Words.Dat"), cut);
}

// A shared base is a link in each copy's folder; a save once replaced it with a local copy.
TEST(LinkedFile, ASaveReplacesTheLinkedFileInItsFolderAndTheLinkStays) {
    TempFolder folder;
    folder.write("Shared/Words.Dat", savedBase());
    fs::create_directory(folder.path() / "Base");
    fs::create_symlink("../Shared/Words.Dat", folder.path() / "Base/Words.Dat");
    LineList base = loaded(folder, "Base\\Words.Dat");
    base.add(cp1251::fromUtf8("НОВОЕ.^"));
    {
        const FolderLock lock("Base\\Words.Dat", folder.working());
        // The lock is the shared folder's: copies linking to one file take one lock.
        EXPECT_EQ(
            messageOf([&] { FolderLock("Shared/Words.Dat", folder.working(), 0ms); }).substr(0, 30),
            "Cannot open file Shared/Words.");
        base.save("Base\\Words.Dat", folder.working());
    }
    EXPECT_TRUE(fs::is_symlink(folder.path() / "Base/Words.Dat"));
    EXPECT_EQ(fs::read_symlink(folder.path() / "Base/Words.Dat"), "../Shared/Words.Dat");
    EXPECT_EQ(utf8(loaded(folder, "Shared/Words.Dat").lines()).back(), "НОВОЕ.^");
    EXPECT_EQ(
        std::distance(fs::directory_iterator(folder.path() / "Base"), fs::directory_iterator()), 1);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(folder.path() / "Shared"), fs::directory_iterator()),
        1);
}

TEST(StaleTemporaryFiles, AreRemovedWhenTheLockIsTakenAndOnlyThoseOfOurNaming) {
    TempFolder folder;
    folder.write("Base/Words.Dat", savedBase());
    const Lines kept = {"Base/.config.backup", "Base/.Words.Dat.old~", "Base/Words.Dat.Ab12Cd",
                        "Base/.Words.Dat.Ab12C"};
    for (const auto& name : kept)
        folder.write(name, "someone's own");
    folder.write("Base/.Words.Dat.Ab12Cd", "half a save");
    folder.write("Base/.W1.Dat.x9Y8z7", "half a save");
    // Beside an exchange file, another program may save under such a name.
    folder.write("Elsewhere/.W1.Dat.x9Y8z7", "another program's save under way");
    {
        const FolderLock exchange("Elsewhere\\talk.txt", folder.working());
        const FolderLock lock("Base\\W2.Dat", folder.working());
        EXPECT_FALSE(folder.exists("Base/.Words.Dat.Ab12Cd"));
        EXPECT_FALSE(folder.exists("Base/.W1.Dat.x9Y8z7"));
    }
    for (const auto& name : kept)
        EXPECT_TRUE(folder.exists(name)) << name;
    EXPECT_TRUE(folder.exists("Elsewhere/.W1.Dat.x9Y8z7"));
    EXPECT_TRUE(folder.exists("Base/Words.Dat"));
}

// Another copy writes its temporary file only while it holds the lock, so it is never taken.
TEST(StaleTemporaryFiles, AnotherCopysLiveSaveIsKept) {
    TempFolder folder;
    folder.write("Base/Words.Dat", savedBase());
    LockHolder other("Base\\Words.Dat", folder.working());
    folder.write("Base/.Words.Dat.Ab12Cd", "the other copy's save under way");
    EXPECT_NE(messageOf([&] { FolderLock("Base\\Words.Dat", folder.working(), 0ms); }), "no error");
    EXPECT_TRUE(folder.exists("Base/.Words.Dat.Ab12Cd"));
    other.kill();
    { const FolderLock lock("Base\\Words.Dat", folder.working(), 0ms); }
    EXPECT_FALSE(folder.exists("Base/.Words.Dat.Ab12Cd")) << "its save was killed";
}

// "Cannot create file Base\Words.Dat" once said nothing of why.
TEST(FailureReasons, EachSaysWhyWithTheFullPathUnderTheFirstLine) {
    TempFolder folder;
    folder.write("Base/Words.Dat", savedBase());
    const LineList base = loaded(folder, "Base\\Words.Dat");
    const auto saveFailure = [&](FaultPlace place, int error) {
        const InjectedFault fault(place, error);
        return messageOf([&] { base.save("Base\\Words.Dat", folder.working()); });
    };
    const std::string cannotCreate = "Cannot create file Base\\Words.Dat";
    EXPECT_EQ(saveFailure(FaultPlace::WriteTemporary, ENOSPC),
              cannotCreate + reasonLine(folder, "Base/Words.Dat", "нет места на устройстве"));
    EXPECT_EQ(saveFailure(FaultPlace::CreateTemporary, EROFS),
              cannotCreate + reasonLine(folder, "Base/Words.Dat",
                                        "файловая система доступна только для чтения"));
    EXPECT_EQ(saveFailure(FaultPlace::CreateTemporary, EACCES),
              cannotCreate + reasonLine(folder, "Base/Words.Dat", "нет прав доступа"));
    EXPECT_EQ(folder.read("Base/Words.Dat"), savedBase());
    EXPECT_EQ(
        std::distance(fs::directory_iterator(folder.path() / "Base"), fs::directory_iterator()), 1)
        << "a failed save leaves no temporary file";

    {
        const InjectedFault unreadable(FaultPlace::OpenForReading, EACCES);
        EXPECT_EQ(messageOf([&] { loaded(folder, "Base\\Words.Dat"); }),
                  "Cannot open file Base\\Words.Dat" +
                      reasonLine(folder, "Base/Words.Dat", "нет прав доступа"));
    }
    // A missing file is all its first line says.
    EXPECT_EQ(messageOf([&] { loaded(folder, "Base\\W1.Dat"); }), "Cannot open file Base\\W1.Dat");

    LockHolder other("Base\\Words.Dat", folder.working());
    EXPECT_EQ(messageOf([&] { FolderLock("Base\\W1.Dat", folder.working(), 0ms); }),
              "Cannot open file Base\\W1.Dat" +
                  reasonLine(folder, "Base", "другая копия Беседки сохраняет в эту папку"));
}

// A folder that is not flushed after the rename may lose the save in a crash: no success then.
TEST(FailureReasons, AFolderThatCannotBeFlushedAfterTheRenameFailsTheSave) {
    TempFolder folder;
    fs::create_directory(folder.path() / "Base");
    const InjectedFault fault(FaultPlace::FlushFolder, EIO);
    EXPECT_EQ(messageOf([&] { LineList(Lines{"x"}).save("Base\\W1.Dat", folder.working()); }),
              "Cannot create file Base\\W1.Dat" +
                  reasonLine(folder, "Base/W1.Dat", "ошибка ввода-вывода"));
}

} // namespace besedka::test
