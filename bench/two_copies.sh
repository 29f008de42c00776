#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two terminal chats learning into one working folder at the same time: each sends PHRASES
# phrases that nothing in the shipped base matches; prints, for each, how many of the keys it
# learned are missing from Base/Words.Dat afterwards, and how many of the phrases it kept as
# replies are missing from Base/W1.Dat and Base/W2.Dat. Usage: bench/two_copies.sh BUILD_FOLDER
# [PHRASES] [--one-after-the-other]
set -euo pipefail
cli=$(cd "$1" && pwd)/tools/cli/besedka-cli
phrases=${2:-300}
together=true
[ "${3:-}" = --one-after-the-other ] && together=false
source_folder=$(cd "$(dirname "$0")/.." && pwd)
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp -r "$source_folder/data/." "$folder"
cd "$folder"

# Upper case and a final stop already, so that each phrase is its own key.
for copy in A B; do
    for ((i = 1; i <= phrases; i++)); do printf "ЪЫЪ %s%04d Q.\n" "$copy" "$i"; done >"phrases-$copy.txt"
done
for copy in A B; do
    if $together; then
        "$cli" chat <"phrases-$copy.txt" >/dev/null &
    else
        "$cli" chat <"phrases-$copy.txt" >/dev/null
    fi
done
wait

# A learned key may have been given answers since: compare keys only.
"$cli" cat Base/Words.Dat | cut -d^ -f1 | sort -u >keys.txt
{ "$cli" cat Base/W1.Dat; "$cli" cat Base/W2.Dat; } | sort -u >replies.txt
for copy in A B; do
    # The first phrase of a chat is never learned: nothing was said before it.
    tail -n +2 "phrases-$copy.txt" | sort >learned.txt
    keys=$(comm -23 learned.txt keys.txt | wc -l)
    replies=$(comm -23 learned.txt replies.txt | wc -l)
    echo "copy $copy: $keys of $((phrases - 1)) learned keys missing," \
        "$replies of $((phrases - 1)) kept replies missing"
done
