#!/usr/bin/env bash
# Starts that once ended in a core dump: with no display to reach (at the normal window size and
# at 150 %, where the screen is asked first), the game says so in one line and exits with
# status 1; with a damaged German translation, it starts in English and names the file.
set -euo pipefail
: "${BRILLOR_EXE:?}"

source "$(dirname "$0")/find_window.sh"
copy_game_to_work
exe="$work/$(basename "$BRILLOR_EXE")"
python3 "$(dirname "$0")/../../tools/write_roster.py" "$work/dat/b01" 1

for scale in 100 150; do
  printf 'scale=%s\n' "$scale" >"$work/dat/options.txt"
  status=0
  env -u WAYLAND_DISPLAY DISPLAY=:98 QT_QPA_PLATFORM=xcb "$exe" 2>"$work/err" || status=$?
  [ "$status" -eq 1 ] || { cat "$work/err"; fail "without a display at $scale % the game ended with status $status"; }
  grep -q "^Brillor I: no display could be opened" "$work/err" || { cat "$work/err"; fail "no line about the display"; }
  echo "no display at $scale %: one line, status 1"
done
rm -f "$work/dat/options.txt"

python3 - "$work/translations/brillor_de.qm" <<'PY'
import sys
data = bytearray(open(sys.argv[1], "rb").read())
for at in range(97, len(data), 97):
    data[at] ^= 0xFF
open(sys.argv[1], "wb").write(data)
PY
LANGUAGE=de QT_QPA_PLATFORM=offscreen "$exe" 2>"$work/err" &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || { cat "$work/err"; fail "the game did not survive a damaged translation"; }
kill -TERM "$pid"
game_ended_within 10 || fail "the game did not quit"
wait "$pid" || fail "the game exited with status $?"
grep -q "brillor_de.qm\" is damaged or cannot be read; the game speaks English" "$work/err" ||
  { cat "$work/err"; fail "the damaged translation was not named"; }
echo "a damaged translation: the game ran in English and named the file"
echo "PASS"
