#!/usr/bin/env bash
# Checks a built Debian package of the program as a user's machine would meet it: what it
# holds, with which owners and modes; its desktop entry, metainfo and icons; lintian; and a
# first start of the unpacked program in an empty home, which must create the user's private
# data folder and file and show the main window. The last picture the window showed is left
# beside the package as first-start.png.
#   scripts/check-package.sh build/worthsheet_1.0.0_amd64.deb
set -euo pipefail

deb=$(realpath "${1:?usage: check-package.sh PACKAGE.deb}")
app_id=com.norvale.Worthsheet
passed=0
failed=0
ok() { echo "ok: $*"; passed=$((passed + 1)); }
bad() { echo "FAILED: $*"; failed=$((failed + 1)); }
check() {
  local what=$1
  shift
  if "$@"; then ok "$what"; else bad "$what"; fi
}

work=$(mktemp -d)
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
root=$work/root

# --- What the package holds -------------------------------------------------------------
version=$(dpkg-deb --field "$deb" Version)
depends=$(dpkg-deb --field "$deb" Depends)
echo "Package $(basename "$deb"), version $version"
echo "Depends: $depends"
dpkg-deb --contents "$deb" >"$work/contents"

# Every path lies under /usr, belongs to root, and has the mode Debian expects: folders and
# the program 0755, every other file 0644.
outside=$(awk '$6 != "./" && $6 !~ /^\.\/usr\// { print $6 }' "$work/contents")
check "every path is under /usr" test -z "$outside"
[ -z "$outside" ] || echo "$outside"
owners=$(awk '$2 != "root/root" { print $2, $6 }' "$work/contents")
check "every path belongs to root" test -z "$owners"
[ -z "$owners" ] || echo "$owners"
modes=$(awk '
  $1 ~ /^d/ && $1 != "drwxr-xr-x" { print $1, $6 }
  $1 ~ /^-/ && $6 == "./usr/bin/worthsheet" && $1 != "-rwxr-xr-x" { print $1, $6 }
  $1 ~ /^-/ && $6 != "./usr/bin/worthsheet" && $1 != "-rw-r--r--" { print $1, $6 }
  $1 !~ /^[-d]/ { print $1, $6 }' "$work/contents")
check "folders and the program are 0755, other files 0644, nothing else" test -z "$modes"
[ -z "$modes" ] || echo "$modes"

dpkg-deb --extract "$deb" "$root"
for path in usr/bin/worthsheet usr/share/worthsheet/wks.ABS \
  "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
  "usr/share/icons/hicolor/48x48/apps/$app_id.png" "usr/share/icons/hicolor/256x256/apps/$app_id.png" \
  usr/share/man/man1/worthsheet.1.gz usr/share/doc/worthsheet/copyright usr/share/doc/worthsheet/changelog.gz; do
  check "holds /$path" test -f "$root/$path"
done

# Width and height from a PNG's header.
png_size() { od -An -tu1 -j16 -N8 "$1" 2>/dev/null | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 "x" $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'; }
for size in 48 256; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ -f "$icon" ] && check "the ${size} px icon is ${size}x${size}" test "$(png_size "$icon")" = "${size}x${size}"
done

check "the program is stripped" bash -c "! readelf --sections '$root/usr/bin/worthsheet' | grep -qE '\\.symtab|\\.debug_info'"
check "the dependencies come from the binary" grep -q 'libqt6widgets6' <<<"$depends"
check "the fonts are a dependency" grep -q 'fonts-liberation' <<<"$depends"
release=$(grep -o '<release version="[^"]*"' "$root/usr/share/metainfo/$app_id.metainfo.xml" | head -n1 | cut -d'"' -f2)
check "the metainfo's newest release is the package's version ($release)" test "$release" = "$version"

# --- The desktop's own validators, and lintian -------------------------------------------
check "desktop-file-validate accepts the desktop entry" desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
check "appstreamcli accepts the metainfo" appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
echo "lintian:"
check "lintian reports no error" lintian --fail-on error --display-info "$deb"

# --- A first start of the unpacked program in an empty home ------------------------------
# The program is started as the desktop entry starts it (its Exec line, found on PATH), in
# a fresh environment. The minimal platform draws offscreen and saves each picture it shows
# as outputNNNN.png in the working folder.
home=$work/home
mkdir -m 0700 "$home" "$work/pictures"
data_home=$home/.local/share
file=$data_home/Norvale/Worthsheet\ 2010/data/wks.ABS
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app_id.desktop")
if [ -e "/opt/Norvale/Worthsheet 2010/data/wks.ABS" ]; then
  bad "a shared statement file in /opt takes the place of a first start on this machine"
else
  (cd "$work/pictures" && exec env -i HOME="$home" XDG_DATA_HOME="$data_home" PATH="$root/usr/bin:/usr/bin:/bin" \
    LANG=C.UTF-8 QT_QPA_PLATFORM=minimal QT_DEBUG_BACKINGSTORE=1 $exec_line >"$work/program.log" 2>&1) &
  program_pid=$!
  # The main window is 714 wide and 513 high below its menu bar; a message box (the
  # connection error) would come first and, unanswered, keep it from showing.
  window=
  for _ in $(seq 300); do
    for picture in "$work"/pictures/output*.png; do
      # Only a picture written whole: it ends with the image's end chunk.
      [ -f "$picture" ] && [[ "$(png_size "$picture")" =~ ^714x5[1-9][0-9]$ ]] \
        && [ "$(tail -c 8 "$picture" | head -c 4 | tr -d '\0')" = IEND ] && window=$picture
    done
    [ -n "$window" ] && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  check "the program shows its main window and no message first" test -n "$window"
  check "the program is still running" kill -0 "$program_pid"
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=
  [ -n "$window" ] && cp "$window" "$(dirname "$deb")/first-start.png"
  # Every picture shown, in order, with its size: only the main window's.
  for picture in "$work"/pictures/output*.png; do
    [ -f "$picture" ] && echo "  shown: $(basename "$picture") $(png_size "$picture")"
  done

  check "the first start created the data file" test -f "$file"
  check "the data file is the user's alone (0600)" test "$(stat -c %a "$file" 2>/dev/null)" = 600
  for folder in "$home/.local" "$data_home" "$data_home/Norvale" "$data_home/Norvale/Worthsheet 2010" "$(dirname "$file")"; do
    check "the folder ${folder#"$home"/} is private (0700)" test "$(stat -c %a "$folder" 2>/dev/null)" = 700
  done
  # With no login stored the first page is the one that offers a new login (the window tests
  # show it); a template that carried a row would start elsewhere, or with someone's data.
  rows=$(sqlite3 "$root/usr/share/worthsheet/wks.ABS" "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%'" |
    while read -r table; do sqlite3 "$root/usr/share/worthsheet/wks.ABS" "SELECT count(*) FROM \"$table\""; done | awk '{ n += $1 } END { print n + 0 }')
  check "the installed template holds no row, no login among them" test "$rows" = 0
  check "the data file holds the installed template's tables" \
    test "$(sqlite3 "$file" .schema 2>/dev/null)" = "$(sqlite3 "$root/usr/share/worthsheet/wks.ABS" .schema)"
  check "nothing else was left in the data folder" test "$(ls -A "$(dirname "$file")" 2>/dev/null)" = wks.ABS
  if [ "$failed" -gt 0 ]; then
    echo "program output:"
    cat "$work/program.log"
  fi
fi

echo "package check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
