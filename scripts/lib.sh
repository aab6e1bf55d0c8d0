# Helpers shared by the build, run and test scripts; sourced, not run.

# New build folders use Ninja, which starts a file's compile as soon as what it includes is
# there rather than once every library before it has linked. A folder keeps the generator it
# was made with.
export CMAKE_GENERATOR="${CMAKE_GENERATOR:-Ninja}"

# Points HOME and the XDG directories at a fresh temporary folder, removed on exit.
use_temporary_home() {
  QUILLET_TEMP_HOME="$(mktemp -d)"
  export HOME="$QUILLET_TEMP_HOME/home"
  export XDG_CONFIG_HOME="$QUILLET_TEMP_HOME/config"
  export XDG_DATA_HOME="$QUILLET_TEMP_HOME/data"
  export XDG_CACHE_HOME="$QUILLET_TEMP_HOME/cache"
  export XDG_RUNTIME_DIR="$QUILLET_TEMP_HOME/runtime"
  mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  export GTK_A11Y=none WEBKIT_A11Y_BUS_ADDRESS= NO_AT_BRIDGE=1
}

# Starts a virtual X display and exports DISPLAY; stop_virtual_display ends it.
start_virtual_display() {
  local fifo display_number
  fifo="$(mktemp -u)"
  mkfifo "$fifo"
  # Parallel GUI tests each hold several connections (their web processes too): room for all.
  # -noreset: between two tests no client may be left, and a server resetting then refuses the
  # next test's connection ("cannot open display").
  Xvfb -displayfd 3 -noreset -maxclients 512 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  QUILLET_XVFB_PID=$!
  read -r display_number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$display_number"
}

stop_virtual_display() {
  if [ -n "${QUILLET_XVFB_PID:-}" ]; then
    kill "$QUILLET_XVFB_PID" 2>/dev/null || true
    wait "$QUILLET_XVFB_PID" 2>/dev/null || true
  fi
}

cleanup_temporary_home() {
  if [ -n "${QUILLET_TEMP_HOME:-}" ]; then
    rm -rf "$QUILLET_TEMP_HOME"
  fi
}
