#!/usr/bin/env bash
# Two terminal chats learning into one working folder at the same time: each sends PHRASES
# phrases that nothing in the shipped base matches; prints, for each, how many of the keys it
# learned are missing from Base/Words.Dat afterwards. Usage: bench/two_copies.sh BUILD_FOLDER
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
for copy in A B; do
    # The first phrase of a chat is never learned: nothing was said before it.
    missing=$(tail -n +2 "phrases-$copy.txt" | sort | comm -23 - keys.txt | wc -l)
    echo "copy $copy: $missing of $((phrases - 1)) learned keys missing"
done
