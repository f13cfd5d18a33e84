#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Rusket authors
# SPDX-License-Identifier: MIT
# What only the real program on a real X display shows, worked with xdotool: views are read by
# copying their text, controls found from the window's place and the designed geometry.
# Usage: desktop_test.sh path/to/rusket folder-with-the-deb path/to/stripes
[ -n "${RUSKET_DISPLAY:-}" ] || exec env RUSKET_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" "$@"
set -u
RUSKET=$(readlink -f "$1")
WORK=$(mktemp -d)
STRIPES=$(readlink -f "$3")
# Whatever the test started ends with it, so that nothing holds its output open afterwards.
trap 'kill $APP_PID $XMESSAGE_PID $STRIPES_PID $PICK_PID $HOLDER_PID 2>/dev/null; rm -rf "$WORK"' EXIT
dpkg-deb -x "$2"/rusket_*.deb "$WORK/root" || exit 1
PASSED=0 FAILED=0 APP_PID= XMESSAGE_PID= STRIPES_PID= PICK_PID= HOLDER_PID= SCALE=100 status=
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_DATA_HOME=$WORK/data XDG_CONFIG_HOME=$WORK/config # the palettes and settings of a new user
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent # no desktop portal: picking reads the X11 screen

# Control rectangles in twips from the client area's corner, frames added in.
declare -A RECT=([redByte]="240 360 375 285" [greenByte]="600 360 375 285" [blueByte]="960 360 375 285"
    [byteShow]="1440 360 1695 285" [greenPercent]="600 1080 375 285" [hexShow]="1440 1800 1695 285"
    [picBack]="120 3000 3615 1092" [txtVLink]="240 3600 3132 252" [colShow]="3360 1200 375 1692"
    [greenSlide]="4320 480 255 2412")

# Screen point of a control: its centre, or a fraction (in percent) across and down it; SCALE is
# the program's scale factor in percent.
point() {
    local l t w h
    read -r l t w h <<<"${RECT[$1]}"
    echo $((CLIENT_X + (l + w * ${2:-50} / 100) * SCALE / 1500)) $((CLIENT_Y + (t + h * ${3:-50} / 100) * SCALE / 1500))
}
click() { xdotool mousemove $(point "$@") click 1 sleep 0.15; }
# Clicks into a field and replaces its text; `enter` also leaves the field with Tab.
edit() { click "$1"; xdotool key ctrl+a BackSpace type --delay 20 "$2"; }
enter() { edit "$@"; xdotool key Tab sleep 0.2; }
# A view as a user reads it: select all of it, copy, read the clipboard.
read_view() {
    for _ in 1 2 3; do
        click "$1"
        xdotool key ctrl+a ctrl+c sleep 0.2
        xclip -o -selection clipboard 2>/dev/null | grep . && return
    done
}

# Starts a program, with environment settings (NAME=value) and options after it, and finds its client area.
start() {
    local program=$1 settings=() options=()
    for word in "${@:2}"; do [[ $word == [A-Z]*=* ]] && settings+=("$word") || options+=("$word"); done
    SCALE=100
    for word in "${settings[@]}"; do
        [[ $word == QT_SCALE_FACTOR=* ]] && SCALE=$(awk -v f="${word#*=}" 'BEGIN { print int(f * 100 + 0.5) }')
    done
    env "${settings[@]}" "$program" "${options[@]}" >"$WORK/out.txt" 2>&1 &
    APP_PID=$!
    MAIN_WINDOW=$(xdotool search --sync --onlyvisible --name '^Rusket$' | head -1)
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")"
    CLIENT_X=$X CLIENT_Y=$((Y + HEIGHT - 280 * SCALE / 100)) # the menu bar sits above the 280-pixel client area
    click byteShow
}
# Waits up to three seconds for the program to end by itself, then reads its exit status.
finish() { timeout 3 tail --pid="$APP_PID" -f /dev/null; kill "$APP_PID" 2>/dev/null; wait "$APP_PID"; status=$? APP_PID=; }
# Presses Return in the box titled Rusket, other than the main window; fails if none shows.
answer_box() {
    local id
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name '^Rusket$' | grep -vx "${MAIN_WINDOW:-none}" | head -1)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + 5)) click 1 key Return sleep 1
}
drag() { xdotool mousemove $(point "$1") mousedown 1 sleep 0.2 mousemove $(point "$2" 80 50) sleep 0.1 mousemove $(point "$2" 50 50) sleep 0.1 mousemove $(point "$2" 20 50) sleep 0.1 mouseup 1 sleep 0.3; }
# The sample page's menu at a part, then its n-th command.
sample_menu() { xdotool mousemove $(point "$1" 95 90) click 3 sleep 0.3 key $(printf 'Down %.0s' $(seq "$2")) Return sleep 0.3; }
# A known colour on the screen, outside Rusket's window (Xvfb does not paint xsetroot's root).
show_123456() { xmessage -bg '#123456' -geometry 300x200+600+450 " " & XMESSAGE_PID=$!; sleep 1; }
# One-pixel stripes on the screen, right of the window and below its top, each device pixel in
# a colour of its own: (x, y) shows rgb(x mod 256, y mod 256, 16 * (x / 256) + y / 256).
show_stripes() { [ -n "$STRIPES_PID" ] || { "$STRIPES" 700 400 300 300 & STRIPES_PID=$!; sleep 1; }; }
# Pick from the screen by a click at a device pixel, the pointer moved there once the screen shows.
pick_at() { xdotool key ctrl+shift+p sleep 1 mousemove "$1" "$2" sleep 0.2 click 1 sleep 0.5; }
# Where the picker's crosshair runs near the pointer at (811..812, 521..522): the columns of row
# 450 and the rows of column 750 where a black or white line covers the stripes. A stripe
# changed in any other way is named with the colour it shows.
crosshair() {
    local points=() stripes=() found=() value where stripe x y i=0
    for x in $(seq 780 840); do points+=("$x" 450) stripes+=("$x $((x % 256)),194,$((16 * (x / 256) + 1))"); done
    for y in $(seq 490 550); do points+=(750 "$y") stripes+=("$y 238,$((y % 256)),$((32 + y / 256))"); done
    for value in $("$STRIPES" --read "${points[@]}"); do
        read -r where stripe <<<"${stripes[i]}"
        i=$((i + 1))
        [ "$value" = "$stripe" ] && continue
        [[ $value == 0,0,0 || $value == 255,255,255 ]] && found+=("$where") || found+=("$where:$value")
    done
    echo "${found[*]}"
}
# The colour on the clipboard as other programs take it (application/x-color): red, green, blue
# and alpha, 16 bits each, in hexadecimal.
clipboard_color() { xclip -o -selection clipboard -t application/x-color | od -An -tx2 | xargs; }
without_names() {
    mkdir -p "$WORK/program"
    cp "$RUSKET" "$(dirname "$RUSKET")"/*.pal "$WORK/program/"
    "$WORK/program/rusket" >"$WORK/out.txt" 2>&1 &
    APP_PID=$! MAIN_WINDOW=
    answer_box && finish && grep -q color_names.txt "$WORK/out.txt" # the report names the file
}

# Runs `rusket --pick` with the options, then the xdotool steps once its overlay shows: what it
# printed and its status, as "[output] status".
pick_command() {
    "$RUSKET" --pick $1 >"$WORK/pick.txt" 2>/dev/null &
    PICK_PID=$!
    # The overlay is the program's window, or with --copy its child's.
    for _ in $(seq 50); do
        for pid in "$PICK_PID" $(pgrep -P "$PICK_PID"); do
            xdotool search --onlyvisible --pid "$pid" >/dev/null && break 2
        done
        sleep 0.1
    done
    sleep 0.3
    xdotool "${@:2}"
    timeout 5 tail --pid="$PICK_PID" -f /dev/null
    wait "$PICK_PID"
    status=$? PICK_PID=
    output="[$(cat "$WORK/pick.txt")] $status"
}
# Whether the copy of `rusket --pick --copy` held in the background ends once another program copies.
holder_ends() {
    HOLDER_PID=$(pgrep -x -f "$RUSKET --pick --copy.*")
    [ -n "$HOLDER_PID" ] && read_view byteShow >/dev/null && timeout 3 tail --pid="$HOLDER_PID" -f /dev/null &&
        output=ended HOLDER_PID=
}

# Types a line into `rusket --convert - --format hex` in a terminal that stays open: the answer
# that comes within five seconds, after the terminal's echo of the line.
typed_in_terminal() {
    local echoed
    coproc TERMINAL { exec script -qfec "$RUSKET --convert - --format hex" /dev/null; }
    echo "$1" >&"${TERMINAL[1]}"
    read -t 5 -r echoed <&"${TERMINAL[0]}" && read -t 5 -r output <&"${TERMINAL[0]}"
    output=${output%$'\r'}
    kill "$TERMINAL_PID" 2>/dev/null
}
first_line() { "$@" | head -1; }
# Runs the program where no window system answers; its status, and whether it named the display.
unreachable() { env -u DISPLAY "$1" "$RUSKET" 2>"$WORK/err.txt"; status=$?; grep -q "opened ($1)" "$WORK/err.txt"; }

UNPACKED=$WORK/root/usr/bin/rusket
TURKISH="LANG=tr_TR.UTF-8 ${RUSKET_LOCPATH:+LOCPATH=$RUSKET_LOCPATH}"
CSS='body { color: rgb(0,0,0); background-color: rgb(255,255,255) } a:link { color: rgb(230,0,0) } a:visited { color: rgb(18,52,86) }'
# case                               | what the user does                                        | view      | expected
CASES=(
    "no display: a message, status 1  | env -u DISPLAY $RUSKET 2>/dev/null; status=\$?           | status    | 1"
    "a display not running: named, status 1 | unreachable DISPLAY=:9876                         | status    | 1"
    "a dead Wayland display: named, status 1 | unreachable WAYLAND_DISPLAY=wayland-dead           | status    | 1"
    "the command line speaks German   | output=\$(first_line env -u DISPLAY LANGUAGE=de $RUSKET --help) | output | Aufruf: rusket [Optionen]"
    "a color typed in a terminal is answered at once | typed_in_terminal red                 | output    | #ff0000"
    "typed bytes, Qt's own options    | start $RUSKET -geometry +10+10 -name foo -style fusion; enter redByte 255; enter greenByte 128; enter blueByte 0 | byteShow | rgb(255,128,0)"
    "a range message closed by Return | enter blueByte 300; answer_box                            | hexShow   | =\"#FF80FF\""
    "the edit, its message, one step  | edit redByte 300; click greenSlide 50 90; answer_box      | byteShow  | rgb(255,138,255)"
    "pick from the screen             | show_123456; click byteShow; xdotool key ctrl+shift+p sleep 1 mousemove 750 560 click 1 | byteShow | rgb(18,52,86)"
    "Escape ends a pick, nothing else | enter redByte 1; xdotool key ctrl+shift+p sleep 1 key Escape | byteShow | rgb(1,52,86)"
    "the keys move the pick, Return takes it | enter redByte 2; xdotool mousemove 590 560 key ctrl+shift+p sleep 1 key shift+Right shift+Right Return | byteShow | rgb(18,52,86)"
    "--pick prints the color          | pick_command '--format hex' mousemove 750 560 click 1     | output    | [#123456] 0"
    "--pick: Escape prints nothing    | pick_command '' key Escape                               | output    | [] 3"
    "--pick --copy: on the clipboard after it ended | pick_command '--copy --template rgb({r},{g},{b})' mousemove 750 560 click 1 | clipboard | rgb(18,52,86)"
    "the copy is held until another program copies | holder_ends                                | output    | ended"
    "drag, then Copy as CSS           | enter redByte 18; enter greenByte 52; enter blueByte 86; drag colShow txtVLink; sample_menu picBack 1 | clipboard | $CSS"
    "Exit ends with status 0          | click byteShow; xdotool key alt+f sleep 0.3 key x; finish | status    | 0"
    "the German locale's comma        | start $RUSKET LC_ALL=de_DE.UTF-8; enter greenByte 128     | greenPercent | 50,19608"
    "no names file: a report, status 1 | kill \$APP_PID; without_names                            | status    | 1"
    "the package's --version, no display | output=\$(env -u DISPLAY $UNPACKED --version)        | output    | Rusket 1.0.0"
    "--version to a full disk: status 1 | $UNPACKED --version >/dev/full 2>/dev/null; status=\$? | status    | 1"
    "the package's program finds its data | start $UNPACKED; enter blueByte 128                  | byteShow  | rgb(0,0,128)"
    "a Turkish locale takes INDIGO    | kill \$APP_PID; start $RUSKET $TURKISH --color INDIGO     | byteShow  | rgb(75,0,130)"
    "scale 2: a click takes its odd pixel | kill \$APP_PID; finish; start $RUSKET QT_SCALE_FACTOR=2; show_stripes; pick_at 811 521 | byteShow | rgb(43,9,50)"
    "scale 2: and an even one             | pick_at 812 522                                           | byteShow  | rgb(44,10,50)"
    "scale 2: the crosshair on its pixel  | xdotool key ctrl+shift+p sleep 1 mousemove 811 521 sleep 0.3; output=\$(crosshair); xdotool key Escape | output | 811 521"
    "scale 2: the keys go on from the pointer | click byteShow; xdotool mousemove 811 521 key ctrl+shift+p sleep 1 key Left Up Return sleep 0.5 | byteShow | rgb(42,8,50)"
    "scale 1.5: a click takes its odd pixel | kill \$APP_PID; finish; start $RUSKET QT_SCALE_FACTOR=1.5; pick_at 811 521 | byteShow | rgb(43,9,50)"
    "scale 1.5: and an even one           | pick_at 812 522                                           | byteShow  | rgb(44,10,50)"
    "scale 1.5: the crosshair on its pixel | xdotool key ctrl+shift+p sleep 1 mousemove 812 522 sleep 0.3; output=\$(crosshair); xdotool key Escape | output | 812 522"
    "scale 1.5: the keys go on from the pointer | click byteShow; xdotool mousemove 812 522 key ctrl+shift+p sleep 1 key Right Down Return sleep 0.5 | byteShow | rgb(45,11,50)"
    "Ctrl+C on the swatch: the color itself too | click hexShow; xdotool key Tab Tab Tab Tab ctrl+c sleep 0.5; output=\$(clipboard_color) | output | 2d2d 0b0b 3232 ffff"
    "after a restart, History's first color by Return | kill \$APP_PID; finish; start $RUSKET; enter redByte 18; enter greenByte 52; enter blueByte 86; xdotool key ctrl+d; enter redByte 200; xdotool key alt+f sleep 0.3 key x; finish; start $RUSKET; xdotool key ctrl+l sleep 1 key Return sleep 0.3 | byteShow | rgb(200,52,86)"
    "and the color added by Ctrl+D, by Tab and Return | xdotool key ctrl+l sleep 0.5 key Tab Return sleep 0.3 | byteShow | rgb(18,52,86)"
    "History by its German name       | output=\$(first_line env -u DISPLAY LANGUAGE=de $RUSKET --export-palette Verlauf --as lines) | output | #c83456"
    "and listed by it                 | output=\$(first_line env -u DISPLAY LANGUAGE=de $RUSKET --list-palettes) | output | Verlauf"
)

for row in "${CASES[@]}"; do
    IFS='|' read -r name steps view expected <<<"$row"
    name=$(echo $name) view=$(echo $view) expected=${expected# }
    if ! eval "$steps"; then
        got="(a step failed)"
    elif [ "$view" = clipboard ]; then
        got=$(xclip -o -selection clipboard)
    elif [ "$view" = status ] || [ "$view" = output ]; then
        got=${!view}
    else
        got=$(read_view "$view")
    fi
    if [ "$got" = "$expected" ]; then echo "PASS   : $name"; PASSED=$((PASSED + 1)); else
        echo "FAIL!  : $name: got '$got', expected '$expected'"; FAILED=$((FAILED + 1)); fi
done
echo "$PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
