// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_aids/layout_conversion.h"

#include <array>
#include <utility>

namespace besedka {

namespace {

// Key by key of the US keyboard, unshifted and shifted. The shifted comma and period give the
// lower-case letters, the shifted apostrophe the upper-case one: that is the Russian layout.
constexpr std::pair<unsigned char, unsigned char> kLayoutPairs[] = {
    {'`', 0xB8}, {'~', 0xA8}, {'@', '"'},  {'#', 0xB9},  {'$', ';'},  {'^', ':'},  {'&', '?'},
    {'q', 0xE9}, {'Q', 0xC9}, {'w', 0xF6}, {'W', 0xD6},  {'e', 0xF3}, {'E', 0xD3}, {'r', 0xEA},
    {'R', 0xCA}, {'t', 0xE5}, {'T', 0xC5}, {'y', 0xED},  {'Y', 0xCD}, {'u', 0xE3}, {'U', 0xC3},
    {'i', 0xF8}, {'I', 0xD8}, {'o', 0xF9}, {'O', 0xD9},  {'p', 0xE7}, {'P', 0xC7}, {'[', 0xF5},
    {'{', 0xD5}, {']', 0xFA}, {'}', 0xDA}, {'\\', '\\'}, {'|', '/'},  {'a', 0xF4}, {'A', 0xD4},
    {'s', 0xFB}, {'S', 0xDB}, {'d', 0xE2}, {'D', 0xC2},  {'f', 0xE0}, {'F', 0xC0}, {'g', 0xEF},
    {'G', 0xCF}, {'h', 0xF0}, {'H', 0xD0}, {'j', 0xEE},  {'J', 0xCE}, {'k', 0xEB}, {'K', 0xCB},
    {'l', 0xE4}, {'L', 0xC4}, {';', 0xE6}, {':', 0xC6},  {'"', 0xDD}, {'z', 0xFF}, {'Z', 0xDF},
    {'x', 0xF7}, {'X', 0xD7}, {'c', 0xF1}, {'C', 0xD1},  {'v', 0xEC}, {'V', 0xCC}, {'b', 0xE8},
    {'B', 0xC8}, {'n', 0xF2}, {'N', 0xD2}, {'m', 0xFC},  {'M', 0xDC}, {'<', 0xE1}, {'>', 0xFE},
    {'/', '.'}};
static_assert(std::size(kLayoutPairs) == 71);

constexpr std::array<char, 256> buildLayoutTable() {
    std::array<char, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = static_cast<char>(byte);
    for (const auto& [typed, russian] : kLayoutPairs)
        table[typed] = static_cast<char>(russian);
    return table;
}

constexpr std::array<char, 256> kLayoutTable = buildLayoutTable();

} // namespace

char cyrillicLayoutCounterpart(char typed) {
    return kLayoutTable[static_cast<unsigned char>(typed)];
}

std::string toCyrillicLayout(std::string_view typed) {
    std::string converted(typed);
    for (char& c : converted)
        c = cyrillicLayoutCounterpart(c);
    return converted;
}

} // namespace besedka
