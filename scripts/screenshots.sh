#!/usr/bin/env bash
# Plays the real game on a private X server and takes the README's pictures, in
# docs/screenshots/ (or the folder given): a full board of each piece set, a mine going off,
# and the table of the best scores after a game played to its end, the name typed in. The
# game is built first (scripts/play.sh's build) and plays in a home of its own; the table
# starts with a few earlier scores written into that home's settings file, as a player who
# has played before would have them. Run it again whenever the pictures change.
#   scripts/screenshots.sh [folder]
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-docs/screenshots}")"

scripts/install-packages.sh xvfb xdotool x11-utils imagemagick >&2
MIREL_TARGETS=mirel scripts/setup.sh >/dev/null
game="$(realpath "${MIREL_BUILD_DIR:-build}/mirel")"

# shellcheck source=private-x.sh
source scripts/private-x.sh

dir="$(mktemp -d)"
started=()
finish() {
  local pid
  for pid in "${started[@]}" ${PRIVATE_X_PID:-}; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$dir"
}
trap finish EXIT

start_private_x "$dir" || { echo "Xvfb did not start" >&2; exit 1; }

mkdir -p "$dir/config/Mirel" "$dir/runtime" "$out"
chmod 700 "$dir/runtime"
{
  echo "[Settings]"
  rank=1
  for entry in "ANNA 268" "BEN 246" "CLARA 224" "DAVID 196" "EVA 172" "FINN 148"; do
    echo "HighScoreName$rank=${entry% *}"
    echo "HighScore$rank=${entry#* }"
    rank=$((rank + 1))
  done
} >"$dir/config/Mirel/Mirel.conf"
HOME="$dir" XDG_CONFIG_HOME="$dir/config" XDG_RUNTIME_DIR="$dir/runtime" \
  QT_QPA_PLATFORM=xcb "$game" >"$dir/game.log" 2>&1 &
game_pid=$!
started+=($game_pid)

window="$(await_game_window "$game_pid" 200)" ||
  { cat "$dir/game.log"; echo "the game's window did not show" >&2; exit 1; }

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
shot() { import -window "${2:-$window}" -depth 8 "$1"; }
save() { # name [screenshot]: a small PNG in the output folder, of the window as it is now
  local from="${2:-}"
  if [ -z "$from" ]; then
    from="$dir/shot.png"
    shot "$from"
  fi
  convert "$from" -strip -define png:compression-level=9 "$out/$1.png"
  echo "$out/$1.png"
}

# The board: 15 x 10 cells of 32 pixels, one every 36, the first at (3, 6) in the window.
cell_x() { echo $((3 + 36 * ($1 - 1))); }
cell_y() { echo $((6 + 36 * ($1 - 1))); }
# Each cell's look, as "row col signature" lines: every fourth pixel of it, equal for equal
# pieces and all black for an empty cell.
cells() {
  shot "$dir/board.png"
  convert "$dir/board.png" -crop 540x360+3+6 +repage -filter point -resize 135x90 "$dir/board.txt"
  awk -F'[ ,:]+' '
    NR > 1 {
      for (i = 3; i <= NF; ++i)
        if ($i ~ /^#/) { look[int($2 / 9) + 1 " " int($1 / 9) + 1] = look[int($2 / 9) + 1 " " int($1 / 9) + 1] $i; break }
    }
    END { for (c in look) print c, look[c] }' "$dir/board.txt"
}
# A cell with a neighbour that looks the same, not empty: "row col", or nothing.
pair() {
  cells | awk '
    { look[$1 "," $2] = $3 }
    END {
      for (r = 10; r >= 1; --r)
        for (c = 1; c <= 15; ++c) {
          l = look[r "," c]
          if (l ~ /^(#000000)+$/) continue
          if (c < 15 && l == look[r "," (c + 1)]) { print r, c; exit }
          if (r > 1 && l == look[(r - 1) "," c]) { print r, c; exit }
        }
    }'
}
# Pieces with no neighbour that looks the same: "row col" lines.
singles() {
  cells | awk '
    { look[$1 "," $2] = $3 }
    END {
      for (r = 1; r <= 10; ++r)
        for (c = 1; c <= 15; ++c) {
          l = look[r "," c]
          if (l != look[r "," (c - 1)] && l != look[r "," (c + 1)] &&
              l != look[(r - 1) "," c] && l != look[(r + 1) "," c]) print r, c
        }
    }'
}
# Whether a screenshot shows the given picture (one of art/png) at x, y in the window.
shows_at() { # screenshot x y picture
  convert "art/png/$4.png" -background black -flatten "$dir/picture.png"
  convert "$1" -crop "$(identify -format %wx%h "$dir/picture.png")+$2+$3" +repage "$dir/cell.png"
  local differ
  differ="$(compare -metric AE -fuzz 8% "$dir/cell.png" "$dir/picture.png" null: 2>&1 || true)"
  [ "${differ%% *}" -lt 40 ] 2>/dev/null
}
shows() { shows_at "$1" "$(cell_x "$3")" "$(cell_y "$2")" "$4"; } # screenshot row col picture
# Waits until the window shows a picture at x, y.
wait_for() { # x y picture
  for _ in $(seq 100); do
    shot "$dir/wait.png"
    shows_at "$dir/wait.png" "$@" && return
    sleep 0.1
  done
  echo "the window never showed $3 at $1, $2" >&2
  exit 1
}

# The three piece sets, each a fresh deal.
click 646 102 # New
save balls
click 635 206 # the piece set: squares
click 646 102
save squares
click 635 206 # faces
click 646 102
save faces
click 635 206 # back to the balls

# Mines on (Events, Mines, OK). Then presses on pieces with no neighbour of their kind, which
# do nothing unless a mine lies there, until one goes off: the mine shows for a second, then
# the fire burns the block around it for another. A deal with no mine found is dealt again.
click 637 233
wait_for 240 156 no
click 259 168
wait_for 240 156 yes
click 303 200
wait_for 622 90 new
found=""
for _ in $(seq 8); do
  click 646 102
  for at in $(singles | tr ' ' ,); do
    IFS=, read -r row col <<<"$at"
    xdotool mousemove --window "$window" $(($(cell_x "$col") + 16)) $(($(cell_y "$row") + 16)) click 1
    # The game is held still while it is looked at: a screenshot can take longer than the
    # second the mine shows on a busy machine.
    sleep 0.3
    kill -STOP "$game_pid"
    shot "$dir/now.png"
    if shows "$dir/now.png" "$row" "$col" mine; then
      save mine "$dir/now.png"
      found=1
      # Its second has passed while it was held: let go, the fire burns at once, for a
      # second, and that is the better picture when it is caught.
      for _ in 1 2 3; do
        kill -CONT "$game_pid"
        sleep 0.3
        kill -STOP "$game_pid"
        shot "$dir/now.png"
        if shows "$dir/now.png" "$row" "$col" fire; then
          save mine "$dir/now.png"
          break
        fi
      done
    fi
    kill -CONT "$game_pid"
    if [ -n "$found" ]; then
      sleep 2 # until the board has settled
      break 2
    fi
  done
done
[ -n "$found" ] || { echo "no mine went off in eight deals" >&2; exit 1; }

# The game played on to its end, a group at a time; a new best score asks for a name, and
# the table it goes into is the picture.
for _ in $(seq 150); do
  at="$(pair)"
  [ -n "$at" ] || break
  read -r row col <<<"$at"
  click $(($(cell_x "$col") + 16)) $(($(cell_y "$row") + 16))
done
scores="$(await_window '^High scores$' "$game_pid" 50)" ||
  { echo "the game ended without asking for a name" >&2; exit 1; }
# Typed through the server's own input, into the window under the pointer.
xdotool mousemove --window "$scores" 20 20
xdotool windowfocus "$scores" 2>/dev/null || true
xdotool type --delay 80 PLAYER
xdotool key Return
sleep 0.5
shot "$dir/scores.png" "$scores"
save highscores "$dir/scores.png"
