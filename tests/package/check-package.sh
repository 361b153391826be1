#!/usr/bin/env bash
# The Debian package as a user gets it: builds it from the build folder BUILD with CPack,
# checks its file list and what lintian, desktop-file-validate and appstreamcli say of it,
# unpacks it into a scratch root and converts the sample documents of EXAMPLES with the
# unpacked programs: one PDF file per document.
# Usage: check-package.sh BUILD EXAMPLES VERSION
set -euo pipefail
build=$1 examples=$2 version=$3
deb=$build/sheafmill_${version}_amd64.deb
scratch=$(mktemp -d "${TMPDIR:-/tmp}/sheafmill-package-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

rm -f "$deb"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$build" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; exit 1; }
[ -f "$deb" ] || { fail "CPack made no $deb"; exit 1; }
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"

# The files, but for the DWG reader's node modules and what other parts install into the
# program's own share folder.
expected=$(
  printf '%s\n' ./usr/bin/sheafmill ./usr/bin/sheafmill-batch ./usr/bin/sheafmill-driver \
    ./usr/bin/sheafmill-reg ./usr/libexec/sheafmill/sheafmill \
    ./usr/libexec/sheafmill/sheafmill-batch ./usr/libexec/sheafmill/programs/rundll32.exe \
    ./usr/share/applications/sheafmill.desktop \
    ./usr/share/metainfo/org.sheafmill.Sheafmill.metainfo.xml \
    ./usr/share/doc/sheafmill/changelog.gz ./usr/share/doc/sheafmill/copyright \
    ./usr/share/lintian/overrides/sheafmill \
    ./usr/libexec/sheafmill/programs/dwg/dwg2dxf.mjs \
    ./usr/libexec/sheafmill/programs/dwg/package.json \
    ./usr/libexec/sheafmill/programs/dwg/package-lock.json
  for page in sheafmill sheafmill-batch sheafmill-driver sheafmill-reg; do
    echo "./usr/share/man/man1/$page.1.gz"
  done
  for size in 16 22 24 32 48 64 128 256; do
    echo "./usr/share/icons/hicolor/${size}x$size/apps/sheafmill.png"
  done
)
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | grep -v -e '^\./usr/share/sheafmill/' \
  -e '^\./usr/libexec/sheafmill/programs/dwg/node_modules/')
if ! diff <(sort <<<"$expected") <(sort <<<"$actual") >"$scratch/files.diff"; then
  fail "the package's files differ from the expected ones (< missing, > unexpected):"
  cat "$scratch/files.diff" >&2
fi

if ! lintian --fail-on error "$deb" >"$scratch/lintian.log" 2>&1; then
  fail "lintian reports errors:"
  cat "$scratch/lintian.log" >&2
fi

root=$scratch/root
dpkg-deb -x "$deb" "$root"
report=$(desktop-file-validate "$root/usr/share/applications/sheafmill.desktop" 2>&1) || true
[ -z "$report" ] || fail "desktop-file-validate: $report"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.sheafmill.Sheafmill.metainfo.xml" \
  >"$scratch/appstream.log" 2>&1 || { fail "appstreamcli rejects the metainfo:"; cat "$scratch/appstream.log" >&2; }

# The unpacked programs find LibreOffice's libraries on their run path, and no library is
# looked for in the working folder.
for program in sheafmill sheafmill-batch; do
  runpath=$(readelf -d "$root/usr/libexec/sheafmill/$program" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
  [[ :$runpath: == *:/usr/lib/libreoffice/program:* ]] || fail "$program's run path is \"$runpath\""
  [[ :$runpath: != *::* ]] || fail "$program's run path \"$runpath\" has an empty entry"
done
for program in "$root"/usr/bin/* "$root"/usr/libexec/sheafmill/programs/rundll32.exe; do
  ! ldd "$program" | grep 'not found' || fail "$program misses libraries"
done

batch=$root/usr/bin/sheafmill-batch
[ "$("$batch" --version)" = "sheafmill-batch $version" ] || fail "sheafmill-batch --version"
window_version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/sheafmill" --version 2>&1) ||
  true
[ "$window_version" = "sheafmill $version" ] || fail "sheafmill --version: $window_version"

# A new user: a home of their own, the printer installed, every type converted.
export HOME=$scratch/home SHEAFMILL_PROFILE=$scratch/profile TMPDIR=$scratch/tmp
unset XDG_CONFIG_HOME
mkdir -p "$HOME" "$TMPDIR"
cp -r "$examples" "$scratch/examples"
"$root/usr/bin/sheafmill-driver" install >/dev/null
status=0
"$batch" --types doc,xls,ppt,txt,rtf,htm,cad "$scratch/examples" "$scratch/pdf" \
  >"$scratch/batch.out" 2>"$scratch/batch.err" || status=$?
if grep -q "LibreOffice is not installed" "$scratch/batch.err"; then
  echo "skipped: LibreOffice is not installed, so the unpacked batch tool converts nothing"
  exit 77
fi
[ "$status" -eq 0 ] || fail "sheafmill-batch exited with $status"
[ ! -s "$scratch/batch.err" ] || fail "sheafmill-batch wrote to standard error: $(cat "$scratch/batch.err")"
documents=0
for document in "$scratch"/examples/*.{doc,docx,xls,ppt,txt,rtf,htm,html,dxf}; do
  [ -f "$document" ] || continue
  documents=$((documents + 1))
  name=$(basename "$document")
  pdf=$scratch/pdf/${name%.*}.pdf
  pages=$(pdfinfo "$pdf" 2>/dev/null | sed -n 's/^Pages: *//p')
  [ "${pages:-0}" -ge 1 ] || fail "no PDF with pages for $name"
  grep -q "$name Converted OK!" "$scratch/batch.out" || fail "$name is not reported converted"
done
[ "$documents" -ge 9 ] || fail "only $documents sample documents in $examples"
pdfs=$(find "$scratch/pdf" -type f | wc -l)
[ "$pdfs" -eq "$documents" ] || fail "$pdfs PDF files for $documents documents"
[ -z "$(ls -A "$TMPDIR")" ] || fail "the run left files in its temporary folder"

if [ "$failures" -ne 0 ]; then
  echo "--- the batch tool's output:" >&2
  cat "$scratch/batch.out" >&2
  exit 1
fi
echo "$deb: $documents documents, $pdfs PDF files"
