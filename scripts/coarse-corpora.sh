#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How much ordinary Russian text the coarse-word guard holds back: the sentences of the Russian
# translations (/usr/share/locale/ru) and of the Russian manual pages (/usr/share/man/ru) that
# this system holds, fed to the coarse_held_back tool. The held sentences go to
# <folder>/held-translations.txt and held-manuals.txt for review.
# Needs msgunfmt (gettext) and groff. Usage: scripts/coarse-corpora.sh [build folder] [output folder]
set -euo pipefail
build=${1:-build}
out=${2:-$build/coarse-corpora}
tool="$build/tests/engine/coarse_held_back"
mkdir -p "$out"

# One sentence a line: split after . ! ? and keep those with two Russian letters in a row.
sentences() {
    perl -CSD -ne 'chomp;
        for (split /(?<=[.!?])\s+/) { s/^\s+|\s+$//g; print "$_\n" if /\p{Cyrillic}{2}/ }'
}

translations() {
    for mo in /usr/share/locale/ru/LC_MESSAGES/*.mo; do
        msgunfmt --no-wrap "$mo" 2>/dev/null
    done | perl -CSD -ne '
        if (/^msgstr(?:\[\d+\])? "(.*)"$/) { print "$text\n" if defined $text; $text = $1; next }
        if (defined $text && /^"(.*)"$/) { $text .= $1; next }
        print "$text\n" if defined $text; undef $text;
        END { print "$text\n" if defined $text }' |
        sed -e 's/\\n/ /g' -e 's/\\t/ /g' -e 's/\\"/"/g'
}

# Paragraphs of the formatted pages, each on one line.
manuals() {
    for page in /usr/share/man/ru/man*/*.gz; do
        zcat "$page" | groff -k -man -Tutf8 -P-cbou 2>/dev/null
    done | perl -CSD -ne 's/^\s+|\s+$//g;
        if ($_ eq "") { print "$p\n" if $p ne ""; $p = "" } else { $p .= " $_" }'
}

translations | sentences > "$out/translations.txt"
manuals | sentences > "$out/manuals.txt"
for corpus in translations manuals; do
    echo -n "$corpus: "
    "$tool" < "$out/$corpus.txt" 2>&1 > "$out/held-$corpus.txt"
done
echo -n "both: "
cat "$out/translations.txt" "$out/manuals.txt" | "$tool" 2>&1 > /dev/null
