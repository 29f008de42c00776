// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes handed to the RTF reader: no crash, no hang, and what it reads survives a save.
#include "platform/core/file_error.h"
#include "platform/core/line_list.h"
#include "platform/core/rtf.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes = "{\\rtf1";
    bytes.append(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    try {
        lines = besedka::parseLines(bytes);
    } catch (const besedka::UnreadableContent&) {
        return 0; // a damaged document is refused, which is an answer too
    }
    if (besedka::parseLines(besedka::rtf::write(lines)) != lines)
        std::abort();
    return 0;
}
