#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Besedka if needed, installs it into the build folder and starts it there as an installed
# copy starts: in its working folder, which holds the knowledge base it learns into:
# $XDG_DATA_HOME/besedka, else ~/.local/share/besedka. The first run copies the shipped data
# there; later runs keep the user's files and only add shipped files that are missing. (Started
# in a folder that holds a knowledge base, Base/Words.Dat, it works there instead.)
# Without a display, Besedka talks in the terminal instead.
source "$(dirname "$0")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
build="$BESEDKA_SOURCE/build"
configure "$build"
cmake --build "$build" --parallel "$(nproc)" --target besedka besedka-cli besedka_compressed_docs >/dev/null
cmake --install "$build" --prefix "$build/installed" >/dev/null
exec "$build/installed/bin/besedka"
