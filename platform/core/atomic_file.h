// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

namespace besedka {

// Replaces the file with the content so that, whatever happens meanwhile (a crash, a kill,
// a full disk), it holds either its old content or the new one, never a part.
// The file keeps its permissions; a new file gets the usual ones. A link stays a link: the file
// it leads to is replaced, in its own folder. Returns false on failure, errno saying why; a
// failure to flush the folder after the rename is one too, though the file already holds the
// new content.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view content);

// The file a save of the path replaces: the end of the chain of links that starts at the path.
std::filesystem::path savedFileOf(const std::filesystem::path& path);

// True when the name is that of a temporary file a save makes beside the file it replaces:
// '.', the file's name, '.', six letters or digits. Only names with an extension count, as all
// the knowledge files have, so that a hidden file such as ".config.backup" is never taken for one.
bool isTemporaryFileName(std::string_view name);

} // namespace besedka
