// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/cp1251.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>
#include <vector>

namespace besedka::cp1251 {

namespace {

// The upper half of the code page, 0x80 to 0xFF: the lower half is ASCII. Built in, so that
// reading a knowledge file never depends on the C library's converter modules being installed.
constexpr std::array<char16_t, 128> kUpperHalf = [] {
    // Rows of eight bytes from 0x80 to 0xBF; 0x98 (row 4) is undefined.
    // clang-format off
    std::array<char16_t, 128> table{
        u'\u0402', u'\u0403', u'\u201A', u'\u0453', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
        u'\u20AC', u'\u2030', u'\u0409', u'\u2039', u'\u040A', u'\u040C', u'\u040B', u'\u040F',
        u'\u0452', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
        0,         u'\u2122', u'\u0459', u'\u203A', u'\u045A', u'\u045C', u'\u045B', u'\u045F',
        u'\u00A0', u'\u040E', u'\u045E', u'\u0408', u'\u00A4', u'\u0490', u'\u00A6', u'\u00A7',
        u'\u0401', u'\u00A9', u'\u0404', u'\u00AB', u'\u00AC', u'\u00AD', u'\u00AE', u'\u0407',
        u'\u00B0', u'\u00B1', u'\u0406', u'\u0456', u'\u0491', u'\u00B5', u'\u00B6', u'\u00B7',
        u'\u0451', u'\u2116', u'\u0454', u'\u00BB', u'\u0458', u'\u0405', u'\u0455', u'\u0457',
    };
    // clang-format on
    // 0xC0 to 0xFF: А to я in alphabetical order.
    for (int i = 0; i < 64; ++i)
        table[64 + i] = static_cast<char16_t>(0x0410 + i);
    return table;
}();

// The upper half of the table ordered by code point, for the way back.
using ReverseEntry = std::pair<char32_t, unsigned char>;
const std::vector<ReverseEntry>& reverseTable() {
    static const auto table = [] {
        std::vector<ReverseEntry> entries;
        for (int b = 0x80; b < 256; ++b)
            if (const char32_t cp = toUnicode(static_cast<unsigned char>(b)); cp != 0)
                entries.emplace_back(cp, static_cast<unsigned char>(b));
        std::sort(entries.begin(), entries.end());
        return entries;
    }();
    return table;
}

struct CaseTables {
    std::array<char, 256> upper;
    std::array<char, 256> lower;
};

constexpr CaseTables buildCaseTables() {
    CaseTables t{};
    for (int b = 0; b < 256; ++b) {
        t.upper[b] = static_cast<char>(b);
        t.lower[b] = static_cast<char>(b);
    }
    const auto pair = [&t](int lowerByte, int upperByte) {
        t.upper[lowerByte] = static_cast<char>(upperByte);
        t.lower[upperByte] = static_cast<char>(lowerByte);
    };
    for (int b = 'a'; b <= 'z'; ++b)
        pair(b, b - 0x20);
    for (int b = 0xE0; b <= 0xFF; ++b) // а..я
        pair(b, b - 0x20);
    // The letters outside the two alphabets' runs: ё ў і ґ ї є ј ѕ ђ ѓ љ њ ќ ћ џ.
    constexpr int kScattered[][2] = {{0xB8, 0xA8}, {0xA2, 0xA1}, {0xB3, 0xB2}, {0xB4, 0xA5},
                                     {0xBF, 0xAF}, {0xBA, 0xAA}, {0xBC, 0xA3}, {0xBE, 0xBD},
                                     {0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A}, {0x9C, 0x8C},
                                     {0x9D, 0x8D}, {0x9E, 0x8E}, {0x9F, 0x8F}};
    for (const auto& p : kScattered)
        pair(p[0], p[1]);
    return t;
}

constexpr CaseTables kCase = buildCaseTables();

void appendCodePoint(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at pos; returns its length, 0 when it is malformed.
std::size_t decodeUtf8(std::string_view s, std::size_t pos, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > s.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(s[pos + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

char32_t toUnicode(unsigned char byte) {
    return byte < 0x80 ? byte : kUpperHalf[byte - 0x80];
}

unsigned char fromUnicode(char32_t codePoint) {
    if (codePoint < 0x80)
        return static_cast<unsigned char>(codePoint);
    const auto& table = reverseTable();
    const auto it = std::lower_bound(table.begin(), table.end(), ReverseEntry{codePoint, 0});
    return (it != table.end() && it->first == codePoint) ? it->second : 0;
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        const std::size_t length = decodeUtf8(utf8, pos, cp);
        if (length == 0) {
            out += '?';
            ++pos;
            continue;
        }
        pos += length;
        const unsigned char byte = fromUnicode(cp);
        out += (byte != 0 || cp == 0) ? static_cast<char>(byte) : '?';
    }
    return out;
}

void appendUtf8(std::string& out, std::string_view text) {
    // Each byte's UTF-8 form, worked out once: the terminal tools print whole files through here.
    struct Encoded {
        char bytes[4];
        unsigned char length;
    };
    static const auto kTable = [] {
        std::array<Encoded, 256> table{};
        for (int b = 0; b < 256; ++b) {
            const char32_t cp = toUnicode(static_cast<unsigned char>(b));
            std::string utf8;
            appendCodePoint(utf8, (cp == 0 && b != 0) ? U'?' : cp);
            utf8.copy(table[b].bytes, utf8.size());
            table[b].length = static_cast<unsigned char>(utf8.size());
        }
        return table;
    }();
    const std::size_t start = out.size();
    out.resize(start + text.size() * 3 + 1); // +1: each copy below writes four bytes
    std::size_t length = start;
    for (char c : text) {
        const Encoded& e = kTable[static_cast<unsigned char>(c)];
        std::memcpy(out.data() + length, e.bytes, 4);
        length += e.length;
    }
    out.resize(length);
}

std::string toUtf8(std::string_view text) {
    std::string out;
    appendUtf8(out, text);
    return out;
}

char upper(char c) {
    return kCase.upper[static_cast<unsigned char>(c)];
}
char lower(char c) {
    return kCase.lower[static_cast<unsigned char>(c)];
}

const std::array<char, 256>& upperTable() {
    return kCase.upper;
}

bool isLetter(char c) {
    return upper(c) != lower(c);
}

std::vector<std::string> letterWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (isLetter(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(std::exchange(word, {}));
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = upper(c);
    return out;
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = lower(c);
    return out;
}

bool looksLikeUtf8(std::string_view bytes) {
    bool multiByte = false;
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t cp = 0;
        const std::size_t length = decodeUtf8(bytes, pos, cp);
        if (length == 0)
            return false;
        multiByte = multiByte || length > 1;
        pos += length;
    }
    return multiByte;
}

std::optional<LossyCharacter> firstLossyCharacter(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        const std::size_t length = decodeUtf8(utf8, pos, cp);
        if (length == 0)
            return LossyCharacter{pos, 0};
        if (cp != 0 && fromUnicode(cp) == 0)
            return LossyCharacter{pos, cp};
        pos += length;
    }
    return std::nullopt;
}

} // namespace besedka::cp1251
