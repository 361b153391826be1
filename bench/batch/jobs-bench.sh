#!/bin/bash
# sheafmill-batch with one office against two (and one per core), and against one
# `soffice --headless --convert-to pdf` call, over the same documents: copies of the samples
# under distinct names in a private home and profile. Each is run ROUNDS times, in turn, and
# its best time counts, so that a moment of other load on the machine weighs less. Prints the
# times and their ratios, the processor time of the best round (user + system, of all the
# processes of the command) and the load average before and after: ratios measured while
# other processes want the cores mean little.
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

seconds() {  # runs the command, prints its wall time and its processor time in seconds
  /usr/bin/time -f '%e %U %S' -o "$work/time" "$@" >/dev/null 2>"$work/err" ||
    { cat "$work/err" >&2; exit 1; }
  awk '{ print $1, $2 + $3 }' "$work/time"
}
pdfs() { ls "$1" | grep -c '\.pdf$' || true; }

# The first start of each sets up its office profile; it is not measured.
mkdir -p "$work/warm"
cp "$repo/examples/notes.txt" "$work/warm/"
"$batch" --types txt "$work/warm" "$work/warm-out" >/dev/null
soffice_profile="file://$work/soffice-profile"
soffice -env:UserInstallation="$soffice_profile" --headless --convert-to pdf \
  --outdir "$work/warm-out2" "$work/warm/notes.txt" >/dev/null 2>&1

best() {  # of two "wall cpu" pairs the one of the smaller wall time; the first may be empty
  awk -v a="$1" -v b="$2" 'BEGIN { split(a, x, " "); split(b, y, " ");
    print (a == "" || y[1] < x[1]) ? b : a }'
}
load_before="$(cut -d' ' -f1 /proc/loadavg)"
one="" two="" auto="" office=""
for ((round = 1; round <= rounds; ++round)); do
  rm -rf "$HOME"/{one,two,auto,soffice}
  one="$(best "$one" "$(seconds "$batch" --jobs 1 --types "$types" "$HOME/docs" "$HOME/one")")"
  two="$(best "$two" "$(seconds "$batch" --jobs 2 --types "$types" "$HOME/docs" "$HOME/two")")"
  auto="$(best "$auto" "$(seconds "$batch" --jobs auto --types "$types" "$HOME/docs" "$HOME/auto")")"
  office="$(best "$office" "$(seconds soffice -env:UserInstallation="$soffice_profile" --headless \
    --convert-to pdf --outdir "$HOME/soffice" "$HOME"/docs/*)")"
done

wall() { echo "${1% *}"; }
cpu() { echo "${1#* }"; }
line() {  # NAME "WALL CPU" FOLDER
  printf '%-34s %8.2f s  %6.2f s cpu  %d PDF files\n' "$1" "$(wall "$2")" "$(cpu "$2")" \
    "$(pdfs "$3")"
}
printf '%d documents, %d cores, best of %d rounds, load average %s before, %s after\n' \
  "$count" "$(nproc)" "$rounds" "$load_before" "$(cut -d' ' -f1 /proc/loadavg)"
line "sheafmill-batch --jobs 1" "$one" "$HOME/one"
line "sheafmill-batch --jobs 2" "$two" "$HOME/two"
line "sheafmill-batch --jobs auto" "$auto" "$HOME/auto"
line "soffice --convert-to pdf (one call)" "$office" "$HOME/soffice"
ratio() { awk -v a="$(wall "$1")" -v b="$(wall "$2")" 'BEGIN { print a / b }'; }
printf 'speed-up of --jobs 2 over --jobs 1:         %.2fx\n' "$(ratio "$one" "$two")"
printf 'speed-up of --jobs auto over soffice:       %.2fx\n' "$(ratio "$office" "$auto")"
