// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes handed to the RTF reader: no crash, no hang, and what it reads survives a save.
#include "platform/core/line_list.h"
#include "platform/core/rtf.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes = "{\\rtf1";
    bytes.append(reinterpret_cast<const char*>(data), size);
    const auto lines = besedka::parseLines(bytes);
    if (besedka::parseLines(besedka::rtf::write(lines)) != lines)
        std::abort();
    return 0;
}
