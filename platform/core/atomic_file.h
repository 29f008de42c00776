// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

namespace besedka {

// Replaces the file with the content so that, whatever happens meanwhile (a crash, a kill,
// a full disk), it holds either its old content or the new one, never a part.
// The file keeps its permissions; a new file gets the usual ones. Returns false on failure.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view content);

} // namespace besedka
