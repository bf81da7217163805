#!/usr/bin/env bash
# Checks Splotchery's desktop integration, installation and Debian package for one build folder.
#
#   tools/check-install.sh build/release
#
# 1. builds what installing needs (the game and the rendered icons), if it is not built yet;
# 2. installs into a temporary prefix and checks that every file is there and sound;
# 3. validates the installed desktop entry and AppStream metadata (errors and warnings fail);
# 4. builds the Debian package with CPack and checks its fields, dependencies and contents
#    (the program in /usr/games, the Debian changelog, no copy of the licence text), and that lintian
#    finds no error and no warning in it.
# Needs desktop-file-utils, appstream, dpkg-dev, file and lintian. Exits non-zero on any failure.
set -euo pipefail

if [ $# -ne 1 ] || [ ! -f "$1/CMakeCache.txt" ]; then
    echo "usage: $0 <configured build folder>" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
app_id=io.github.splotchery.Splotchery
icon_sizes=(16 24 32 48 64 128 256)

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }
need() { command -v "$1" >/dev/null || { echo "check-install: '$1' is missing (package $2)" >&2; exit 2; }; }
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need dpkg-deb dpkg
need dpkg-shlibdeps dpkg-dev
need file file
need readelf binutils
need lintian lintian

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "check-install: no project version in $build/CMakeCache.txt" >&2; exit 2; }
source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")

echo "-- building the game and its icons"
cmake --build "$build" --target splotchery pbrain-splotchery splot_icons splot_compressed_docs >"$tmp/build.log" 2>&1 \
    || { tail -30 "$tmp/build.log" >&2; echo "check-install: the build failed" >&2; exit 1; }

# The files of every installation, relative to its prefix; then those of an installation under a
# prefix (the program in bin/, the licence text) and those of the Debian package (the program in
# /usr/games, the Debian changelog; the copyright file names Debian's copy of the licence).
common=(
    share/doc/splotchery/readme.txt
    share/doc/splotchery/copyright
    share/man/man6/splotchery.6.gz
    share/man/man6/splotchery-brain.6.gz
    share/man/man6/pbrain-splotchery.6.gz
    "share/applications/$app_id.desktop"
    "share/metainfo/$app_id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$app_id.svg"
)
for s in "${icon_sizes[@]}"; do common+=("share/icons/hicolor/${s}x${s}/apps/$app_id.png"); done
expected=("${common[@]}" bin/splotchery bin/pbrain-splotchery bin/splotchery-brain share/doc/splotchery/LICENSE)
packaged=("${common[@]}" games/splotchery games/pbrain-splotchery games/splotchery-brain share/doc/splotchery/changelog.Debian.gz share/lintian/overrides/splotchery)
not_packaged=(bin/splotchery bin/pbrain-splotchery bin/splotchery-brain share/doc/splotchery/LICENSE)

echo "-- installing into a temporary prefix"
root="$tmp/root"
prefix="$root/usr"
if cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1; then
    pass "cmake --install --prefix <tmp>/usr"
else
    cat "$tmp/install.log" >&2
    fail "cmake --install"
fi
for f in "${expected[@]}"; do
    if [ -s "$prefix/$f" ]; then pass "installed $f"; else fail "not installed (or empty): $f"; fi
done
for f in games/splotchery share/doc/splotchery/changelog.Debian.gz share/lintian/overrides/splotchery; do
    [ -e "$prefix/$f" ] && fail "a Debian package's file installed under a prefix: $f" || pass "no $f under a prefix"
done
if [ ! -f "$source_dir/docs/readme.txt" ]; then
    echo "      (docs/readme.txt does not exist in the source tree yet)" >&2
fi

bin="$prefix/bin/splotchery"
if [ -f "$bin" ]; then
    [ -x "$bin" ] && file -b "$bin" | grep -q '^ELF .*executable' \
        && pass "bin/splotchery is an executable" || fail "bin/splotchery is not an ELF executable"
    if readelf -d "$bin" | grep -q -E '\((RPATH|RUNPATH)\)'; then
        fail "bin/splotchery keeps a build RPATH"
    fi
fi
for s in "${icon_sizes[@]}"; do
    png="$prefix/share/icons/hicolor/${s}x${s}/apps/$app_id.png"
    [ -f "$png" ] || continue
    if file -b "$png" | grep -q "^PNG image data, $s x $s,"; then pass "icon ${s}x${s} is a ${s}x${s} PNG"
    else fail "icon ${s}x${s}: $(file -b "$png")"; fi
done
svg="$prefix/share/icons/hicolor/scalable/apps/$app_id.svg"
if [ -f "$svg" ]; then
    file -b "$svg" | grep -q 'SVG' && pass "scalable icon is SVG" || fail "scalable icon: $(file -b "$svg")"
fi

man="$prefix/share/man/man6/splotchery.6.gz"
if [ -f "$man" ]; then
    gzip -dc "$man" >"$tmp/splotchery.6"
    if grep -q "^\.TH SPLOTCHERY 6 .*$version" "$tmp/splotchery.6"; then pass "man page heading names section 6 and $version"
    else fail "man page heading: $(grep -m1 '^\.TH' "$tmp/splotchery.6" || echo none)"; fi
    if command -v groff >/dev/null; then
        msgs=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$tmp/splotchery.6" 2>&1 || true)
        [ -z "$msgs" ] && pass "man page formats without warnings" || fail "man page: $msgs"
    fi
fi

brain_man="$prefix/share/man/man6/splotchery-brain.6.gz"
if [ -f "$brain_man" ] && command -v groff >/dev/null; then
    msgs=$(gzip -dc "$brain_man" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1 || true)
    [ -z "$msgs" ] && pass "brain's man page formats without warnings" || fail "brain's man page: $msgs"
fi
for name in pbrain-splotchery splotchery-brain; do
    brain="$prefix/bin/$name"
    [ -x "$brain" ] || continue
    answer=$(printf 'START 15\nBEGIN\nEND\n' | timeout 20 "$brain" | tr '\n' ' ')
    [ "$answer" = "OK 7,7 " ] && pass "the installed $name answers" || fail "the installed $name answers '$answer'"
done
[ "$(readlink "$prefix/bin/splotchery-brain")" = pbrain-splotchery ] \
    && pass "bin/splotchery-brain is a symlink to pbrain-splotchery" || fail "bin/splotchery-brain is no symlink to pbrain-splotchery"

echo "-- desktop entry and AppStream metadata"
desktop="$prefix/share/applications/$app_id.desktop"
if [ -f "$desktop" ]; then
    out=$(desktop-file-validate "$desktop" 2>&1) && rc=0 || rc=$?
    [ -n "$out" ] && echo "$out"
    if [ $rc -eq 0 ] && ! grep -q -E ': (error|warning): ' <<<"$out"; then pass "desktop-file-validate"
    else fail "desktop-file-validate reports errors or warnings"; fi
    for kv in "Exec=splotchery" "Icon=$app_id" "Categories=Game;BoardGame;"; do
        grep -qx "$kv" "$desktop" && pass "desktop entry has $kv" || fail "desktop entry lacks $kv"
    done
fi
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
if [ -f "$metainfo" ]; then
    out=$(appstreamcli validate --no-net --explain "$metainfo" 2>&1) && rc=0 || rc=$?
    echo "$out" | grep -E '^[EWIP]: ' || true
    if [ $rc -eq 0 ] && ! grep -q -E '^(E|W): ' <<<"$out"; then pass "appstreamcli validate --no-net"
    else fail "appstreamcli validate reports errors or warnings"; fi
    # The whole tree: the metadata finds its desktop entry and its icons.
    out=$(appstreamcli validate-tree --no-net "$root" 2>&1) && rc=0 || rc=$?
    if [ $rc -eq 0 ] && ! grep -q -E '^(E|W): ' <<<"$out"; then pass "appstreamcli validate-tree"
    else echo "$out"; fail "appstreamcli validate-tree reports errors or warnings"; fi
    for pattern in "<id>$app_id</id>" "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
                   "<release version=\"$version\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"" \
                   "<content_rating type=\"oars-" "<project_license>GPL-3.0-or-later</project_license>" \
                   "<category>BoardGame</category>"; do
        grep -q -E "$pattern" "$metainfo" && pass "metainfo has $pattern" || fail "metainfo lacks $pattern"
    done
fi

echo "-- Debian package"
packages="$build/packages"
rm -f "$packages"/splotchery_*.deb
if (cd "$build" && cpack -G DEB -B "$packages") >"$tmp/cpack.log" 2>&1; then
    pass "cpack -G DEB"
else
    cat "$tmp/cpack.log" >&2
    fail "cpack -G DEB"
fi
debs=("$packages"/splotchery_*.deb)
deb=${debs[0]}
if [ -f "$deb" ]; then
    echo "      $deb"
    info=$(dpkg-deb --info "$deb")
    field() { dpkg-deb --field "$deb" "$1"; }
    [ "$(field Package)" = splotchery ] && pass "Package: splotchery" || fail "Package: $(field Package)"
    [ "$(field Version)" = "$version-1" ] && pass "Version: $version-1" || fail "Version: $(field Version)"
    [ "$(field Section)" = games ] && pass "Section: games" || fail "Section: $(field Section)"
    [ "$(field Architecture)" = "$(dpkg --print-architecture)" ] && pass "Architecture: $(field Architecture)" \
        || fail "Architecture: $(field Architecture)"
    [ -n "$(field Maintainer)" ] && pass "Maintainer: $(field Maintainer)" || fail "no Maintainer"
    grep -q '^ Description: .\+' <<<"$info" && grep -q '^  [A-Za-z]' <<<"$info" \
        && pass "a summary and a long description" || fail "the description is missing or has no long part"
    depends=$(field Depends)
    echo "      Depends: $depends"
    has_dep() { tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (|].*//' | grep -qx "$1"; }
    wanted=(libqt6widgets6 libqt6svg6)
    # Every library the game links to directly must come from a package the package depends on.
    if [ -f "$bin" ]; then
        ldd "$bin" >"$tmp/ldd.txt" 2>&1 || true
        readelf -d "$bin" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' >"$tmp/needed.txt"
        while read -r lib; do
            path=$(awk -v l="$lib" '$1 == l && $2 == "=>" && !done { print $3; done = 1 }' "$tmp/ldd.txt")
            [ -n "$path" ] || { fail "cannot find $lib"; continue; }
            owner=""
            real=$(readlink -f "$path")
            # /lib is /usr/lib on Debian 12, but dpkg knows each file under one of the two names.
            for candidate in "$path" "$real" "${path#/usr}" "/usr${path#/usr}" "${real#/usr}" "/usr${real#/usr}"; do
                owner=$(dpkg -S "$candidate" 2>/dev/null | awk -F: 'NR == 1 { print $1 }') || true
                [ -n "$owner" ] && break
            done
            [ -n "$owner" ] && wanted+=("$owner") || fail "no package owns $lib ($path)"
        done <"$tmp/needed.txt"
    fi
    for p in $(printf '%s\n' "${wanted[@]}" | sort -u); do
        has_dep "$p" && pass "depends on $p" || fail "does not depend on $p"
    done
    contents=$(dpkg-deb --contents "$deb") # a symlink shows as "name -> target"
    for f in "${packaged[@]}"; do
        grep -q -E " \./usr/$f( -> .*)?\$" <<<"$contents" && pass "package holds /usr/$f" || fail "package lacks /usr/$f"
    done
    for f in "${not_packaged[@]}"; do
        grep -q -E " \./usr/$f( -> .*)?\$" <<<"$contents" && fail "package holds /usr/$f" || pass "package has no /usr/$f"
    done
    if grep -v -q -E '^(lrwxrwxrwx|[-d]r[-w][-x]r-[-x]r-[-x]) root/root ' <<<"$contents"; then
        grep -v -E '^(lrwxrwxrwx|[-d]r[-w][-x]r-[-x]r-[-x]) root/root ' <<<"$contents" >&2
        fail "files in the package not owned by root or not world-readable"
    else
        pass "every file is root's and world-readable"
    fi
    grep -q -E '^-rwxr-xr-x root/root .* \./usr/games/splotchery$' <<<"$contents" \
        && pass "/usr/games/splotchery is executable" || fail "/usr/games/splotchery is not -rwxr-xr-x"
    # The launcher and the copyright file as packaged.
    dpkg-deb -x "$deb" "$tmp/deb"
    for kv in "Exec=/usr/games/splotchery" "TryExec=/usr/games/splotchery"; do
        grep -qx "$kv" "$tmp/deb/usr/share/applications/$app_id.desktop" \
            && pass "packaged desktop entry has $kv" || fail "packaged desktop entry lacks $kv"
    done
    grep -q '/usr/share/common-licenses/GPL-3' "$tmp/deb/usr/share/doc/splotchery/copyright" \
        && pass "copyright points to /usr/share/common-licenses/GPL-3" || fail "copyright does not point to GPL-3"
    if gzip -dc "$tmp/deb/usr/share/doc/splotchery/changelog.Debian.gz" 2>/dev/null \
            | head -1 | grep -q "^splotchery ($version-1) "; then
        pass "changelog.Debian.gz starts with $version-1"
    else
        fail "changelog.Debian.gz does not start with splotchery ($version-1)"
    fi
    # lintian, Debian's package checker: no error and no warning (its notes are shown, not counted).
    # lintian warns when run as root; that line is not about the package.
    out=$(lintian --fail-on error,warning --display-info "$deb" 2>&1) && rc=0 || rc=$?
    out=$(grep -v '^running with root privileges is not recommended!$' <<<"$out" || true)
    [ -n "$out" ] && echo "$out"
    if [ $rc -eq 0 ] && ! grep -q -E '^(E|W): ' <<<"$out"; then pass "lintian: no errors, no warnings"
    else fail "lintian reports errors or warnings"; fi
else
    fail "no splotchery_*.deb in $packages"
fi

if [ "$failures" -ne 0 ]; then
    echo "check-install: $failures check(s) failed" >&2
    exit 1
fi
echo "check-install: all checks passed"
