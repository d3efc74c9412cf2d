# The desktops the end-to-end scripts play on, inside the script's own Xvfb (source after
# find_window.sh and rerun_inside_xvfb):
#   openbox   X11 under a window manager: dialogs are windows of their own
#   wayland   weston on its X11 backend (a display nobody sees, so that keys and the pointer
#             can be sent: weston's headless backend has no input), the game a native client
#   xwayland  the same weston with its X server, the game an X client of it
# On the last two the window system places windows itself, and the game draws its dialogs
# inside its window.
#
#   start_desktop NAME    starts it (or prints SKIP and exits when it cannot run here)
#   run_game EXE          starts the game on it in the background, as $pid
#   shot NAME             the screen as a player sees it, as $shots/NAME.png
#   game_origin           "x y": the game window's top-left corner in the shots, once shown

start_desktop() {
  desktop=$1
  shots=$(mktemp -d)
  case $desktop in
    openbox)
      command -v openbox >/dev/null || { echo "SKIP: openbox is not installed"; exit 0; }
      openbox --sm-disable >/dev/null 2>&1 &
      desktop_pids=$!
      sleep 1
      ;;
    wayland | xwayland) start_weston "$desktop" ;;
    *) fail "no desktop '$desktop'" ;;
  esac
  trap end_of_script EXIT
}

start_weston() {
  command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 0; }
  if [ "$1" = wayland ]; then
    ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
      { echo "SKIP: Qt's Wayland platform (qt6-wayland) is not installed"; exit 0; }
  else
    command -v Xwayland >/dev/null || { echo "SKIP: Xwayland is not installed"; exit 0; }
  fi
  export XDG_RUNTIME_DIR=$shots/runtime WAYLAND_DISPLAY=wl-brillor
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  # No on-screen keyboard: it would open over the window for the name input and stay.
  printf '[core]\nidle-time=0\n[input-method]\npath=\n' >"$XDG_RUNTIME_DIR/weston.ini"
  local xwayland=()
  [ "$1" = xwayland ] && xwayland=(--xwayland)
  weston --config="$XDG_RUNTIME_DIR/weston.ini" --backend=x11-backend.so --use-pixman --width=1000 \
    --height=740 --socket=$WAYLAND_DISPLAY "${xwayland[@]}" >"$shots/weston.log" 2>&1 &
  desktop_pids=$!
  for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
  if [ ! -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || ! kill -0 "$desktop_pids" 2>/dev/null; then
    echo "SKIP: weston cannot start here:"
    tail -5 "$shots/weston.log"
    exit 0
  fi
  weston_output=$(for _ in $(seq 50); do
    xwininfo -root -tree | awk '/"Weston Compositor/ {print $1; exit}' | grep . && break
    sleep 0.2
  done)
  [ -n "$weston_output" ] || fail "weston's window did not appear"
  if [ "$1" = xwayland ]; then
    for _ in $(seq 50); do grep -q 'xserver listening on display' "$shots/weston.log" && break; sleep 0.1; done
    xwayland_display=$(grep -o 'xserver listening on display :[0-9]*' "$shots/weston.log" | awk '{print $NF}')
    [ -n "$xwayland_display" ] || fail "weston started no X server"
  fi
  sleep 1
  # Weston follows the X pointer only once it has entered weston's window: a pointer already
  # inside when the window appeared stays at 0,0 for weston, and a click there opens a terminal
  # from the panel's launcher. So the pointer comes in from outside first (the screen is larger
  # than weston's window), and rests where no window is. Xvfb gives the keys to the window
  # under the pointer: weston's.
  xdotool mousemove 1020 760
  sleep 0.2
  xdotool mousemove --window "$weston_output" 995 735
  sleep 0.3
  shot desktop
}

run_game() {
  case $desktop in
    openbox) "$1" 2>>"$shots/game.log" & ;;
    # Qt's Wayland plugin leaves allocations behind at exit from code it has unloaded by then,
    # which a leak report cannot name: the sanitizer build checks memory errors here, not leaks.
    wayland) ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" QT_QPA_PLATFORM=wayland "$1" \
      2>>"$shots/game.log" & ;;
    xwayland) DISPLAY=$xwayland_display QT_QPA_PLATFORM=xcb "$1" 2>>"$shots/game.log" & ;;
  esac
  pid=$!
}

shot() {
  if [ "$desktop" = openbox ]; then import -window root "$shots/$1.png"; else import -window "$weston_output" "$shots/$1.png"; fi
}

game_origin() {
  case $desktop in
    openbox) window_origin "$(main_window)" ;;
    xwayland) DISPLAY=$xwayland_display window_origin "$(DISPLAY=$xwayland_display main_window)" ;;
    wayland)
      # The pixels the window covers differ from the bare desktop; Qt's own frame round them is
      # 30 pixels high at the top and 3 at the sides.
      local box
      for _ in $(seq 60); do
        shot shown
        box=$(convert "$shots/desktop.png" "$shots/shown.png" -fill black -draw 'rectangle 0,0 9999,31' \
          -compose difference -composite -colorspace gray -threshold 0 -format '%@' info: 2>/dev/null)
        [ "${box%%x*}" -ge 640 ] 2>/dev/null && break
        sleep 0.5
      done
      awk -F'[x+]' '{print $3 + 3, $4 + 30}' <<<"$box"
      ;;
  esac
}

# The top-left corner "x y" of an X window's client area on its screen.
window_origin() {
  [ -n "$1" ] || return 1
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}'
}
