#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what the desktop sees
# there: the launcher entry and the metadata pass the desktop's own
# validators, the theme icon is present at every size, and the thumbnailer
# entry runs the installed brisel-cli on an installed cursor file.
#   check_install.sh CMAKE BUILD_DIR
# Ends with 77 (skipped) when the validators are not installed.
set -euo pipefail
cmake=$1 build=$2
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop=$share/applications/org.example.Brisel.desktop
metainfo=$share/metainfo/org.example.Brisel.metainfo.xml
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"

for program in brisel brisel-cli extbind; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
for data in "brisel/Use Files/16.bmp" brisel/Cursors/pencil.cur brisel/briselhelp.html; do
  [ -s "$share/$data" ] || fail "share/$data is not installed"
done

# A PNG's width and height from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
for size in 16 22 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/org.example.Brisel.png
  [ -s "$icon" ] || fail "no ${size}x${size} theme icon"
  [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon")"
done
grep -qx 'Icon=org.example.Brisel' "$desktop" || fail "the launcher names another icon"

# The installed thumbnailer, run as a file manager runs it.
thumbnailer=$share/thumbnailers/brisel.thumbnailer
key() { sed -n "s/^$1=//p" "$thumbnailer"; }
[ "$(key TryExec)" = "$prefix/bin/brisel-cli" ] || fail "TryExec is $(key TryExec)"
[ "$(key MimeType)" = "$(sed -n 's/^MimeType=//p' "$desktop")" ] ||
  fail "the thumbnailer and the launcher name different file types"
# Every kind of file it names: a cursor, an animated cursor and an X cursor
# (no extension) made from it by the installed brisel-cli. Where GIO is
# there, each file's type as the desktop sees it is one the entry names.
cursor=$share/brisel/Cursors/pencil.cur
"$prefix/bin/brisel-cli" create "$prefix/pencil.ani" "$cursor" "$cursor" >/dev/null
"$prefix/bin/brisel-cli" convert "$cursor" "$prefix/pencil" >/dev/null
for file in "$cursor" "$prefix/pencil.ani" "$prefix/pencil"; do
  if command -v gio >/dev/null; then
    type=$(gio info -a standard::content-type "$file" | sed -n 's/^ *standard::content-type: //p')
    case ";$(key MimeType)" in *";$type;"*) ;; *) fail "$file is $type, which the entries do not name";; esac
  fi
  out=$prefix/thumb.png
  rm -f "$out"
  exec_line=$(key Exec)
  exec_line=${exec_line//%i/$file}
  exec_line=${exec_line//%o/$out}
  exec_line=${exec_line//%s/128}
  $exec_line
  [ "$(png_size "$out")" = "128x128" ] || fail "the thumbnail of $file is $(png_size "$out")"
done
echo "installed into a temporary prefix and checked"
