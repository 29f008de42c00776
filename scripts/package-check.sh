#!/usr/bin/env bash
# Builds the Debian package and checks it as a user would meet it: lists its contents, validates
# the menu entry and the software-centre metadata, installs it with apt, lets the installed program
# make a scratch data folder on its first start (without a display it talks in the terminal),
# runs `besedka-cli stats` there, and removes the package, which leaves the data folder alone.
source "$(dirname "$0")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" desktop-file-utils appstream
build="$BESEDKA_SOURCE/build"
build_into "$build"
rm -f "$build"/besedka_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/besedka_*.deb)

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
for file in usr/bin/besedka usr/bin/besedka-cli usr/share/besedka/Base/Words.Dat \
    usr/share/besedka/Sound/Close.wav usr/share/besedka/ReadMe.Txt \
    usr/share/applications/besedka.desktop usr/share/metainfo/org.example.besedka.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/besedka.svg usr/share/icons/hicolor/48x48/apps/besedka.png \
    usr/share/man/man1/besedka.1.gz usr/share/man/man1/besedka-cli.1.gz; do
    grep -q " \./$file\$" "$scratch/contents.txt" || fail "$file is not in the package"
done

dpkg-deb --extract "$deb" "$scratch/unpacked"
desktop-file-validate "$scratch/unpacked/usr/share/applications/besedka.desktop"
grep -qx "Exec=/usr/bin/besedka" "$scratch/unpacked/usr/share/applications/besedka.desktop" ||
    fail "the menu entry does not start /usr/bin/besedka"
appstreamcli validate --no-net "$scratch/unpacked/usr/share/metainfo/org.example.besedka.metainfo.xml"

echo "== install"
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --reinstall "$deb" >/dev/null
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
