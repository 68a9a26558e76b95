#!/usr/bin/env bash
# Drives cvbutton-gallery on Wayland under a headless compositor: a virtual pointer moves onto a button
# and off, rests for its tooltip, presses and clicks; virtual keys type into the focused button;
# screenshots show the tooltip at the pointer and the pressed face. Every wait is for a condition,
# bounded by a deadline.
#   wayland_test.sh GALLERY VIRTUAL_POINTER
set -euo pipefail
gallery=$1
pointer=$2
for tool in sway swaymsg wtype grim setpriv /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed (scripts/setup wayland)"; exit 77; }
done
[ -x "$pointer" ] || { echo "skipped: the virtual pointer was not built (no wayland-client to build it with)"; exit 77; }
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
  { echo "skipped: the toolkit's Wayland plugin is not installed (scripts/setup wayland)"; exit 77; }

width=1280
height=1024
work=$(mktemp -d)
pids=()
finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
fail() { echo "FAIL: $*"; echo "--- events"; cat "$work/events"; echo "--- compositor"; tail -20 "$work/sway.log"; exit 1; }

# The compositor refuses to run as root: it runs as an unprivileged user, in a runtime folder of its own.
compositor_uid=0
[ "$(id -u)" -ne 0 ] || compositor_uid=65534
mkdir -m 700 "$work/compositor" "$work/client"
chmod 755 "$work"
[ "$compositor_uid" -eq 0 ] || chown "$compositor_uid:$compositor_uid" "$work/compositor"
cat >"$work/sway.conf" <<CONF
xwayland disable
output HEADLESS-1 resolution ${width}x${height} position 0 0
default_border none
default_floating_border none
for_window [app_id=".*"] floating enable, move position 0 0
CONF
chmod 644 "$work/sway.conf"
as_compositor=()
[ "$compositor_uid" -eq 0 ] || as_compositor=(setpriv --reuid="$compositor_uid" --regid="$compositor_uid" --clear-groups)
env -i PATH=/usr/bin:/bin HOME="$work" XDG_RUNTIME_DIR="$work/compositor" WLR_BACKENDS=headless \
  WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman "${as_compositor[@]}" sway -c "$work/sway.conf" \
  >"$work/sway.log" 2>&1 &
pids+=($!)

# Waits up to $1 seconds for the command that follows to succeed.
within() {
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.05
  done
}
within 20 test -S "$work/compositor/wayland-1" || fail "the compositor did not start"

export XDG_RUNTIME_DIR="$work/client" WAYLAND_DISPLAY="$work/compositor/wayland-1"
export QT_QPA_PLATFORM=wayland QT_WAYLAND_DISABLE_WINDOWDECORATION=1
# A seat offers a pointer and a keyboard only while it has such devices: both are there before the
# gallery starts and stay until the end, so no event waits for the gallery to take up a new device.
coproc POINTER { exec "$pointer" "$width" "$height"; }
pids+=($!)
wtype -s 600000 &
pids+=($!)
has_devices() { grep -q '"capabilities": 3' < <(SWAYSOCK=$(echo "$work"/compositor/sway-ipc.*.sock) swaymsg -t get_seats 2>/dev/null); }
within 20 has_devices || fail "the seat has no pointer and keyboard"
"$gallery" --geometry >"$work/events" 2>"$work/gallery.log" &
pids+=($!)

printed() { grep -qx "$1" "$work/events"; }
count() { grep -cx "$1" "$work/events" || true; }
say() { echo "$*" >&"${POINTER[1]}"; read -r -t 10 reply <&"${POINTER[0]}" && [ "$reply" = ok ] || fail "pointer: $*"; }
centre() { read -r _ x y w h < <(grep "^$1 " "$work/events"); echo $((x + w / 2)) $((y + h / 2)); }
shot() { grim "$work/shot.png"; }
# Pixels of colour $1 (RRGGBB) in the screenshot's box $2..$5 (left top right bottom).
pixels() {
  /usr/bin/python3 - "$work/shot.png" "$@" <<'PY'
import sys
from PIL import Image
path, colour, box = sys.argv[1], tuple(int(sys.argv[2][i:i + 2], 16) for i in (0, 2, 4)), tuple(map(int, sys.argv[3:7]))
print(list(Image.open(path).convert("RGB").crop(box).getdata()).count(colour))
PY
}
tip_near() { shot; [ "$(pixels "$@")" -gt 200 ]; }
no_tip_near() { shot; [ "$(pixels "$@")" -eq 0 ]; }
# The button's face in the last screenshot, as one line of hex.
face() { /usr/bin/python3 -c 'import sys; from PIL import Image; print(Image.open(sys.argv[1]).convert("RGB").crop(tuple(map(int, sys.argv[2:6]))).tobytes().hex())' "$work/shot.png" "$@"; }

within 30 grep -q '^about ' "$work/events" || fail "the gallery did not come up"
read -r _ bx by bw bh < <(grep "^s3-push " "$work/events")
read -r cx cy < <(centre s3-push)
within 10 shot || fail "no screenshot"

# Hover: onto the button, a few moves over it, then off. The tip (this row's own pale blue) shows below
# the pointer while it rests, and is gone once it has left.
say move "$cx" "$cy"
within 10 printed "MouseEnter s3-push" || fail "no hover enter"
say move $((cx + 6)) $((cy + 3))
within 10 tip_near d9e6f2 $((cx - 20)) $((by + bh)) $((cx + 200)) $((by + bh + 80)) || fail "no tooltip below the pointer"
hot=$(face "$bx" "$by" $((bx + bw)) $((by + bh)))
say press
pressed_face() { shot; [ "$(face "$bx" "$by" $((bx + bw)) $((by + bh)))" != "$hot" ]; }
within 10 pressed_face || fail "the pressed face never showed"
say release
within 10 printed "Click s3-push" || fail "no click"
say move "$cx" $((height - 10))
within 10 printed "MouseLeave s3-push" || fail "no hover leave"
within 10 no_tip_near d9e6f2 0 0 600 500 || fail "the tooltip stayed after the pointer left"
[ "$(count "MouseEnter s3-push")" -eq 1 ] || fail "more than one enter"

# A shaped button takes clicks only inside its shape: its corner lies outside the rounded face.
read -r _ sx sy _ _ < <(grep "^s10-push " "$work/events")
say move $((sx + 1)) $((sy + 1)); say press; say release
read -r kx ky < <(centre s10-push)
say move "$kx" "$ky"; say press; say release
within 10 printed "Click s10-push" || fail "no click inside the shape"
[ "$(count "Click s10-push")" -eq 1 ] || fail "a click outside the shape reached the button"

# Typing reaches the focused button: the space bar clicks it.
wtype " " || fail "wtype"
within 10 test "$(count "Click s10-push")" -eq 2 || fail "typing did not reach the button"
echo "wayland test passed"
