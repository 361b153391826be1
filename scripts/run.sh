#!/usr/bin/env bash
# The first command on a fresh machine: installs the packages that are missing, builds the
# programs, installs the PDF printer for the current user, and runs Sheafmill: its window when
# there is a display, else the batch tool, which converts examples/ into a new temporary
# folder. Every step is idempotent: run again, it only starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# What runs and what is installed; the tests are scripts/test.sh's business.
SHEAFMILL_BUILD_TARGETS="sheafmill sheafmill-batch sheafmill-driver sheafmill-reg rundll32 \
  sheafmill-icons" scripts/build.sh
build_dir=${SHEAFMILL_BUILD_DIR:-build}
"$build_dir/tools/driver/sheafmill-driver" install

# Whether a window can open: a Wayland socket, or an X display whose socket is there (a
# display on another host, as ssh -X sets it, is taken on trust).
display_usable() {
  if [ -n "${WAYLAND_DISPLAY:-}" ]; then
    local socket=$WAYLAND_DISPLAY
    [[ $socket == /* ]] || socket=${XDG_RUNTIME_DIR:-/nonexistent}/$socket
    [ -S "$socket" ] && return 0
  fi
  case ${DISPLAY:-} in
    "") return 1 ;;
    :* | unix:*)
      local number=${DISPLAY#*:}
      [ -S "/tmp/.X11-unix/X${number%%.*}" ] ;;
    *) return 0 ;;
  esac
}

if display_usable; then
  exec "$build_dir/app/sheafmill"
fi

echo "No usable display (DISPLAY='${DISPLAY:-}', WAYLAND_DISPLAY='${WAYLAND_DISPLAY:-}'):" \
  "converting examples/ with the batch tool instead."
out=$(mktemp -d "${TMPDIR:-/tmp}/sheafmill-examples-XXXXXX")
status=0
"$build_dir/app/sheafmill-batch" --types doc,txt,rtf,xls,ppt,htm,cad examples "$out" || status=$?
echo
echo "The PDF files in $out:"
ls -l "$out"
exit "$status"
