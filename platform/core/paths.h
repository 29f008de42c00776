// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace besedka::paths {

// Paths are spelled as the program spells them ("Base\Words.Dat", "D:\Txt.Dat", in Windows-1251).
// Each component is matched against what exists without regard to letter case, so
// "Base\Words.dat" and "base/words.DAT" name one file. A drive path "X:\rest" means /mnt/x/rest.
// A component that does not exist keeps the spelling given, which is how a new file is named.
std::filesystem::path resolve(const std::string& spelled);

} // namespace besedka::paths
