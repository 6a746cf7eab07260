#!/usr/bin/env bash
# Refreshes the translation catalogues from the sources: for each folder,
# translations/<folder>_en.ts and translations/<folder>_zh_CN.ts (created when
# missing). Usage: scripts/lupdate.sh [folder...]   (default: every folder with
# texts for the operator). "viewer" is the image viewer program, host/viewer,
# which has a catalogue of its own; "host" is the rest of host/.
#
# Translations already made are kept. A text that left the sources stays in its
# catalogue as "vanished" (lrelease leaves it out), so a translation is not lost
# when a text is moved or changed back. New texts arrive unfinished; a text that
# is already in the catalogue's language (no Chinese in an English one, Chinese
# in a Chinese one) is filled with itself and marked finished, so that what is
# left unfinished is exactly what still needs a translator.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -gt 0 ]; then
  folders=("$@")
else
  folders=(framework camera imagery project processing settings map host viewer)
fi
lupdate=$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)

mkdir -p "$root/translations"
for folder in "${folders[@]}"; do
  case "$folder" in
    # The image viewer is a program of its own, with a catalogue of its own.
    viewer) sources=("$root/host/viewer") ;;
    host) sources=("$root"/host/*.cpp "$root"/host/*.h) ;;
    *) sources=("$root/$folder") ;;
  esac
  for language in en zh_CN; do
    ts="$root/translations/${folder}_${language}.ts"
    # No source locations: line numbers would change the catalogue with every
    # edit of a source and make merges of parallel work collide.
    "$lupdate" -silent -locations none -no-ui-lines -extensions cpp,h -I "$root" \
      -target-language "$language" "${sources[@]}" -ts "$ts"
    python3 - "$ts" "$language" <<'PY'
import re, sys
path, language = sys.argv[1], sys.argv[2]
text = open(path, encoding="utf-8").read()
han = re.compile("[\u3000-\u303f\u3400-\u9fff\uf900-\ufaff\uff00-\uffef]")

def fill(match):
    source = match.group(2)
    same = not han.search(source) if language == "en" else bool(han.search(source))
    if not same:
        return match.group(0)
    return match.group(1) + ">" + source + "</translation>"

pattern = re.compile(
    r'(<source>([^<]*)</source>(?:(?!</message>).)*?<translation) type="unfinished"></translation>',
    re.S)
open(path, "w", encoding="utf-8").write(pattern.sub(fill, text))
PY
  done
done
