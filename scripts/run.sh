#!/usr/bin/env bash
# Builds Besedka if needed and starts it in its working folder, which holds the knowledge base
# it learns into: $XDG_DATA_HOME/besedka, else ~/.local/share/besedka. The first run copies the
# shipped data there; later runs keep the user's files and only add shipped files that are missing.
source "$(dirname "$0")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
build_into "$BESEDKA_SOURCE/build" >/dev/null

home=${XDG_DATA_HOME:-${HOME}/.local/share}/besedka
mkdir -p "$home"
cp -rn "$BESEDKA_SOURCE/data/." "$home/"
cd "$home"

desktop="$BESEDKA_SOURCE/build/shell/besedka"
cli="$BESEDKA_SOURCE/build/tools/cli/besedka-cli"
if [ -x "$desktop" ]; then
    exec "$desktop"
fi
exec "$cli" chat
