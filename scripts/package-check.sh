#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it as a distribution's reviewer and a user would meet it:
# lists its contents, runs lintian on it (an error or a warning fails the check), validates the
# menu entry and the software-centre metadata, installs it with apt, asks the installed programs
# for their version, lets the installed program make a scratch data folder on its first start
# (without a display it talks in the terminal), runs `besedka-cli stats` there, and removes the
# package, which leaves the data folder alone.
source "$(dirname "$0")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" desktop-file-utils appstream lintian
build="$BESEDKA_SOURCE/build"
build_into "$build"
rm -f "$build"/besedka_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/besedka_*.deb)
version=$(dpkg-deb --field "$deb" Version)
app_id=io.github.besedka.besedka

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
scratch=$(mktemp -d)
cleanup() {
    if dpkg-query -W -f='${Status}' besedka 2>/dev/null | grep -q "ok installed"; then
        "${as_root[@]}" apt-get remove -y -qq besedka >/dev/null
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "package check FAILED: $*" >&2
    exit 1
}

echo "== $(basename "$deb")"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb" | tee "$scratch/contents.txt"
desktop_file=usr/share/applications/$app_id.desktop
metainfo=usr/share/metainfo/$app_id.metainfo.xml
for file in usr/bin/besedka usr/bin/besedka-cli usr/share/besedka/Base/Words.Dat \
    usr/share/besedka/Sound/Close.wav usr/share/besedka/ReadMe.Txt "$desktop_file" "$metainfo" \
    usr/share/icons/hicolor/scalable/apps/besedka.svg usr/share/icons/hicolor/48x48/apps/besedka.png \
    usr/share/man/man1/besedka.1.gz usr/share/man/man1/besedka-cli.1.gz \
    usr/share/doc/besedka/copyright usr/share/doc/besedka/changelog.gz; do
    grep -q " \./$file\$" "$scratch/contents.txt" || fail "$file is not in the package"
done

echo "== lintian"
lintian --display-info --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"

dpkg-deb --extract "$deb" "$scratch/unpacked"
unpacked=$scratch/unpacked
desktop-file-validate "$unpacked/$desktop_file"
grep -qx "Exec=/usr/bin/besedka" "$unpacked/$desktop_file" ||
    fail "the menu entry does not start /usr/bin/besedka"
appstreamcli validate --no-net --pedantic "$unpacked/$metainfo" | tee "$scratch/appstream.txt"
! grep -q "^[EWIP]:" "$scratch/appstream.txt" || fail "the metadata has findings"
! grep -E "example\.(org|com|net)|LicenseRef-proprietary" "$unpacked/$desktop_file" "$unpacked/$metainfo" ||
    fail "the menu entry or the metadata holds a placeholder"
grep -q "<release version=\"$version\"" "$unpacked/$metainfo" || fail "no $version release in the metadata"
gunzip -c "$unpacked/usr/share/doc/besedka/changelog.gz" >"$scratch/changelog"
[ "$(dpkg-parsechangelog --file "$scratch/changelog" --show-field Version)" = "$version" ] ||
    fail "the changelog does not begin with $version"

echo "== install"
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --reinstall "$deb" >/dev/null
for program in besedka besedka-cli; do
    [ "$(env -u DISPLAY -u WAYLAND_DISPLAY "/usr/bin/$program" --version)" = "$program $version" ] ||
        fail "$program --version does not print $version"
done
mkdir "$scratch/start"
(cd "$scratch/start" && echo "Привет" |
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$scratch/data" \
        /usr/bin/besedka)
data="$scratch/data/besedka"
[ -f "$data/Base/Words.Dat" ] || fail "the first start made no data folder"
(cd "$data" && /usr/bin/besedka-cli stats) | tee "$scratch/stats.txt"
grep -q "Итого" "$scratch/stats.txt" || fail "besedka-cli stats printed no counts"

echo "== remove"
"${as_root[@]}" apt-get remove -y -qq besedka >/dev/null
[ ! -e /usr/bin/besedka ] && [ ! -e /usr/share/besedka ] || fail "the package left files behind"
[ -f "$data/Base/Words.Dat" ] && [ -s "$data/Base/Log.Quorel" ] ||
    fail "removing the package touched the user's data folder"
echo "package check: fine"
