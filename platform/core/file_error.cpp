// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/file_error.h"

#include "platform/core/cp1251.h"

#include <cerrno>

namespace besedka {

namespace {

// Every reason the program gives for a file, in the user's language.
std::string reasonInUtf8(FileProblem::Kind kind, int detail) {
    using Kind = FileProblem::Kind;
    switch (kind) {
    case Kind::NoSpace:
        return "нет места на устройстве";
    case Kind::ReadOnlyFileSystem:
        return "файловая система доступна только для чтения";
    case Kind::NoPermission:
        return "нет прав доступа";
    case Kind::InputOutput:
        return "ошибка ввода-вывода";
    case Kind::FolderLocked:
        return "другая копия Беседки сохраняет в эту папку";
    case Kind::EndsInsideGroup:
        return "файл повреждён: он обрывается внутри группы, после строки " +
               std::to_string(detail);
    case Kind::NoConverter:
        return "в системе нет преобразователя кодовой страницы " + std::to_string(detail);
    case Kind::Unexplained:
        break;
    }
    return {};
}

// The reason goes under the first line with the full path: the spelled one may be relative
// to a working folder the user does not know.
std::string withReasonLine(const std::string& firstLine, const FileProblem& why,
                           const std::filesystem::path& where) {
    const std::string reason = why.reason();
    if (reason.empty())
        return firstLine;
    std::error_code ignored;
    const std::filesystem::path full = std::filesystem::absolute(where, ignored).lexically_normal();
    return firstLine + '\n' + cp1251::fromUtf8(full.string()) + ": " + reason;
}

} // namespace

FileProblem FileProblem::ofSystemError(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return FileProblem(Kind::NoSpace, 0);
    case EROFS:
        return FileProblem(Kind::ReadOnlyFileSystem, 0);
    case EACCES:
    case EPERM:
        return FileProblem(Kind::NoPermission, 0);
    case EIO:
        return FileProblem(Kind::InputOutput, 0);
    default:
        return {};
    }
}

std::string FileProblem::reason() const {
    return cp1251::fromUtf8(reasonInUtf8(kind_, detail_));
}

FileError::FileError(const std::string& firstLine, const FileProblem& why,
                     const std::filesystem::path& where)
    : std::runtime_error(withReasonLine(firstLine, why, where)), problem_(why) {}

} // namespace besedka
