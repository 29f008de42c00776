// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Windows-1251 is the program's text everywhere but at the edges (widgets, terminal).
namespace besedka::cp1251 {

// Each character without a Windows-1251 form, and each malformed UTF-8 byte, becomes '?'.
std::string fromUtf8(std::string_view utf8);
// Bytes that Windows-1251 leaves undefined (0x98) become '?'.
std::string toUtf8(std::string_view text);
void appendUtf8(std::string& out, std::string_view text);

// Case mapping of the Windows-1251 locale: Latin, Russian (ё/Ё) and the other Cyrillic letters
// of the code page. Every other byte is returned unchanged.
char upper(char c);
char lower(char c);
std::string upper(std::string_view text);
std::string lower(std::string_view text);
// The whole upper-case mapping, for loops that map every byte of a long text.
const std::array<char, 256>& upperTable();
// A letter is a byte that has another case.
bool isLetter(char c);
// The runs of letters of the text, in order: its words without digits or signs.
std::vector<std::string> letterWords(std::string_view text);

// The Unicode code point of a byte, 0 for the one undefined byte (0x98);
// and the byte for a code point, 0 when the code page has none (and for U+0000).
char32_t toUnicode(unsigned char byte);
unsigned char fromUnicode(char32_t codePoint);

// True when the bytes are well-formed UTF-8 holding at least one multi-byte sequence:
// such a file comes from a Linux editor, since real Windows-1251 Russian text practically never is.
bool looksLikeUtf8(std::string_view bytes);

// The first place where UTF-8 text cannot become Windows-1251 without loss: a malformed byte
// (codePoint 0) or a character the code page has no form for.
struct LossyCharacter {
    std::size_t offset = 0;
    char32_t codePoint = 0;
};
std::optional<LossyCharacter> firstLossyCharacter(std::string_view utf8);

} // namespace besedka::cp1251
