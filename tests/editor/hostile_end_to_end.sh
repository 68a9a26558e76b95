#!/usr/bin/env bash
# The editor in a real X server against what a careless or hostile desktop throws at it: a rename
# onto a name held by a dangling link, a rename finished after the window moved on, a listed
# picture replaced by a named pipe, forty later starts naming missing files, and another listener
# at the fixed name the channel once fell back to. Exits 77 (skipped) without xvfb-run, xdotool or
# ImageMagick.
#   hostile_end_to_end.sh CORVANE
set -euo pipefail
corvane=$1
for tool in xvfb-run xdotool xwininfo convert python3; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/pics" "$work/shared" "$work/runtime" "$work/tmp"
chmod 700 "$work/runtime"
for name in p1 p2 z; do
  convert -size 160x120 "xc:#$(printf '%02x' $((RANDOM % 200)))6080" "$work/pics/$name.jpg"
done
ln -s "$work/shared/landed.JPG" "$work/pics/d.JPG" # points nowhere yet

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime CORVANE=$corvane PICS=$work/pics WORK=$work
export COMMENT_TOOL=$(dirname "$corvane")/corvane-comment QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
set -euo pipefail
trap "echo \"FAIL: a step ended with an error: \$BASH_COMMAND\"" ERR
fail() { echo "FAIL: $*"; exit 1; }
window_of() {  # the id of a shown window with exactly this title, waiting for it to appear
  for _ in $(seq 60); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
count_of() { { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; } | wc -l; }
gone() {
  for _ in $(seq 30); do [ "$(count_of "$1")" = 0 ] && return 0; sleep 0.2; done
  return 1
}
click_in() {  # a real pointer click at a point of a window
  xdotool mousemove --window "$1" "$2" "$3"; sleep 0.3
  xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.5
}
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; sleep 0.3; }
answer() {  # Return on the message box of this title
  local box; box=$(window_of "$1") || fail "no message titled \"$1\""
  focus "$box"; xdotool key Return; sleep 0.5
}

"$CORVANE" "$PICS/p1.jpg" & app=$!
trap "kill $app 2>/dev/null || true" EXIT
main=$(window_of "p1.jpg - Corvane 1.0") || fail "no window showing p1.jpg"
sleep 0.5

# A name held by a dangling link is taken: the picture stays, nothing lands where the link points.
click_in "$main" 576 520
rename=$(window_of "Rename File") || fail "no Rename File window"
sleep 0.3
xdotool type --delay 30 "d"; xdotool key Return
answer "Error"
[ -f "$PICS/p1.jpg" ] || fail "p1.jpg left its folder"
[ ! -e "$WORK/shared/landed.JPG" ] || fail "a file was created where the link points"
[ -L "$PICS/d.JPG" ] || fail "the link was replaced"
focus "$rename"; xdotool key Escape
gone "Rename File" || fail "Escape did not close Rename File"
echo "rename onto a dangling link: refused, p1.jpg kept, nothing created through the link"

# Rename finished after Next: the path box and Save stay with what the window shows.
click_in "$main" 576 520
rename=$(window_of "Rename File") || fail "no Rename File window"
click_in "$main" 672 144
window_of "p2.jpg - Corvane 1.0" >/dev/null || fail "Next did not show p2.jpg"
focus "$rename"
xdotool type --delay 30 "renamed"; xdotool key Return
gone "Rename File" || fail "Rename File still open after OK"
[ -f "$PICS/renamed.JPG" ] || fail "p1.jpg was not renamed: $(ls "$PICS")"
window_of "p2.jpg - Corvane 1.0" >/dev/null || fail "the window no longer shows p2.jpg"
click_in "$main" 300 380
xdotool type --delay 20 "edited"
click_in "$main" 672 328
answer " Comments"
[ "$("$COMMENT_TOOL" get "$PICS/p2.jpg")" = edited ] || fail "p2.jpg did not get its comment"
[ -z "$("$COMMENT_TOOL" get "$PICS/renamed.JPG")" ] || fail "the renamed p1 got p2'"'"'s comment"
echo "rename in the background: Save wrote p2.jpg, the renamed p1 kept no comment"

# A listed picture replaced by a named pipe: the window says what it is and still answers a start.
click_in "$main" 672 144
window_of "renamed.JPG - Corvane 1.0" >/dev/null || fail "Next did not show renamed.JPG"
rm "$PICS/z.jpg"; mkfifo "$PICS/z.jpg"
click_in "$main" 672 144
window_of "Error" >/dev/null || fail "no message about the pipe"
timeout 20 env QT_QPA_PLATFORM=offscreen "$CORVANE" "$PICS/p2.jpg" || fail "a second start was not answered"
while [ "$(count_of "Error")" != 0 ]; do answer "Error"; done
window_of "p2.jpg - Corvane 1.0" >/dev/null || fail "the handed-over p2.jpg is not shown"
echo "named pipe in the list: reported, the window answered a second start"

# Forty later starts naming missing files: never more than one message at a time, and the window lives.
starts=()
for i in $(seq 40); do timeout 60 env QT_QPA_PLATFORM=offscreen "$CORVANE" "$PICS/gone$i.jpg" & starts+=($!); done
most=0
for _ in $(seq 25); do
  n=$(count_of "Error"); [ "$n" -gt "$most" ] && most=$n
  sleep 0.2
done
taken=0
for start in "${starts[@]}"; do if wait "$start"; then taken=$((taken + 1)); fi; done
for _ in $(seq 10); do
  n=$(count_of "Error"); [ "$n" -gt "$most" ] && most=$n
  [ "$n" = 0 ] && break
  answer "Error"
done
[ "$most" -le 1 ] || fail "$most messages were open at once"
kill -0 $app || fail "the window died"
echo "forty hand-overs of missing files: $taken taken, at most $most message at a time, the window lives"
kill $app; wait $app 2>/dev/null || true

# Another user listening at the fixed name the channel once used: a start ignores it.
python3 - "$WORK/tmp/corvane.instance" <<"PY" & stranger=$!
import os, socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1]); server.listen(8)
server.settimeout(15)
heard = []
try:
    while True:
        peer, _ = server.accept(); heard.append(peer.recv(4096)); peer.sendall(b"ok\n"); peer.close()
except socket.timeout:
    pass
open(sys.argv[1] + ".heard", "wb").write(b"".join(heard))
PY
sleep 0.5
env -u XDG_RUNTIME_DIR TMPDIR="$WORK/tmp" "$CORVANE" "$PICS/p2.jpg" & lone=$!
window_of "p2.jpg - Corvane 1.0" >/dev/null || fail "a listener at the old shared name took the start"
kill $lone; wait $lone 2>/dev/null || true
wait $stranger || true
[ ! -s "$WORK/tmp/corvane.instance.heard" ] || fail "the stranger heard: $(cat "$WORK/tmp/corvane.instance.heard")"
echo "listener at the old shared name: heard nothing, the start opened its own window"
'
