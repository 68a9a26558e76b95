#!/usr/bin/env bash
# The Rename File and About windows used as a person would, in a real X server: open a picture,
# rename it, step to the next picture, open About and close it. Screenshots of both windows go to
# SHOTS (default: a temporary folder). Exits 77 (skipped) without xvfb-run, xdotool or ImageMagick.
#   rename_about_end_to_end.sh CORVANE [SHOTS]
# OK_BY=enter presses the dialogs' OK with the keyboard instead of the pointer.
set -euo pipefail
corvane=$1
shots=${2:-}
for tool in xvfb-run xdotool import convert xwininfo; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home/Pictures" "$work/runtime"
chmod 700 "$work/runtime"
for name in a c e; do
  convert -size 320x240 "xc:#$(printf '%02x' $((RANDOM % 200)))8040" "$work/home/Pictures/$name.jpg"
done
shots=${shots:-$work/shots}
mkdir -p "$shots"

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime CORVANE=$corvane PICTURES=$work/home/Pictures SHOTS=$shots
export OK_BY=${OK_BY:-pointer} QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
set -euo pipefail
fail() { echo "FAIL: $*"; exit 1; }
window_of() {  # the id of the window with exactly this title, waiting for it to appear
  for _ in $(seq 60); do
    id=$(xwininfo -root -tree | awk -v t="\"$1\"" "index(\$0, t) { print \$1; exit }")
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
gone() {
  for _ in $(seq 30); do
    xwininfo -root -tree | grep -qF "\"$1\"" || return 0
    sleep 0.2
  done
  return 1
}
size_of() { xwininfo -id "$1" | awk "/Width:/ {w=\$2} /Height:/ {h=\$2} END {print w \"x\" h}"; }
click_in() {  # a real pointer click at a point of a window
  local x y
  read -r x y < <(xwininfo -id "$1" | awk "/Absolute upper-left X/ {x=\$4} /Absolute upper-left Y/ {y=\$4} END {print x, y}")
  xdotool mousemove $((x + $2)) $((y + $3)); sleep 0.3
  xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.5
}
press_ok() {  # the OK button of a dialog, at its centre in pixels
  if [ "$OK_BY" = enter ]; then xdotool key Return; sleep 0.5; else click_in "$1" "$2" "$3"; fi
}

"$CORVANE" & app=$!
trap "kill $app 2>/dev/null || true" EXIT
main=$(window_of "Corvane 1.0") || fail "no main window"
sleep 0.5

click_in "$main" 672 80                       # Open File
sleep 1
xdotool type --delay 20 "$PICTURES/c.jpg"; xdotool key Return
window_of "c.jpg - Corvane 1.0" >/dev/null || fail "c.jpg not shown after Open"

click_in "$main" 576 520                      # Rename File
rename=$(window_of "Rename File") || fail "no Rename File window"
[ "$(size_of "$rename")" = 312x158 ] || fail "Rename File is $(size_of "$rename"), not 312x158"
sleep 0.5
xdotool type --delay 30 "d"                   # the name box opens focused with all selected
import -window "$rename" "$SHOTS/rename-file.png"
press_ok "$rename" 268 132
gone "Rename File" || fail "Rename File still open after OK"
[ -f "$PICTURES/d.JPG" ] && [ ! -e "$PICTURES/c.jpg" ] || fail "file not renamed: $(ls "$PICTURES")"

click_in "$main" 672 144                      # Next File
window_of "e.jpg - Corvane 1.0" >/dev/null || fail "Next after the rename did not show e.jpg"

click_in "$main" 384 520                      # About
about=$(window_of "About Corvane ") || fail "no About window"
[ "$(size_of "$about")" = 447x216 ] || fail "About is $(size_of "$about"), not 447x216"
sleep 0.5
import -window "$about" "$SHOTS/about.png"
press_ok "$about" 404 196
gone "About Corvane " || fail "About still open after OK"
import -window "$main" "$SHOTS/main-after-rename.png"
echo "end to end: renamed c.jpg to d.JPG, Next showed e.jpg, About opened at 447x216 and closed (OK by $OK_BY)"
'
