#!/usr/bin/env bash
# Builds Besedka if needed and starts it in its working folder, which holds the knowledge base
# it learns into: $XDG_DATA_HOME/besedka, else ~/.local/share/besedka. The first run copies the
# shipped data there; later runs keep the user's files and only add shipped files that are missing.
# Without a display, Besedka talks in the terminal instead.
source "$(dirname "$0")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
build="$BESEDKA_SOURCE/build"
configure "$build"
cmake --build "$build" --parallel "$(nproc)" --target besedka besedka-cli >/dev/null

home=${XDG_DATA_HOME:-${HOME}/.local/share}/besedka
mkdir -p "$home"
cp -rn "$BESEDKA_SOURCE/data/." "$home/"
cd "$home"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/shell/besedka"
fi
echo "No display found: talking in the terminal (Ctrl+D ends the dialogue)." >&2
exec "$build/tools/cli/besedka-cli" chat
