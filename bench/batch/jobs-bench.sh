#!/bin/bash
# sheafmill-batch with one office against two (and one per core), and against one
# `soffice --headless --convert-to pdf` call, over the same documents: copies of the samples
# under distinct names in a private home and profile. Each is run ROUNDS times, in turn, and
# its best time counts, so that a moment of other load on the machine weighs less. Prints the
# times and their ratios.
#   bench/batch/jobs-bench.sh [BUILD_DIR] [COPIES] [ROUNDS]
#   (defaults: build, 4 copies = 32 documents, 3 rounds)
set -euo pipefail

repo="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$repo/build}" && pwd)"
copies="${2:-4}"
rounds="${3:-3}"
batch="$build/app/sheafmill-batch"
driver="$build/tools/driver/sheafmill-driver"
types="doc,txt,rtf,xls,ppt,htm"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" SHEAFMILL_PROFILE="$work/profile"
export TMPDIR="$work/tmp"
mkdir -p "$HOME/docs" "$TMPDIR"
for ((copy = 1; copy <= copies; ++copy)); do
  for sample in "$repo"/examples/*.{doc,docx,txt,rtf,xls,ppt,htm,html}; do
    name="$(basename "$sample")"
    cp "$sample" "$HOME/docs/${name%.*}-$copy.${name##*.}"
  done
done
count="$(ls "$HOME/docs" | wc -l)"
"$driver" install >/dev/null

seconds() {  # runs the command, prints its wall time in seconds
  local start end
  start="$(date +%s.%N)"
  "$@" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
  end="$(date +%s.%N)"
  awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}
pdfs() { ls "$1" | grep -c '\.pdf$' || true; }

# The first start of each sets up its office profile; it is not measured.
mkdir -p "$work/warm"
cp "$repo/examples/notes.txt" "$work/warm/"
"$batch" --types txt "$work/warm" "$work/warm-out" >/dev/null
soffice_profile="file://$work/soffice-profile"
soffice -env:UserInstallation="$soffice_profile" --headless --convert-to pdf \
  --outdir "$work/warm-out2" "$work/warm/notes.txt" >/dev/null 2>&1

best() {  # the smaller of two times; the first may be empty
  awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'
}
one="" two="" auto="" office=""
for ((round = 1; round <= rounds; ++round)); do
  rm -rf "$HOME"/{one,two,auto,soffice}
  one="$(best "$one" "$(seconds "$batch" --jobs 1 --types "$types" "$HOME/docs" "$HOME/one")")"
  two="$(best "$two" "$(seconds "$batch" --jobs 2 --types "$types" "$HOME/docs" "$HOME/two")")"
  auto="$(best "$auto" "$(seconds "$batch" --jobs auto --types "$types" "$HOME/docs" "$HOME/auto")")"
  office="$(best "$office" "$(seconds soffice -env:UserInstallation="$soffice_profile" --headless \
    --convert-to pdf --outdir "$HOME/soffice" "$HOME"/docs/*)")"
done

printf '%d documents, %d cores, best of %d rounds\n' "$count" "$(nproc)" "$rounds"
printf '%-34s %8.2f s  %d PDF files\n' "sheafmill-batch --jobs 1" "$one" "$(pdfs "$HOME/one")"
printf '%-34s %8.2f s  %d PDF files\n' "sheafmill-batch --jobs 2" "$two" "$(pdfs "$HOME/two")"
printf '%-34s %8.2f s  %d PDF files\n' "sheafmill-batch --jobs auto" "$auto" "$(pdfs "$HOME/auto")"
printf '%-34s %8.2f s  %d PDF files\n' "soffice --convert-to pdf (one call)" "$office" \
  "$(pdfs "$HOME/soffice")"
printf 'speed-up of --jobs 2 over --jobs 1:         %.2fx\n' "$(awk -v a="$one" -v b="$two" 'BEGIN { print a / b }')"
printf 'speed-up of --jobs auto over soffice:       %.2fx\n' "$(awk -v a="$office" -v b="$auto" 'BEGIN { print a / b }')"
