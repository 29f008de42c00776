// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/program_run.h"

#include <cstdlib>
#include <sys/wait.h>

namespace besedka::test {

ProgramRun runInFolder(const TempFolder& folder, const std::string& commandLine,
                       const std::string& input) {
    folder.write(".stdin", input);
    const std::string command = "cd '" + folder.path().string() + "' && " + commandLine +
                                " <.stdin >.stdout 2>.stderr";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, folder.read(".stdout"), folder.read(".stderr")};
}

} // namespace besedka::test
