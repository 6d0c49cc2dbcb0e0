# Sourced by the benchmark scripts: makes sure there is an X display, starting a private Xvfb
# (installed when missing) on display $1 when none is set.
if [ -z "${DISPLAY:-}" ]; then
  if ! command -v Xvfb >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get install -y -qq xvfb
  fi
  export DISPLAY=":$1"
  Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid' EXIT
  sleep 1
fi
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
