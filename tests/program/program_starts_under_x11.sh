#!/usr/bin/env bash
# Starts the built program on a virtual X server (xcb platform), finds its main window by its
# title, checks the title and asks the window to close; the program must then end by itself.
set -euo pipefail
program="$1"
closer="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work" # no User.opt here: the program starts with its defaults

cat > inside.sh <<'INSIDE'
set -euo pipefail
program="$1"
closer="$2"
expected=' "Жребикон"  от  Velkora  -  Безымянный'
QT_QPA_PLATFORM=xcb "$program" &
pid=$!
id=""
for _ in $(seq 1 200); do
    id="$(xwininfo -root -tree 2>/dev/null | grep 'Velkora' | awk '{print $1}' | head -n 1 || true)"
    [ -n "$id" ] && break
    sleep 0.1
done
if [ -z "$id" ]; then
    echo "no window with the program's title appeared"
    kill "$pid" 2>/dev/null || true
    exit 1
fi
title="$(xprop -id "$id" _NET_WM_NAME | sed -e 's/^[^=]*= "//' -e 's/"$//' -e 's/\\"/"/g')"
echo "window $id: [$title]"
if [ "$title" != "$expected" ]; then
    echo "expected title [$expected]"
    kill "$pid" 2>/dev/null || true
    exit 1
fi
size="$(xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')"
echo "window size $size"
"$closer" "$id"
for _ in $(seq 1 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        status=$?
        echo "the program ended with status $status"
        exit "$status"
    fi
    sleep 0.1
done
echo "the program did not end after its window was asked to close"
kill "$pid" 2>/dev/null || true
exit 1
INSIDE

xvfb-run -a -s "-screen 0 1024x768x24" bash inside.sh "$program" "$closer"
