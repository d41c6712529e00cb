#!/usr/bin/env bash
# Installs the package that scripts/package.sh left in dist/, runs the installed program beside
# the build's, removes the package and checks that nothing of it is left.
#   scripts/test-package.sh [BUILD-DIR]     (default build/; its app/Zhrebikon is compared with)
# The history compared is every *.csv in ../shared/data/ beside the sources (as CI has it), or
# in ZHREBIKON_HISTORY_DIR; the comparison is skipped, with a message, when there is none.
# This changes the machine: the package is installed with apt-get and purged again.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
built_program="$(realpath "$build/app/Zhrebikon")"
history_dir="${ZHREBIKON_HISTORY_DIR:-../shared/data}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

debs=(dist/zhrebikon_*_amd64.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "dist/ must hold exactly one zhrebikon_*_amd64.deb: run scripts/package.sh first" >&2
  exit 1
fi
deb="${debs[0]}"
version="$(dpkg-deb -f "$deb" Version)"
work="$(mktemp -d)"
installed=false
cleanup() {
  if $installed; then $sudo apt-get purge -y -q zhrebikon > /dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

if dpkg-query -W -f='${Status}' zhrebikon 2>/dev/null | grep -q "installed"; then
  echo "zhrebikon is installed on this machine; removing it first"
  $sudo apt-get purge -y -qq zhrebikon
fi

echo "== installing $deb"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "./$deb"
installed=true
dpkg-query -L zhrebikon > "$work/files"

echo "== the installed program"
command_path="$(command -v zhrebikon)"
[ "$command_path" = /usr/bin/zhrebikon ] || { echo "zhrebikon is $command_path" >&2; exit 1; }
shown="$(zhrebikon --version)"
echo "zhrebikon --version: $shown"
[ "$shown" = "zhrebikon $version" ] || { echo "expected: zhrebikon $version" >&2; exit 1; }
[ "$("$built_program" --version)" = "Zhrebikon $version" ] || {
  echo "the build ($built_program) is not version $version" >&2; exit 1; }
desktop-file-validate /usr/share/applications/zhrebikon.desktop
appstreamcli validate --no-net /usr/share/metainfo/example.velkora.zhrebikon.metainfo.xml
# The software centre's view. The cache is rebuilt first: a cache the dpkg trigger is still
# rebuilding, or one left by an earlier install, may not show the program yet.
appstreamcli refresh-cache --force > /dev/null
appstreamcli get example.velkora.zhrebikon > /dev/null
# Read whole before grep: grep -q stops at the first match, and the writer's broken pipe
# would fail the pipeline under pipefail.
found=$(appstreamcli search lottery)
grep -q "^Identifier: example.velkora.zhrebikon " <<< "$found" || {
  echo "appstreamcli search lottery does not find the program" >&2; exit 1; }
grep -q "^application/x-zhrebikon-lottery$" /usr/share/mime/types || {
  echo "the MIME database does not know application/x-zhrebikon-lottery" >&2; exit 1; }
if command -v man > /dev/null; then
  man -w zhrebikon > /dev/null
  man -L ru -w zhrebikon | grep -q "/ru/" || { echo "no Russian manual page found" >&2; exit 1; }
fi

echo "== the menu entry starts the installed program (gio launch, virtual X server)"
# The program is started as the desktop starts it, in an empty folder (no User.opt there);
# its main window is found by its title, and the program is ended by its window's process id.
mkdir -p "$work/launch"
cat > "$work/launch.sh" <<'INSIDE'
set -euo pipefail
cd "$1"
QT_QPA_PLATFORM=xcb gio launch /usr/share/applications/zhrebikon.desktop
id=""
for _ in $(seq 1 200); do
  id="$(xwininfo -root -tree 2>/dev/null | grep 'Velkora' | awk '{print $1}' | head -n 1 || true)"
  [ -n "$id" ] && break
  sleep 0.1
done
[ -n "$id" ] || { echo "no window with the program's title appeared" >&2; exit 1; }
pid="$(xprop -id "$id" _NET_WM_PID | awk '{print $3}')"
title="$(xprop -id "$id" _NET_WM_NAME | sed -e 's/^[^=]*= "//' -e 's/"$//' -e 's/\\"/"/g')"
program="$(readlink "/proc/$pid/exe")"
kill "$pid"
echo "window $id of $program: [$title]"
[ "$title" = ' "Жребикон"  от  Velkora  -  Безымянный' ] || { echo "wrong title" >&2; exit 1; }
[ "$program" = /usr/libexec/zhrebikon/Zhrebikon ] || { echo "not the installed program" >&2; exit 1; }
INSIDE
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/launch.sh" "$work/launch"

tables=()
if [ -d "$history_dir" ]; then
  while IFS= read -r -d '' table; do tables+=("$table"); done \
    < <(find "$history_dir" -maxdepth 1 -name '*.csv' -print0 | sort -z)
fi
if [ ${#tables[@]} -eq 0 ]; then
  echo "no history in $history_dir: the installed --import is not compared with the build's"
fi
for table in "${tables[@]}"; do
  table="$(realpath "$table")"
  echo "== --import $table"
  # Each run in a folder of its own under the same file name, so that the printed summary
  # ("Записано: history.dat") is comparable too.
  mkdir -p "$work/installed" "$work/built"
  (cd "$work/installed" && zhrebikon --import "$table" history.dat > summary.txt)
  (cd "$work/built" && "$built_program" --import "$table" history.dat > summary.txt)
  cmp "$work/installed/history.dat" "$work/built/history.dat"
  cmp "$work/installed/summary.txt" "$work/built/summary.txt"
  echo "same database ($(stat -c %s "$work/built/history.dat") bytes) and summary:"
  sed 's/^/  /' "$work/built/summary.txt" | head -n 3
  rm -rf "$work/installed" "$work/built"
done

echo "== removing the package"
DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq zhrebikon
installed=false
left=0
while IFS= read -r path; do
  if [ -L "$path" ] || [ -f "$path" ]; then
    echo "left behind: $path" >&2
    left=1
  elif [ -d "$path" ] && [ -z "$(ls -A "$path")" ] && ! dpkg-query -S "$path" > /dev/null 2>&1
  then
    # A folder that other packages' files (or caches) still fill may stay; an empty one that
    # no package owns was ours.
    echo "left behind: the empty folder $path" >&2
    left=1
  fi
done < "$work/files"
if appstreamcli get example.velkora.zhrebikon > /dev/null 2>&1; then
  echo "left behind: AppStream still knows example.velkora.zhrebikon" >&2
  left=1
fi
if [ -e /usr/share/mime/application/x-zhrebikon-lottery.xml ] ||
   grep -qs zhrebikon /usr/share/applications/mimeinfo.cache; then
  echo "left behind: the MIME type or the menu's cache of it" >&2
  left=1
fi
[ $left -eq 0 ]
echo "== the package installed, ran and was removed without a trace ($(wc -l < "$work/files") paths)"
