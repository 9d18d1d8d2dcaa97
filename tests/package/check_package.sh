#!/usr/bin/env bash
# Builds the Debian package from a finished build tree, unpacks it into a scratch folder
# and uses it as an installed system would: the unpacked programs run headless and find
# their shipped data in ../share/tessaran, the desktop files, metainfo, file types and
# manual pages pass their validators, and lintian finds no error in the package.
#
#   check_package.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
for tool in cpack dpkg-deb desktop-file-validate appstreamcli lintian update-mime-database \
            update-desktop-database gio man; do
    command -v "$tool" >/dev/null || { echo "check_package: $tool is missing (run ./setup)"; exit 1; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tessaran-package.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
step() { echo "== $*"; }

step "cpack -G DEB"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/package/tessaran_*.deb)
dpkg-deb --field "$deb" Package Version Depends Recommends

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
usr="$root/usr"
data="$usr/share/tessaran"
export QT_QPA_PLATFORM=offscreen

# A working folder of its own, so that nothing is found by accident in the current one.
mkdir "$scratch/work"
cd "$scratch/work"

step "the unpacked programs"
version=$("$usr/bin/gridsmith" --version)
echo "$version"
[[ $version =~ ^gridsmith\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "gridsmith --version"
version=$("$usr/bin/lexiforge" --version)
echo "$version"
[[ $version =~ ^lexiforge\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "lexiforge --version"

for file in words.lxd words-american.lxd words-names.lxd default.lxm grids/blocked15.tgr help/tessaran.html; do
    [ -f "$data/$file" ] || fail "no $file in share/tessaran"
done
for icon in gridsmith lexiforge; do
    [ -f "$usr/share/icons/hicolor/scalable/apps/$icon.svg" ] &&
        [ -f "$usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "no $icon icon"
done
result=$("$usr/bin/gridsmith" --fill "$data/grids/blocked15.tgr" --seed 1 --time-limit 120 \
         --commit -o filled.tgr)
echo "$result"
[[ $result == "Fill succeeded after"* ]] || fail "fill with the installed default dictionary"
[ "$(grep -c '^Text=' filled.tgr)" -gt 20 ] || fail "the filled grid holds no answers"

matches=$("$usr/bin/gridsmith" --search 'cr.ssw.rd' 2>/dev/null)
echo "search cr.ssw.rd: $matches"
grep -qix 'crossword' <<<"$matches" || fail "search of the installed default dictionary"

# Another shipped dictionary, by its bare name from an unrelated folder.
matches=$("$usr/bin/gridsmith" --search 'col.r' --dictionary words-american.lxd 2>/dev/null)
echo "search col.r in words-american.lxd: ${matches//$'\n'/ }"
grep -qix 'color' <<<"$matches" || fail "a shipped dictionary named on the command line"

printf 'tessera\ntesserae\nmosaic\nmosaics\ngrout\n' >words.txt
"$usr/bin/lexiforge" --input words.txt --output mine.lxd --description "Mosaic words"
[ "$(head -c 4 mine.lxd)" = LXD0 ] || fail "lexiforge with the installed default.lxm"
matches=$("$usr/bin/gridsmith" --search 'mosaic*' --dictionary mine.lxd 2>/dev/null | tr '\n' ' ')
matches=${matches,,}
echo "search mosaic* in the new dictionary: $matches"
[ "$matches" = "mosaic mosaics " ] || fail "search of the new dictionary"

step "desktop-file-validate"
desktop-file-validate "$usr"/share/applications/*.desktop && echo "no complaints"

step "appstreamcli validate --no-net"
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml

step "file types: a grid and a dictionary are known by their contents and open in gridsmith"
# What the package's installation triggers do: index the file types and the menu entries.
mkdir -p "$scratch/xdg/mime/packages"
cp "$usr/share/mime/packages/tessaran.xml" "$scratch/xdg/mime/packages/"
update-mime-database "$scratch/xdg/mime" 2>/dev/null
cp -r "$usr/share/applications" "$scratch/xdg/"
update-desktop-database "$scratch/xdg/applications"
cp "$data/grids/barred12.tgr" grid-without-extension
export XDG_DATA_DIRS="$scratch/xdg:/usr/share"
for pair in grid-without-extension:application/x-tessaran-grid \
            mine.lxd:application/x-tessaran-dictionary; do
    type=$(gio info -a standard::content-type "${pair%%:*}" | sed -n 's/.*content-type: //p')
    echo "${pair%%:*}: $type"
    [ "$type" = "${pair#*:}" ] || fail "type of ${pair%%:*}"
done
# The menu entry counts only when its program is on the PATH, as /usr/bin is.
handler=$(PATH="$usr/bin:$PATH" gio mime application/x-tessaran-grid)
handler=${handler%%$'\n'*}
echo "$handler"
[[ $handler == *org.tessaran.gridsmith.desktop* ]] || fail "grids do not open in gridsmith"

step "manual pages"
for page in gridsmith lexiforge; do
    warnings=$(MANWIDTH=80 man --warnings -l "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$warnings"; fail "man $page"; }
    MANWIDTH=80 man -l "$usr/share/man/man1/$page.1.gz" 2>/dev/null | grep -q "^NAME" ||
        fail "man $page renders nothing"
    echo "$page(1) renders without warnings"
done

step "lintian"
status=0
report=$(lintian --fail-on error "$deb" 2>&1) || status=$?
grep -v 'running with root privileges' <<<"$report" || true
[ "$status" = 0 ] || fail "lintian reports errors"
echo "lintian: no errors"
