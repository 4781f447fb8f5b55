#!/usr/bin/env bash
# Installs the built program into temporary folders, registers it for a temporary user and
# removes it again, checking the files on disk at each step.
#   InstallTest.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1
source=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" || fail "$what"; }

# Width and height of a PNG, from its IHDR chunk.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }

# The Exec key's value decoded as a launcher does: string escapes first, then the quoting.
exec_program() {
    local value
    value=$(sed -n 's/^Exec=//p' "$1")
    value=${value//\\\\/\\}
    if [[ $value == \"*\" ]]; then
        value=${value:1:-1}
        value=$(printf '%s' "$value" | sed -E 's/\\(["`$\\])/\1/g')
    fi
    printf '%s' "${value//%%/%}"
}

install_into() {
    cmake --install "$build" --prefix "$1" >"$tmp/install.log" 2>&1 || { cat "$tmp/install.log"; fail "install into $1"; }
}

# --- A fresh folder gets the whole program and the samples.
prog="$tmp/fresh"
install_into "$prog"
check "executable installed" test -x "$prog/lexidrill"
check "icon beside the executable is the large one" test "$(png_size "$prog/lexidrill.png")" = 256x256
check "registration script installed" test -x "$prog/desktop-entry"
check "sample lists copied" diff -r "$source/data/Lists" "$prog/Lists"
check "sample projects copied" diff -r "$source/data/Projects" "$prog/Projects"

# --- A folder with the user's own lists: those stay as they are, byte for byte; only the
# missing Projects/ folder gets the samples. A second install changes nothing either.
prog="$tmp/my programs/Lexi drill"
mkdir -p "$prog/Lists"
printf 'hund\r\nkatt\r\n' >"$prog/Lists/Mine.txt"
install_into "$prog"
check "user's list kept" test "$(od -An -tx1 "$prog/Lists/Mine.txt" | tr -d ' \n')" = 68756e640d0a6b6174740d0a
check "no samples among the user's lists" test "$(ls "$prog/Lists")" = Mine.txt
check "samples where Projects/ was absent" diff -r "$source/data/Projects" "$prog/Projects"
first_project=$(ls "$prog/Projects" | head -n 1)
printf 'Mine\r\nMine\r\n' >"$prog/Projects/$first_project"
install_into "$prog"
check "a second install keeps the user's project" test "$(cat "$prog/Projects/$first_project")" = $'Mine\r\nMine\r'

# --- Registration for a user whose data home is temporary.
export XDG_DATA_HOME="$tmp/data"
"$prog/desktop-entry" register >"$tmp/register.log" 2>&1 || { cat "$tmp/register.log"; fail "register"; }
entry="$XDG_DATA_HOME/applications/org.lexidrill.lexidrill.desktop"
metainfo="$XDG_DATA_HOME/metainfo/org.lexidrill.lexidrill.metainfo.xml"
check "desktop entry registered" test -f "$entry"
check "desktop entry valid" desktop-file-validate "$entry"
check "Exec starts the installed executable" test "$(exec_program "$entry")" = "$prog/lexidrill"
check "TryExec names the installed executable" grep -qxF "TryExec=$prog/lexidrill" "$entry"
check "metainfo registered" test -f "$metainfo"
check "metainfo valid" appstreamcli validate --no-net "$metainfo"
for size in 16 32 48 256; do
    icon="$XDG_DATA_HOME/icons/hicolor/${size}x${size}/apps/lexidrill.png"
    check "icon $size" test "$(png_size "$icon" 2>/dev/null)" = "${size}x${size}"
done

# A folder name with the characters the Exec key reserves still leads to the program (the
# unpacked archive can be anywhere; CMake itself cannot install to such a name).
odd="$tmp/odd \$HOME \"q\" 100% b\\s \`x\`"
cp -a "$tmp/fresh" "$odd"
XDG_DATA_HOME="$tmp/odd-data" "$odd/desktop-entry" register >/dev/null 2>&1 || fail "register odd folder"
odd_entry="$tmp/odd-data/applications/org.lexidrill.lexidrill.desktop"
check "odd folder: entry valid" desktop-file-validate "$odd_entry"
check "odd folder: Exec starts its executable" test "$(exec_program "$odd_entry")" = "$odd/lexidrill"

# --- Uninstall removes what install and register added, never the lists and projects.
"$prog/desktop-entry" uninstall "$prog" >"$tmp/uninstall.log" 2>&1 || { cat "$tmp/uninstall.log"; fail "uninstall"; }
check "entry removed" test ! -e "$entry"
check "metainfo removed" test ! -e "$metainfo"
check "nothing left under the data home" test -z "$(find "$XDG_DATA_HOME" -type f)"
check "executable removed" test ! -e "$prog/lexidrill"
check "program folder holds only the data" test "$(ls "$prog" | tr '\n' ' ')" = "Lists Projects "
check "user's list kept after uninstall" test -f "$prog/Lists/Mine.txt"
check "user's project kept after uninstall" test "$(cat "$prog/Projects/$first_project")" = $'Mine\r\nMine\r'

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all install checks passed"
