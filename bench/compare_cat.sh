#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times, in one run, `besedka-cli cat` on the 100,000-line phrase base in RTF against
# LibreOffice's conversion of the same file to text and against reading its bytes (wc -l),
# and prints the medians and the ratios. Usage: bench/compare_cat.sh BUILD_FOLDER [RUNS]
set -euo pipefail
build=${1:?usage: compare_cat.sh BUILD_FOLDER [RUNS]}
runs=${2:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/make_phrase_base" "$work/Words.rtf"
echo "file: $(stat -c %s "$work/Words.rtf") bytes of RTF"

# Median wall time in milliseconds of a command run $runs times after one warm-up.
median_ms() {
    "$@" >/dev/null 2>&1
    local times=()
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]/1000}'
}

cat_ms=$(median_ms "$build/tools/cli/besedka-cli" cat "$work/Words.rtf")
wc_ms=$(median_ms wc -l "$work/Words.rtf")
lo_ms=$(median_ms soffice --headless --convert-to "txt:Text (encoded):UTF8" --outdir "$work/lo" \
    "$work/Words.rtf")

echo "besedka-cli cat: ${cat_ms} ms (median of $runs)"
echo "wc -l:           ${wc_ms} ms"
echo "LibreOffice:     ${lo_ms} ms"
awk -v c="$cat_ms" -v w="$wc_ms" -v l="$lo_ms" 'BEGIN {
    printf "LibreOffice / cat = %.1fx (goal: at least 20x)\n", l / c
    printf "cat / wc -l      = %.1fx (goal: at most 10x)\n", c / w }'
