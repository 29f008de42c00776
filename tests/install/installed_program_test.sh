#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and starts the installed besedka without a display,
# from a folder without a knowledge base, as a user would from a terminal: it must make its data
# folder from the shipped data, talk in the terminal, and on a later start keep what was there.
# Usage: installed_program_test.sh BUILD_FOLDER [CMAKE]
set -euo pipefail

build=$1
cmake=${2:-cmake}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
data="$scratch/data/besedka"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
mkdir "$scratch/start"

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# The session log of the data folder as UTF-8 lines.
session_log() {
    (cd "$data" && "$prefix/bin/besedka-cli" cat 'Base\Log.Quorel')
}

# Talks to the installed program with the lines given, from the start folder.
talk() {
    (cd "$scratch/start" && printf '%s\n' "$@" |
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
            XDG_DATA_HOME="$scratch/data" HOME="$scratch/home" "$prefix/bin/besedka")
}

answer=$(talk "Привет" 2>"$scratch/stderr") || fail "the first start failed: $(cat "$scratch/stderr")"
grep -q "No display found: talking in the terminal" "$scratch/stderr" || fail "no word of the terminal"
grep -q "^CPU:" <<<"$answer" || fail "no answer in the terminal: $answer"
(cd "$prefix/share/besedka" && find . -type f | sort) >"$scratch/shipped.txt"
# The history is the program's own, written as it talks.
(cd "$data" && find . -type f -not -path './History/*' | sort) >"$scratch/copied.txt"
diff "$scratch/shipped.txt" "$scratch/copied.txt" || fail "the data folder is not the shipped data"
[ -z "$(ls -A "$scratch/start")" ] || fail "the start folder was written into"
[ ! -e "$scratch/home" ] || fail "HOME was used although XDG_DATA_HOME was set"
session_log | grep -q "USER: *Привет" || fail "the dialogue is not in the session log"
history() {
    (cd "$data" && "$prefix/bin/besedka-cli" history "$@")
}
history | grep -q "^[0-9:]\{8\} Вы: Привет\.$" || fail "the dialogue is not in the history"

echo "what it learned" >"$data/Base/Collection.Dat"
rm "$data/Sound/Close.wav"
talk "Пока" >/dev/null 2>&1 || fail "the second start failed"
[ "$(cat "$data/Base/Collection.Dat")" = "what it learned" ] || fail "a user's file was replaced"
cmp -s "$prefix/share/besedka/Sound/Close.wav" "$data/Sound/Close.wav" || fail "a missing file stays missing"
session_log | grep -q "USER: *Привет" || fail "the first dialogue was lost"
session_log | grep -q "USER: *Пока" || fail "the second dialogue is not in the session log"
history --grep привет | grep -q "Вы: Привет" || fail "the first dialogue left the history"
history --grep ПОКА | grep -q "Вы: Пока" || fail "the second dialogue is not in the history"
(cd "$data" && "$prefix/bin/besedka-cli" stats | grep -q "Итого") || fail "besedka-cli stats in the data folder"
echo "installed program: fine"
