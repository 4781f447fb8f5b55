#!/usr/bin/env bash
# The built program on its own AT-SPI bus under a virtual X screen, in a folder of its own with
# two lists, read and driven by ScreenReader.py as a screen reader would. Everything started
# here is ended here, and no step waits without a limit.
#   ScreenReaderTest.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1
source=$2
tmp=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    # The next run may well take the same display number: give it up only once the server is gone.
    wait "${pids[@]}" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

mkdir -p "$tmp/prog/Lists" "$tmp/prog/Projects" "$tmp/run"
chmod 700 "$tmp/run"
cp "$build/lexidrill" "$tmp/prog/"
printf 'France\r\nSweden\r\nJapan\r\n' >"$tmp/prog/Lists/Countries.txt"
printf 'Paris\r\nStockholm\r\nTokyo\r\n' >"$tmp/prog/Lists/Capitals.txt"

# A free display: the X server writes its number once it is ready. It must not reset when its
# last client leaves: the accessibility bus launcher puts the bus's address on the display and
# disconnects, and a reset then cuts off the program that is connecting at that moment.
mkfifo "$tmp/display"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
pids+=($!)
if ! read -r -t 20 display <"$tmp/display"; then
    cat "$tmp/xvfb.log"
    echo "FAILED: no virtual X screen" >&2
    exit 1
fi

export DISPLAY=:$display XDG_RUNTIME_DIR=$tmp/run HOME=$tmp
unset QT_QPA_PLATFORM
# On a session bus of its own: the accessibility bus, the reader, and once the reader listens, the
# program. Opened both ways, the pipe does not block should the reader end before it writes.
mkfifo "$tmp/listening"
timeout -k 5 150 dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    bus=$!
    exec 4<>"$3"
    timeout -k 5 120 /usr/bin/python3 "$2" "$3" &
    reader=$!
    program=
    if read -r -t 30 -u 4 _; then
        QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LEXIDRILL_SILENT=1 "$1/lexidrill" 2>"$1/../program.log" &
        program=$!
    fi
    wait $reader
    rc=$?
    kill $program $bus 2>/dev/null
    wait $program 2>/dev/null
    exit $rc
' screen-reader "$tmp/prog" "$source/tests/a11y/ScreenReader.py" "$tmp/listening"
rc=$?
[ $rc -ne 0 ] && { echo "== display :$display"; cat "$tmp/xvfb.log"; echo "== program's output"; cat "$tmp/program.log" 2>/dev/null; }
exit $rc
