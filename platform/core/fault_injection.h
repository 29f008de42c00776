// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace besedka {

// The places where the system can fail a file operation for reasons a test cannot bring about
// on its own: a full disk, a read-only file system, a denied permission while running as root,
// a C library without its converter modules.
enum class FaultPlace {
    OpenForReading,
    CreateTemporary,
    WriteTemporary,
    FlushFolder,
    LoadConverter
};

// The error a system call at the place fails with in a test, 0 when it is to run as usual.
int injectedError(FaultPlace place);

// While it lives, every system call at the place fails with the error (an errno value).
class InjectedFault {
public:
    InjectedFault(FaultPlace place, int error);
    ~InjectedFault();
    InjectedFault(const InjectedFault&) = delete;
    InjectedFault& operator=(const InjectedFault&) = delete;

private:
    FaultPlace place_;
    int previous_;
};

} // namespace besedka
