#!/usr/bin/env bash
# Converts every file of a folder with the batch tool and with `soffice --convert-to pdf`, one
# file at a time (a failing file ends a batch run, so each gets a run of its own), and prints
# per type: the files, how many each converted, how many converted by both differ in page
# count, how many of soffice's PDF files start with a blank page where Sheafmill's first page
# has text (soffice's export of many web pages drops their first paragraph so), and the time
# each took, measured in the same run, with the ratio.
# Usage: bench/office/corpus.sh FOLDER [BUILD-DIR]   (BUILD-DIR: build)
set -euo pipefail
if [ $# -lt 1 ] || [ ! -d "$1" ]; then
  echo "usage: $0 FOLDER [BUILD-DIR]" >&2
  exit 2
fi
source_folder=$(cd "$1" && pwd)
build=$(cd "${2:-build}" && pwd)
batch=$build/app/sheafmill-batch
for tool in "$batch" "$build/tools/driver/sheafmill-driver"; do
  [ -x "$tool" ] || { echo "$tool not built" >&2; exit 2; }
done
command -v soffice >/dev/null && command -v pdfinfo >/dev/null ||
  { echo "soffice and pdfinfo (poppler-utils) are needed" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Private settings: the PDF printer installed for this run only, and a private office profile.
export SHEAFMILL_PROFILE=$work/sheafmill
"$build/tools/driver/sheafmill-driver" install >/dev/null
office_profile=file://$work/office
soffice "-env:UserInstallation=$office_profile" --headless --terminate_after_init >/dev/null 2>&1 || true
limit=120

# The batch tool's type of a file, by the list its name would appear in ("*.doc" lists
# letter.docx and x.docbak too); nothing for names no list shows.
type_of() {
  local extension=${1##*.}
  [ "$extension" = "$1" ] && return
  case $(printf '%s' "${extension:0:3}" | tr '[:upper:]' '[:lower:]') in
    doc) echo doc ;; xls) echo xls ;; ppt) echo ppt ;; txt) echo txt ;; rtf) echo rtf ;;
    htm) echo htm ;; dxf | dwg) echo cad ;;
  esac
}

pages() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Pages: *//p'; }
# Whether the first page of a PDF file shows any text.
first_page_text() { [ -n "$(pdftotext -f 1 -l 1 "$1" - 2>/dev/null | tr -d '[:space:]')" ]; }
now() { date +%s.%N; }

declare -A files sm_ok lo_ok mismatched blank_first sm_time lo_time
n=0
for path in "$source_folder"/*; do
  [ -f "$path" ] || continue
  name=$(basename "$path")
  type=$(type_of "$name")
  [ -n "$type" ] || continue
  n=$((n + 1))
  one=$work/file-$n
  mkdir -p "$one/in" "$one/sm" "$one/lo"
  cp "$path" "$one/in/"
  start=$(now)
  timeout $limit "$batch" --types "$type" "$one/in" "$one/sm" >"$one/sm.log" 2>&1 || true
  middle=$(now)
  timeout $limit soffice "-env:UserInstallation=$office_profile" --headless --convert-to pdf \
    --outdir "$one/lo" "$one/in/$name" >"$one/lo.log" 2>&1 || true
  end=$(now)
  stem=${name%.*}
  sm_pages=$( [ -f "$one/sm/$stem.pdf" ] && pages "$one/sm/$stem.pdf" || true)
  lo_pages=$( [ -f "$one/lo/$stem.pdf" ] && pages "$one/lo/$stem.pdf" || true)
  files[$type]=$((${files[$type]:-0} + 1))
  [ -n "$sm_pages" ] && sm_ok[$type]=$((${sm_ok[$type]:-0} + 1))
  [ -n "$lo_pages" ] && lo_ok[$type]=$((${lo_ok[$type]:-0} + 1))
  note=
  if [ -n "$sm_pages" ] && [ -n "$lo_pages" ] && [ "$sm_pages" != "$lo_pages" ]; then
    mismatched[$type]=$((${mismatched[$type]:-0} + 1))
    if first_page_text "$one/sm/$stem.pdf" && ! first_page_text "$one/lo/$stem.pdf"; then
      blank_first[$type]=$((${blank_first[$type]:-0} + 1))
      note="soffice: blank first page"
    fi
  fi
  sm_time[$type]=$(awk "BEGIN { print ${sm_time[$type]:-0} + $middle - $start }")
  lo_time[$type]=$(awk "BEGIN { print ${lo_time[$type]:-0} + $end - $middle }")
  why=$(grep -av '^\(Batch\|Converting\|Preparing\|Please\|Ready\|Task\|Done\)' "$one/sm.log" | tail -1)
  printf '%-4s %-40s sheafmill %-4s soffice %-4s %6.1f s %s\n' "$type" "$name" "${sm_pages:--}" \
    "${lo_pages:--}" "$(awk "BEGIN { print $middle - $start }")" \
    "$( [ -z "$sm_pages" ] && echo "$why")$note"
done

echo
printf '%-5s %6s %10s %10s %11s %10s %12s %12s %7s\n' type files sheafmill soffice \
  "pages-diff" "blank-1st" "sheafmill-s" "soffice-s" ratio
for type in doc xls ppt txt rtf htm cad; do
  [ -n "${files[$type]:-}" ] || continue
  printf '%-5s %6d %10d %10d %11d %10d %12.1f %12.1f %7.2f\n' "$type" "${files[$type]}" \
    "${sm_ok[$type]:-0}" "${lo_ok[$type]:-0}" "${mismatched[$type]:-0}" \
    "${blank_first[$type]:-0}" "${sm_time[$type]}" \
    "${lo_time[$type]}" "$(awk "BEGIN { print ${sm_time[$type]} / ${lo_time[$type]} }")"
done
