#!/usr/bin/env bash
# The real program on a real X server, as a player meets it on a first run: a fresh home,
# New clicked through the server, a group removed, the window closed the way a window
# manager closes it, and the settings file written. Usage: EndToEndTest.sh path/to/mirel
set -euo pipefail

game="$(realpath "$1")"
# In a sanitizer build the real platform plugin brings leaks of system libraries that are
# not the game's; CI names the same list.
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$(realpath "$(dirname "$0")/../.ci/lsan.supp")}"
for tool in Xvfb xdotool xwininfo import /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "missing $tool (debian/control lists the tests' packages)"; exit 1; }
done

# shellcheck source=../scripts/private-x.sh
source "$(dirname "$0")/../scripts/private-x.sh"

dir="$(mktemp -d)"
game_pid=""
finish() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "${PRIVATE_X_PID:-}" ] && kill "$PRIVATE_X_PID" 2>/dev/null || true
  if [ "${keep:-0}" = 1 ]; then echo "screenshots and logs kept in $dir"; else rm -rf "$dir"; fi
}
trap finish EXIT
fail() {
  echo "FAIL: $*"
  echo "--- the game said:"
  cat "$dir/game.log" 2>/dev/null || true
  keep=1
  exit 1
}

# A private server on the first free display.
start_private_x "$dir" || fail "Xvfb did not start: $(cat "$dir/xvfb.log")"

# A first run: nothing stored anywhere.
mkdir -p "$dir/home" "$dir/config" "$dir/runtime"
chmod 700 "$dir/runtime"
settings="$dir/config/Mirel/Mirel.conf"
HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" XDG_RUNTIME_DIR="$dir/runtime" \
  PULSE_SERVER="unix:$dir/no-audio-server" QT_QPA_PLATFORM=xcb "$game" >"$dir/game.log" 2>&1 &
game_pid=$!

window="$(await_game_window "$game_pid" 600)" ||
  fail "no window named Mirel showed within 60 s (or the game stopped before it did)"

# With no window manager, the X window is the client area itself.
size="$(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')"
[ "$size" = "676x375" ] || fail "the client area is $size, not 676x375"
echo "client area $size"

# The pixel at the centre of each of the 150 cells, as "row col #RRGGBB" lines, read from a
# screenshot of the window. The board sits at the window's corner; a 32-pixel piece every
# 36 pixels, the first at (3, 6).
cells() {
  import -window "$window" -depth 8 "$dir/$1.png"
  import -window "$window" -depth 8 "$dir/$1.txt"
  awk -F'[ ,:]+' '
    NR > 1 {
      x = $1; y = $2
      if ((x - 19) % 36 == 0 && (y - 22) % 36 == 0 && x <= 523 && y <= 346)
        for (i = 3; i <= NF; ++i)
          if ($i ~ /^#/) { print (y - 22) / 36 + 1, (x - 19) / 36 + 1, toupper($i); break }
    }' "$dir/$1.txt" | sort -n -k1,1 -k2,2
}
pieces() { grep -cv '#000000$' "$1" || true; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
settle() {
  # Until two screenshots agree: the press has been handled and painted.
  local last=""
  for _ in $(seq 50); do
    sleep 0.1
    cells "$1" >"$dir/$1.cells"
    [ "$(cat "$dir/$1.cells")" = "$last" ] && return
    last="$(cat "$dir/$1.cells")"
  done
}

cells start >"$dir/start.cells"
[ "$(grep -c ' #[0-9A-F]\{6\}$' "$dir/start.cells")" = 150 ] ||
  fail "could not read 150 cells from the screenshot"

before="$(pieces "$dir/start.cells")"
[ "$before" -lt 150 ] || fail "the board shows pieces before New"

click 646 102 # New
settle dealt
dealt="$(pieces "$dir/dealt.cells")"
echo "after New: $dealt of 150 cells show a piece"
[ "$dealt" = 150 ] || fail "after New, $dealt cells show a piece instead of 150"

# Two neighbours of one colour are a group; a first run has no mines to get in the way.
pair="$(awk '
  { colour[$1 "," $2] = $3 }
  END {
    for (r = 1; r <= 10; ++r)
      for (c = 1; c <= 15; ++c) {
        if (c < 15 && colour[r "," c] == colour[r "," (c + 1)]) { print r, c; exit }
        if (r < 10 && colour[r "," c] == colour[(r + 1) "," c]) { print r, c; exit }
      }
  }' "$dir/dealt.cells")"
[ -n "$pair" ] || fail "the deal has no two neighbours of one colour"
read -r row col <<<"$pair"
click $((19 + 36 * (col - 1))) $((22 + 36 * (row - 1)))
settle removed
left="$(pieces "$dir/removed.cells")"
echo "pressed row $row column $col: $left pieces left"
[ "$left" -le $((dealt - 2)) ] || fail "the press on a group left $left of $dealt pieces"
score() { awk -F'[ ,:]+' 'NR > 1 && $1 >= 540 && $2 <= 60' "$dir/$1.txt"; }
[ "$(score dealt)" != "$(score removed)" ] || fail "the score shown did not change"

# Sound is off on a first run, and its module (Qt Multimedia) stays unloaded; switched on, it
# is loaded before the first sound. The window has handled two clicks since its first paint.
sound_module() { grep -q '/mirel-sound\.so$' "/proc/$game_pid/maps"; }
sound_module && fail "the sound module is loaded while sound is off"
click 617 180 # Sound
for _ in $(seq 600); do sound_module && break; sleep 0.1; done
sound_module || fail "switching sound on did not load the sound module"
echo "the sound module is loaded once sound is switched on, not before"

# Closing as a window manager asks: WM_DELETE_WINDOW, which Qt turns into a close event.
/usr/bin/python3 - "$window" "$game_pid" <<'EOF'
import sys
from Xlib import X, display, protocol
d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1]))
pid = window.get_full_property(d.intern_atom("_NET_WM_PID"), X.AnyPropertyType)
if not pid or list(pid.value) != [int(sys.argv[2])]:
    sys.exit("the window closed is not the game's: its process is %s" % (pid and list(pid.value)))
delete = d.intern_atom("WM_DELETE_WINDOW")
if delete not in (window.get_wm_protocols() or []):
    sys.exit("the window does not take WM_DELETE_WINDOW")
message = protocol.event.ClientMessage(window=window, client_type=d.intern_atom("WM_PROTOCOLS"),
                                       data=(32, [delete, X.CurrentTime, 0, 0, 0]))
window.send_event(message, event_mask=X.NoEventMask)
d.flush()
EOF
for _ in $(seq 600); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the game still runs 60 s after its window was closed"
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" = 0 ] || fail "the game ended with status $status"

[ -f "$settings" ] || fail "closing the window wrote no $settings"
expected=(RowShifts ColumnShifts Mines Sound Set)
for rank in $(seq 10); do expected+=("HighScoreName$rank" "HighScore$rank"); done
missing=()
section=""
declare -A stored=()
while IFS= read -r line; do
  case "$line" in
  \[*\]) section="${line:1:${#line}-2}" ;;
  *=*) [ "$section" = Settings ] && stored["${line%%=*}"]=1 ;;
  esac
done <"$settings"
for key in "${expected[@]}"; do [ -n "${stored[$key]:-}" ] || missing+=("$key"); done
[ ${#missing[@]} = 0 ] || fail "the settings file lacks ${missing[*]}"
echo "closing wrote $settings with all ${#expected[@]} keys"
echo "PASS"
