// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace besedka::rtf {

// True when the bytes are an RTF document (they open with "{\rtf").
bool isRtf(std::string_view bytes);

// What reading an RTF document yields.
struct PlainText {
    std::string text;  // Windows-1251, paragraphs ended by '\n'
    bool complete;     // false: the input ends before the document's groups close
    int unconvertible; // a code page the text needs that no converter can read, else 0
};

// Never fails: truncated, unbalanced or binary input yields whatever text could be read, in time
// and memory proportional to the input, and says what is wrong with it. The text is made in the
// document's own buffer.
PlainText plainText(std::string rtf);

// The document the rich-text control of the original desktop writes: one paragraph per line.
std::string write(const std::vector<std::string>& lines);

} // namespace besedka::rtf
