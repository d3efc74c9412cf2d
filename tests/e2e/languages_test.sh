#!/usr/bin/env bash
# The real game in German and in Russian under Xvfb and openbox: the first start's player list,
# the name input, the title, the level map, the high scores, the options and their More... page,
# each shot into $SHOT_DIR. The options window and the More... page are found by their titles in
# the language, as the translation source gives them, and the English title must not be shown.
set -euo pipefail
: "${BRILLOR_EXE:?}" "${WM_CLOSE:?}" "${TS_DIR:?}" "${SHOT_DIR:=.}"

source "$(dirname "$0")/find_window.sh"
rerun_inside_xvfb "$@"
copy_game_to_work
openbox --sm-disable >/dev/null 2>&1 &
desktop_pids=$!
sleep 1

# The translation of an English text in a context, read from the language's .ts.
translated() {
  python3 - "$TS_DIR/brillor_$1.ts" "$2" "$3" <<'PY'
import sys, xml.etree.ElementTree as ET
path, context, source = sys.argv[1:]
for c in ET.parse(path).getroot().iter('context'):
    if c.findtext('name') != context: continue
    for m in c.iter('message'):
        if m.findtext('source') == source: print(m.findtext('translation')); sys.exit(0)
sys.exit(f"no '{source}' in {context} of {path}")
PY
}

shot() { import -window root "$SHOT_DIR/e2e-lang-$1.png" || fail "no screenshot $1"; }

for language in de ru; do
  echo "== LANGUAGE=$language"
  rm -f "$work/dat/b00" "$work/dat/b01" "$work/dat/b01.bak" "$work/dat/options.txt" "$work/dat/records.txt"
  LANGUAGE=$language "$work/$(basename "$BRILLOR_EXE")" &
  pid=$!
  main=$(main_window) || fail "no main window"
  players=$(window_of_size 330x255) || fail "the first start did not open the player list"
  sleep 0.5
  shot "$language-players"
  xdotool mousemove --window "$players" 60 216 click 1
  window_of_size 316x136 >/dev/null || fail "New did not ask for a name"
  sleep 0.3
  shot "$language-input"
  xdotool type --delay 20 "Robin"
  xdotool key Return
  sleep 0.5
  xdotool key Return
  sleep 1
  shot "$language-title"
  xdotool mousemove --window "$main" 400 250 click 1
  sleep 1.5
  shot "$language-map"
  xdotool mousemove --window "$main" 140 400 click 1
  window_of_size 405x505 >/dev/null || fail "High Scores did not open the table"
  sleep 0.3
  shot "$language-scores"
  xdotool key Return
  sleep 0.5
  xdotool mousemove --window "$main" 60 435 click 1
  title=$(translated "$language" TfrmOptions Options)
  timeout 10 xdotool search --sync --onlyvisible --name "^$title\$" >/dev/null ||
    fail "no options window titled '$title'"
  ! xdotool search --onlyvisible --name '^Options$' >/dev/null || fail "an options window titled in English"
  echo "options window titled '$title'"
  sleep 0.3
  shot "$language-options"
  options=$(xdotool search --onlyvisible --name "^$title\$" | head -1)
  xdotool mousemove --window "$options" 236 340 click 1
  more=$(translated "$language" TfrmMoreOptions "More Options")
  timeout 10 xdotool search --sync --onlyvisible --name "^$more\$" >/dev/null ||
    fail "More... did not open a window titled '$more'"
  sleep 0.3
  shot "$language-more"
  xdotool key Return
  sleep 0.5
  xdotool search --onlyvisible --name "^$title\$" >/dev/null && xdotool key Return
  sleep 0.5
  "$WM_CLOSE" "$main"
  game_ended_within 10 || fail "the game did not quit"
  wait "$pid" || fail "the game exited with status $?"
done
echo "PASS"
