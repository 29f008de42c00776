// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the benchmark phrase base to the file given, in the program's RTF form.
#include "bench/phrase_base_generator.h"
#include "platform/core/line_list.h"
#include "platform/core/paths.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_phrase_base FILE\n");
        return 2;
    }
    besedka::LineList(generatePhraseBase(100000))
        .save(argv[1], besedka::WorkingFolder::ofProcess());
    return 0;
}
