# Sourced by what plays the real game on a private X server: the end-to-end test, the
# screenshots and CI's package check. Needs Xvfb and xdotool.

# Starts Xvfb on the first free display, its log in FOLDER/xvfb.log, and exports DISPLAY. The
# server's process is PRIVATE_X_PID, for the caller to end. Fails when the server does not
# come up.
start_private_x() { # FOLDER
  # -noreset: a server left with no client (a probe of xdotool ending before the game has
  # connected) resets, and a client connecting just then is refused.
  Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset 5>"$1/display" 2>"$1/xvfb.log" &
  PRIVATE_X_PID=$!
  local try
  for try in $(seq 600); do
    [ -s "$1/display" ] && break
    kill -0 "$PRIVATE_X_PID" 2>/dev/null || break
    sleep 0.1
  done
  [ -s "$1/display" ] || return 1
  export DISPLAY=":$(head -n 1 "$1/display")"
}

# Prints the game's main window once it shows, looking every tenth of a second. Fails when the
# game's process ends first, or after TRIES looks.
await_game_window() { # PID TRIES
  await_window '^Mirel$' "$@"
}

# The same for a window whose title matches NAME (the high-score window is "High scores").
await_window() { # NAME PID TRIES
  local try window
  for try in $(seq "$3"); do
    window="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)"
    if [ -n "$window" ]; then
      echo "$window"
      return 0
    fi
    kill -0 "$2" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
