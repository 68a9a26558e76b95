#!/usr/bin/env bash
# Moves a real pointer over cvbutton-gallery and counts the events it prints.
set -euo pipefail
gallery=$1
for tool in xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
if [ -z "${POINTER_TEST_INSIDE_X:-}" ]; then
  POINTER_TEST_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

log=$(mktemp)
trap 'kill "$pid" 2>/dev/null || true; rm -f "$log"' EXIT
env -u QT_QPA_PLATFORM "$gallery" --geometry >"$log" 2>/dev/null &
pid=$!
for _ in $(seq 50); do grep -q '^about ' "$log" && break; sleep 0.1; done
window=$(xdotool search --sync --name "cvButton gallery" | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
sleep 0.5

centre() { read -r _ x y w h < <(grep "^$1 " "$log"); echo $((X + x + w / 2)) $((Y + y + h / 2)); }
count() { grep -c "^$1\$" "$log" || true; }
expect() {
  local got; got=$(count "$1")
  [ "$got" -eq "$2" ] || { echo "FAIL: '$1' seen $got times, expected $2"; cat "$log"; exit 1; }
}

read -r cx cy < <(centre s3-push)
xdotool mousemove "$cx" "$cy"; sleep 0.3
xdotool mousemove $((cx + 6)) $((cy + 3)); sleep 0.3
xdotool mousemove $((cx - 6)) $((cy - 3)); sleep 0.3
expect "MouseEnter s3-push" 1
expect "MouseLeave s3-push" 0
xdotool click 1; sleep 0.4
expect "Click s3-push" 1
xdotool click --repeat 2 --delay 60 1; sleep 0.4
expect "Click s3-push" 3
read -r _ _ y _ h < <(grep "^s10-push " "$log")
xdotool mousemove "$cx" $((Y + y + h + 40)); sleep 0.4
expect "MouseLeave s3-push" 1
expect "MouseEnter s3-push" 1

# The disabled control raises nothing at all.
read -r dx dy < <(centre s3-disabled)
xdotool mousemove "$dx" "$dy"; sleep 0.3; xdotool click 1; sleep 0.3
expect "MouseEnter s3-disabled" 0
expect "Click s3-disabled" 0
echo "pointer test passed"
