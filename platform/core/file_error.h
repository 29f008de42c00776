// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace besedka {

// Why a file could not be read or written, as far as the program can tell the user.
class FileProblem {
public:
    enum class Kind {
        Unexplained, // the first line of the message says all: a missing file, a folder
        NoSpace,
        ReadOnlyFileSystem,
        NoPermission,
        InputOutput,
        FolderLocked,
        EndsInsideGroup,
        NoConverter,
    };

    FileProblem() = default;
    // What the system's error number says, Unexplained for the numbers it has no reason for.
    static FileProblem ofSystemError(int error);
    static FileProblem folderLocked() { return FileProblem(Kind::FolderLocked, 0); }
    static FileProblem endsInsideGroup(int afterLine) {
        return FileProblem(Kind::EndsInsideGroup, afterLine);
    }
    static FileProblem noConverter(int codePage) {
        return FileProblem(Kind::NoConverter, codePage);
    }

    Kind kind() const { return kind_; }
    // The line after which a damaged file ends, the code page that has no converter.
    int detail() const { return detail_; }
    // The reason in Russian, in Windows-1251; empty when unexplained.
    std::string reason() const;

private:
    FileProblem(Kind kind, int detail) : kind_(kind), detail_(detail) {}

    Kind kind_ = Kind::Unexplained;
    int detail_ = 0;
};

// The one error a file operation raises. The message is the program's own text, in Windows-1251
// like every other engine string: "Cannot open file Base\X.Dat", and when the program can tell
// why, a second line with the full path and the reason.
class FileError : public std::runtime_error {
public:
    static FileError cannotOpen(const std::string& spelledPath) {
        return cannotOpen(spelledPath, {}, {});
    }
    // `where` is the file or folder the reason is about, as the process finds it.
    static FileError cannotOpen(const std::string& spelledPath, const FileProblem& why,
                                const std::filesystem::path& where) {
        return FileError("Cannot open file " + spelledPath, why, where);
    }
    static FileError cannotCreate(const std::string& spelledPath) {
        return cannotCreate(spelledPath, {}, {});
    }
    static FileError cannotCreate(const std::string& spelledPath, const FileProblem& why,
                                  const std::filesystem::path& where) {
        return FileError("Cannot create file " + spelledPath, why, where);
    }
    static FileError notText(const std::string& spelledPath) {
        return FileError("Not a text file " + spelledPath, {}, {});
    }

    const FileProblem& problem() const { return problem_; }

private:
    FileError(const std::string& firstLine, const FileProblem& why,
              const std::filesystem::path& where);

    FileProblem problem_;
};

// File content that reading cannot take as it is: a damaged document, or one in a code page
// that no converter can read. The caller knows which file it came from.
class UnreadableContent : public std::runtime_error {
public:
    explicit UnreadableContent(const FileProblem& why)
        : std::runtime_error(why.reason()), problem_(why) {}

    const FileProblem& problem() const { return problem_; }

private:
    FileProblem problem_;
};

} // namespace besedka
