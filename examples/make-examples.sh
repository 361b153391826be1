#!/usr/bin/env bash
# Remakes the sample documents in this folder from the sources in sources/, with
# LibreOffice (soffice) on a private profile: one document of every type Sheafmill converts,
# each of its own name, so that every document gets a PDF of its own; and in same-name/ two
# documents that share their PDF name. Also remakes the password-protected document the
# office-host tests use.
# Usage: examples/make-examples.sh
set -euo pipefail
cd "$(dirname "$0")"
if ! command -v soffice >/dev/null; then
  echo "soffice not found: install LibreOffice (scripts/install-deps.sh)" >&2
  exit 1
fi
examples=$PWD
sources=$examples/sources
test_data=$examples/../tests/platform/hosts/data

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
profile=$work/profile

office() {
  soffice "-env:UserInstallation=file://$profile" --headless --norestore "$@" >/dev/null \
    2> >(grep -v javaldx >&2)
}

# convert SOURCE TARGET-NAME FILTER [IMPORT-FILTER]
convert() {
  local source=$1 target=$2 filter=$3 import=${4:-}
  local extension=${target##*.}
  rm -rf "$work/out" && mkdir -p "$work/out"
  local args=(--convert-to "$extension:$filter" --outdir "$work/out")
  if [ -n "$import" ]; then args=(--infilter="$import" "${args[@]}"); fi
  office "${args[@]}" "$sources/$source"
  mv "$work/out/${source%.*}.$extension" "$examples/$target"
  echo "made $target"
}

# A drawing interchange file (AutoCAD R12 ASCII): a floor plan of lines, a circle and a label.
make_dxf() {
  local target=$1
  {
    printf '999\nSheafmill sample drawing\n0\nSECTION\n2\nENTITIES\n'
    line() { printf '0\nLINE\n8\nWALLS\n10\n%s\n20\n%s\n30\n0.0\n11\n%s\n21\n%s\n31\n0.0\n' "$@"; }
    line 0 0 1200 0
    line 1200 0 1200 800
    line 1200 800 0 800
    line 0 800 0 0
    line 700 0 700 800
    line 700 450 1200 450
    printf '0\nCIRCLE\n8\nFURNITURE\n10\n350.0\n20\n400.0\n30\n0.0\n40\n150.0\n'
    printf '0\nTEXT\n8\nLABELS\n10\n760.0\n20\n600.0\n30\n0.0\n40\n45.0\n1\nOffice\n'
    printf '0\nTEXT\n8\nLABELS\n10\n760.0\n20\n200.0\n30\n0.0\n40\n45.0\n1\nStore\n'
    printf '0\nENDSEC\n0\nEOF\n'
  } >"$examples/$target"
  echo "made $target"
}

# A Word 97 document that opens only with the password "secret".
make_protected() {
  local source=$1 target=$2
  local module=$profile/user/basic/Standard/Module1.xba
  cat >"$module" <<'XBA'
<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE script:module PUBLIC "-//OpenOffice.org//DTD OfficeDocument 1.0//EN" "module.dtd">
<script:module xmlns:script="http://openoffice.org/2000/script" script:name="Module1" script:language="StarBasic">
Sub Protect(source As String, target As String)
  Dim load(1) As New com.sun.star.beans.PropertyValue
  load(0).Name = &quot;Hidden&quot; : load(0).Value = True
  load(1).Name = &quot;FilterName&quot; : load(1).Value = &quot;HTML (StarWriter)&quot;
  document = StarDesktop.loadComponentFromURL(ConvertToURL(source), &quot;_blank&quot;, 0, load())
  Dim store(1) As New com.sun.star.beans.PropertyValue
  store(0).Name = &quot;FilterName&quot; : store(0).Value = &quot;MS Word 97&quot;
  store(1).Name = &quot;Password&quot; : store(1).Value = &quot;secret&quot;
  document.storeToURL(ConvertToURL(target), store())
  document.close(True)
End Sub
</script:module>
XBA
  mkdir -p "$(dirname "$target")"
  office --invisible "macro:///Standard.Module1.Protect(\"$sources/$source\",\"$target\")"
  echo "made ${target#"$examples/"}"
}

# A profile that names the version last run skips the graphics self-tests at every start
# (about 3 s); the first start on a new profile only sets it up.
version=$(soffice --version | sed -n 's/^LibreOffice \([0-9]*\.[0-9]*\).*/\1/p')
mkdir -p "$profile/user"
cat >"$profile/user/registrymodifications.xcu" <<XCU
<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Setup/Product"><prop oor:name="ooSetupLastVersion" oor:op="fuse"><value>$version</value></prop></item>
</oor:items>
XCU
office --terminate_after_init

convert report.html report.doc "MS Word 97" "HTML (StarWriter)"
convert memo.html memo.docx "MS Word 2007 XML" "HTML (StarWriter)"
convert notes.html notes.txt "Text (encoded):UTF8" "HTML (StarWriter)"
convert letter.html letter.rtf "Rich Text Format" "HTML (StarWriter)"
# Web pages as people write them. (LibreOffice 7.4 aborts when it loads its own HTML export
# of a document without dates: "created" and "changed" hold a bare "00:00:00".)
cp sources/agenda.html agenda.htm && echo "made agenda.htm"
cp sources/summary.html summary.html && echo "made summary.html"
convert budget.html budget.xls "MS Excel 97" "HTML (StarCalc)"
convert slides.fodp slides.ppt "MS PowerPoint 97"
make_dxf plan.dxf
mkdir -p same-name
convert memo.html same-name/memo.docx "MS Word 2007 XML" "HTML (StarWriter)"
convert memo.html same-name/memo.txt "Text (encoded):UTF8" "HTML (StarWriter)"
make_protected summary.html "$test_data/protected.doc"
