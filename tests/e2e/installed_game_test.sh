#!/usr/bin/env bash
# Plays an installed game under Xvfb as an ordinary user who cannot write the install: the
# settings and the roster must land in the user's $XDG_DATA_HOME/brillor/dat (and in
# ~/.local/share/brillor/dat when it is unset), never in the install. The install is the build
# installed into a temporary prefix (BUILD_DIR), or one already made (INSTALLED_PREFIX, /usr for
# the Debian packages).
set -euo pipefail
: "${SHOT_DIR:=.}"
[ -n "${BUILD_DIR:-}" ] || [ -n "${INSTALLED_PREFIX:-}" ] || { echo "FAIL: set BUILD_DIR or INSTALLED_PREFIX" >&2; exit 1; }

if [ -z "${INSIDE_XVFB:-}" ]; then
  export INSIDE_XVFB=1
  # -ac: the player is another user, who cannot read this user's X authority file.
  exec xvfb-run -a -s "-noreset -ac -screen 0 1024x768x24" bash "$0" "$@"
fi

source "$(dirname "$0")/find_window.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
if [ -n "${INSTALLED_PREFIX:-}" ]; then
  prefix=$INSTALLED_PREFIX
else
  prefix="$work/prefix"
  cmake --install "$BUILD_DIR" --prefix "$prefix" >/dev/null
fi
touch "$work/installed"
home="$work/home"
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"

# Root plays as the unprivileged uid 65534 (no account entry needed); anyone else plays as
# themselves with the install made read-only.
if [ "$(id -u)" -eq 0 ]; then
  command -v setpriv >/dev/null || fail "setpriv (util-linux) is needed to play as an ordinary user"
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
  chown -R 65534:65534 "$home"
else
  as_player=()
  [ -n "${INSTALLED_PREFIX:-}" ] || chmod -R a-w "$prefix"
fi
# A sanitizer build's leak suppressions must be readable by the player too.
if [[ "${LSAN_OPTIONS:-}" =~ suppressions=([^:]*) ]]; then
  install -m 644 "${BASH_REMATCH[1]}" "$work/lsan.supp"
  export LSAN_OPTIONS=${LSAN_OPTIONS/"${BASH_REMATCH[1]}"/"$work/lsan.supp"}
fi
"${as_player[@]}" touch "$prefix/share/games/brillor/dat/probe" 2>/dev/null && fail "the player can write the install"
echo "player uid $("${as_player[@]}" id -u) cannot write $prefix"

play_and_quit() {  # $1: description; the rest: env options and settings for the game
  local what=$1; shift
  "${as_player[@]}" env -u XAUTHORITY -u QT_QPA_PLATFORM "$@" HOME="$home" XDG_RUNTIME_DIR="$home/runtime" SDL_AUDIODRIVER=dummy \
    "$prefix/games/brillor" &
  pid=$!
  window=$(main_window) || fail "no window ($what)"
  sleep 1
  import -window "$window" "$SHOT_DIR/e2e-installed.png" || fail "no screenshot"
  # Asked to quit by the system: the first start's player choice is still open, and the window
  # manager's close is held back by it, as by any open dialog.
  kill -TERM "$pid"
  game_ended_within 10 || fail "the game did not quit ($what)"
  wait "$pid" || fail "the game exited with status $? ($what)"
  pid=
}

check_player_files() {  # $1: the folder that must hold b00 and b01
  [ -f "$1/b00" ] || fail "no settings file $1/b00"
  [ "$(stat -c %s "$1/b00")" -eq 9 ] || fail "$1/b00 does not hold 9 bytes"
  [ -s "$1/b01" ] || fail "no roster $1/b01"
  [ "$(stat -c %u "$1/b01")" = "$("${as_player[@]}" id -u)" ] || fail "$1/b01 is not the player's"
  echo "found $(ls "$1" | tr '\n' ' ')in ${1#"$work"/}"
}

play_and_quit "XDG_DATA_HOME set" XDG_DATA_HOME="$home/data"
check_player_files "$home/data/brillor/dat"
play_and_quit "XDG_DATA_HOME unset" -u XDG_DATA_HOME
check_player_files "$home/.local/share/brillor/dat"
strays=$(find "$prefix/games/brillor" "$prefix/share/games/brillor" -newer "$work/installed" -type f)
[ -z "$strays" ] || fail "the game wrote into its install: $strays"
echo "installed game: all checks passed"
