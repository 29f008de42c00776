#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build needs, builds everything and runs every test.
source "$(dirname "$0")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
build_into "$BESEDKA_SOURCE/build" "$@"
cd "$BESEDKA_SOURCE/build"
ctest --output-on-failure --parallel "$(nproc)"
