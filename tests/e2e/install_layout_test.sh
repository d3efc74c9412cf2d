#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a player or a distribution gets:
# the command, the data without any player file, one id for the desktop entry, the icons and
# the AppStream data, both validators, the command-line answers given without a display and a
# manual page that names every option.
set -euo pipefail
: "${BUILD_DIR:?}"

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in desktop-file-validate appstreamcli identify; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/deps.sh installs it)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$BUILD_DIR" --prefix "$prefix" >/dev/null
data="$prefix/share/games/brillor"

echo "== install tree"
(cd "$prefix" && find . -not -path './share/games/brillor/*/*' | sort)
for folder in "$data"/*/; do echo "  $(basename "$folder")/: $(ls "$folder" | wc -l) files"; done

[ -x "$prefix/games/brillor" ] || fail "no executable games/brillor"
for file in dat/a00 dat/a79 dat/d00 dat/d20 dat/x00 dat/c08 bmp/hexagon00.bmp wav/coin.wav mp3/start.mp3 Brillor_v1.0.html; do
  [ -s "$data/$file" ] || fail "missing or empty: share/games/brillor/$file"
done
player_files=$(cd "$data" && find . -path './dat/b*' -o -name '*.tmp' -o -name 'shipped_levels')
[ -z "$player_files" ] || fail "player or build files installed: $player_files"

desktops=("$prefix"/share/applications/*.desktop)
[ ${#desktops[@]} -eq 1 ] && [ -f "${desktops[0]}" ] || fail "expected one desktop entry, found: ${desktops[*]}"
id=$(basename "${desktops[0]}" .desktop)
echo "== id $id"
[[ "$id" =~ ^[a-z][a-z0-9]*(\.[a-z][a-z0-9_]*){2,}$ ]] || fail "'$id' is not a reverse-DNS id"
grep -qx "Icon=$id" "${desktops[0]}" || fail "the desktop entry does not use the icon $id"
grep -qx "Name=Brillor I" "${desktops[0]}" || fail "the desktop entry is not named 'Brillor I'"
grep -qx "Categories=Game;LogicGame;" "${desktops[0]}" || fail "wrong categories"
grep -qxF "Exec=$prefix/games/brillor" "${desktops[0]}" || fail "the entry does not start $prefix/games/brillor"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
[ -f "$metainfo" ] || fail "no AppStream data share/metainfo/$id.metainfo.xml"
grep -q "<id>$id</id>" "$metainfo" || fail "the AppStream id differs from $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "AppStream names another desktop entry"
for size in 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -f "$icon" ] || fail "no ${size} px icon"
  read -r geometry channels < <(identify -format '%wx%h %[channels]\n' "$icon")
  [ "$geometry" = "${size}x${size}" ] || fail "the ${size} px icon is $geometry"
  [[ "$channels" == *a* ]] || fail "the ${size} px icon has no transparency ($channels)"
done
echo "icons: 48, 64, 128 and 256 px with transparency"

# Every language the game speaks: its translation and help page installed, and the desktop
# entry and the AppStream data saying what the game is in it.
languages=$(cd "$BUILD_DIR/game/translations" && ls brillor_*.qm | sed 's/^brillor_//; s/\.qm$//')
[ -n "$languages" ] || fail "no translation built in $BUILD_DIR/game/translations"
for code in $languages; do
  [ -s "$data/translations/brillor_$code.qm" ] || fail "translation $code not installed"
  [ -s "$data/Brillor_v1.0.$code.html" ] || fail "help page $code not installed"
  for picture in dat/x01 bmp/Timeout.bmp main_background.png; do
    [ -s "$data/translations/$code/$picture" ] || fail "the picture $picture in $code not installed"
  done
  grep -q "^Comment\[$code\]=" "${desktops[0]}" || fail "the desktop entry has no comment in $code"
  grep -q "<summary xml:lang=\"$code\">" "$metainfo" || fail "the AppStream data has no summary in $code"
done
echo "languages: $(echo $languages)"

echo "== desktop-file-validate"
desktop-file-validate "${desktops[0]}" || fail "desktop-file-validate"
echo "passed"
# A prefix with a space: the command is quoted and the entry still valid.
spaced="$work/my games"
cmake --install "$BUILD_DIR" --prefix "$spaced" >/dev/null
grep -qxF "Exec=\"$spaced/games/brillor\"" "$spaced/share/applications/$id.desktop" ||
  fail "unquoted command: $(grep Exec= "$spaced/share/applications/$id.desktop")"
desktop-file-validate "$spaced/share/applications/$id.desktop" || fail "desktop-file-validate with a spaced prefix"
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
! grep -n 'example' "$metainfo" || fail "a placeholder address in the AppStream data"

echo "== command line"
game="$prefix/games/brillor"
run() {  # prints the exit status, then what went to stdout and stderr; in English unless LANGUAGE says
  local status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE="${LANGUAGE:-en}" "$game" "$@" >"$work/out" 2>"$work/err" ||
    status=$?
  echo "$status"
}
[ "$(run --version)" = 0 ] && grep -qx "Brillor I [0-9.]*" "$work/out" || fail "--version: $(cat "$work/out" "$work/err")"
cat "$work/out"
# --editor starts the game itself (the window test shows its tool window); here it is only named.
[ "$(run --help)" = 0 ] && grep -q -- "--editor .*tool window" "$work/out" || fail "--help: $(cat "$work/out" "$work/err")"
# The installed translations are found from the installed command.
[ "$(run --lang de --help)" = 0 ] && grep -q "^Aufruf: brillor" "$work/out" || fail "--lang de --help: $(cat "$work/out")"
[ "$(LANGUAGE=ru run --help)" = 0 ] && grep -q "^Использование: brillor" "$work/out" || fail "LANGUAGE=ru --help: $(cat "$work/out")"
[ "$(LANGUAGE=xx:de run --lang tlh --help)" = 0 ] && grep -q "^Usage: brillor" "$work/out" || fail "--lang tlh: $(cat "$work/out")"
[ "$(run --no-such-option)" = 2 ] && grep -q "unknown option '--no-such-option'" "$work/err" || fail "unknown option: $(cat "$work/err")"
cat "$work/err"

echo "== manual page"
manual="$prefix/share/man/man6/brillor.6"
[ -f "$manual" ] || fail "no manual page share/man/man6/brillor.6"
grep -q '^\.TH BRILLOR 6 .*"Brillor I [0-9.]*"' "$manual" || fail "the manual page has no title line of section 6"
run --help >/dev/null
options=$(grep -E '^ +-' "$work/out" | grep -oE -- '--?[a-z]+' | sort -u)
described=$(sed -n '/^\.SH OPTIONS/,/^\.SH [^O]/p' "$manual" | sed 's/\\-/-/g')
for option in $options; do
  grep -qE -- "(^|[ \"])$option([ \"]|\$)" <<<"$described" || fail "the manual page does not describe $option"
done
echo "describes $(echo $options)"
echo "install layout: all checks passed"
