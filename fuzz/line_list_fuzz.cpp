// SPDX-License-Identifier: GPL-3.0-or-later
// Any file content loaded as a line list, RTF or plain text in either encoding.
#include "platform/core/file_error.h"
#include "platform/core/line_list.h"
#include "platform/core/rtf.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    besedka::LineList list;
    try {
        list = besedka::LineList(besedka::parseLines(bytes));
    } catch (const besedka::UnreadableContent&) {
        return 0; // a damaged document is refused, which is an answer too
    }
    for (int i = -1; i <= list.count(); ++i)
        if (list.get(i).size() > besedka::LineList::kMaxLineRead)
            std::abort();
    if (besedka::parseLines(besedka::rtf::write(list.lines())) != list.lines())
        std::abort();
    return 0;
}
