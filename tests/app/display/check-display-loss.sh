#!/usr/bin/env bash
# The window whose X display goes away (the X server ends) while the PDF printer's automatic
# output is on: the process ends with status 1 and the output is switched off, as closing the
# window would have done. Runs its own X server, so that ending it disturbs no other test.
# Usage: check-display-loss.sh BUILD
set -euo pipefail
build=$1
scratch=$(mktemp -d "${TMPDIR:-/tmp}/sheafmill-display-XXXXXX")
xserver=
trap '[ -n "$xserver" ] && kill "$xserver" 2>/dev/null; rm -rf "$scratch"' EXIT
export HOME=$scratch/home SHEAFMILL_PROFILE=$scratch/profile GTK_OVERLAY_SCROLLING=0
mkdir -p "$HOME" "$SHEAFMILL_PROFILE"
reg=$build/tools/reg/sheafmill-reg
key='HKCU\Software\Quillby\Varnel'
"$build/tools/driver/sheafmill-driver" install >/dev/null
"$reg" add "$key" /v AutomaticOutput /t REG_DWORD /d 1 /f >/dev/null
"$reg" add "$key" /v AutomaticPath /t REG_SZ /d 'C:\OUT' /f >/dev/null

exec 3<> >(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xserver=$!
read -r -t 20 number <&3 || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$number "$build/app/sheafmill" >"$scratch/out.log" 2>&1 &
window=$!
# Time for the window to open and settle.
sleep 5
kill "$xserver"
wait "$xserver" 2>/dev/null || true
xserver=
status=0
wait "$window" || status=$?
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status, not 1" >&2; cat "$scratch/out.log" >&2; exit 1; }
grep -q "connection to the display was lost" "$scratch/out.log" ||
  { echo "FAIL: no word of the lost display" >&2; cat "$scratch/out.log" >&2; exit 1; }
values=$("$reg" query "$key" /v AutomaticOutput)
case $values in
  *"REG_DWORD    0x0"*) echo "1 passed, 0 failed" ;;
  *) echo "FAIL: AutomaticOutput was left on: $values" >&2; exit 1 ;;
esac
