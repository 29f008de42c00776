#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzers with clang and runs each for the given number of seconds (default 60)
# from its seed corpus. A crash, a hang or a leak fails the run.
source "$(dirname "$0")/common.sh"
seconds=${1:-60}

ensure_packages clang libclang-rt-14-dev "${BUILD_PACKAGES[@]}"
folder="$BESEDKA_SOURCE/build-fuzz"
cmake -S "$BESEDKA_SOURCE" -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DBESEDKA_FUZZ=ON -DBESEDKA_DESKTOP=OFF -DBESEDKA_BENCH=OFF \
    >/dev/null
cmake --build "$folder" --target rtf_fuzz line_list_fuzz turn_fuzz

for target in rtf_fuzz line_list_fuzz turn_fuzz; do
    corpus="$folder/corpus-$target"
    mkdir -p "$corpus"
    "$folder/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 "$corpus" "$BESEDKA_SOURCE/fuzz/corpus" 2>&1 | tail -n 3
done
