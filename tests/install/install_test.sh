#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the desktop files, and
# starts the installed program under a virtual display until its main window is
# there. With "package" as second argument, also builds the .deb and checks its
# dependencies.
set -euo pipefail
build="$1"
version="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/torvel lib/torvel/torvel lib/torvel/torvel-note-reader lib/torvel/images/Montage-X.bmp lib/torvel/images/Profile-U.bmp \
         share/applications/org.torvel.Torvel.desktop share/metainfo/org.torvel.Torvel.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.torvel.Torvel.svg share/mime/packages/org.torvel.Torvel.xml; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/org.torvel.Torvel.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.torvel.Torvel.metainfo.xml" >/dev/null
grep -q "MimeType=application/x-torvel-etude;" "$prefix/share/applications/org.torvel.Torvel.desktop" ||
  { echo "the desktop entry does not name the study files' type"; exit 1; }

# A saved study is known by its media type, by name and by content.
update-mime-database "$prefix/share/mime" >/dev/null 2>&1
printf '{\n    "format": "TORVEL-etude",\n    "version": 1\n}\n' >"$prefix/Réducteur 3.torvel"
cp "$prefix/Réducteur 3.torvel" "$prefix/sans-extension"
for f in "Réducteur 3.torvel" sans-extension; do
  type="$(XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS="$prefix/share:/usr/share" xdg-mime query filetype "$prefix/$f")"
  [ "$type" = application/x-torvel-etude ] || { echo "xdg-mime gives \"$type\" for $f"; exit 1; }
done

grep -q "<release version=\"$version\"" "$prefix/share/metainfo/org.torvel.Torvel.metainfo.xml" ||
  { echo "the AppStream data does not name the version $version"; exit 1; }

# Poppler is no part of the program: the note reader beside it reads a note's study.
if ldd "$prefix/lib/torvel/torvel" | grep -q poppler; then
  echo "the program loads Poppler at start-up"; exit 1
fi
note="$(dirname "$0")/../../fuzz/corpus/note_reader/study-deflated.pdf"
study="$("$prefix/lib/torvel/torvel-note-reader" 1048576 <"$note")" ||
  { echo "the installed note reader reads no study from $note"; exit 1; }
grep -q '"format": "TORVEL-etude"' <<<"$study" || { echo "the installed note reader gives \"$study\""; exit 1; }

# The installed program, started through its link, shows its main window "TORVEL".
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$prefix}"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  unset QT_QPA_PLATFORM
  "$1/bin/torvel" & pid=$!
  for i in $(seq 1 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"TORVEL\""; then kill $pid; wait $pid 2>/dev/null; exit 0; fi
    kill -0 $pid 2>/dev/null || { echo "the installed program ended early"; exit 1; }
    sleep 0.1
  done
  kill $pid; echo "no main window after 10 s"; exit 1' _ "$prefix"

if [ "${3:-}" = package ]; then
  (cd "$build" && cpack -G DEB >/dev/null 2>&1)
  deb="$(ls "$build"/torvel_"$version"_*.deb)"
  depends="$(dpkg-deb -f "$deb" Depends)"
  for p in libqt6widgets6 libqt6printsupport6 libqt6svg6 qt6-qpa-plugins libpoppler126; do
    echo "$depends" | grep -q "$p" || { echo "the package does not depend on $p: $depends"; exit 1; }
  done
  contents="$(dpkg-deb -c "$deb")"
  for f in ./usr/lib/torvel/torvel ./usr/lib/torvel/torvel-note-reader ./usr/bin/torvel ./usr/lib/torvel/images/Rectangle-Plein.bmp; do
    grep -qF "$f" <<<"$contents" || { echo "missing from the package: $f"; exit 1; }
  done
fi
echo "install test passed"
