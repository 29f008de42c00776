// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace besedka {

// The one error a file operation raises. The message is the program's own text,
// in Windows-1251 like every other engine string: "Cannot open file Base\X.Dat".
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    static FileError cannotOpen(const std::string& spelledPath) {
        return FileError("Cannot open file " + spelledPath);
    }
    static FileError cannotCreate(const std::string& spelledPath) {
        return FileError("Cannot create file " + spelledPath);
    }
    static FileError notText(const std::string& spelledPath) {
        return FileError("Not a text file " + spelledPath);
    }
};

} // namespace besedka
