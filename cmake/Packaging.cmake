# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by `cpack -G DEB` in the build folder from the install rules:
# besedka_<version>_<architecture>.deb, its library dependencies read off the programs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME besedka)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Besedka developers <besedka@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chat companion that talks in Russian")
set(CPACK_PACKAGE_DESCRIPTION
    "You type a phrase, Besedka answers from a knowledge base of plain line files,\n\
learns from what it could not answer, speaks up by itself when you are silent,\n\
and offers input aids: a Latin to Cyrillic layout fix, word completion and an\n\
on-screen keyboard.")
# The GNU General Public License, version 3 or later; the package's copyright file says it for
# Debian, file by file (packaging/copyright).
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the programs load at run time rather than link: Qt's window-system plugins and the fonts
# that stand in for the window's Windows fonts, and Qt's own texts in Russian.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, qt6-translations-l10n")
include(CPack)
