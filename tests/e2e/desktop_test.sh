#!/usr/bin/env bash
# Works the real rusket executable in its own Xvfb display as a person would: real mouse
# and keyboard events from xdotool, views read by selecting and copying their text, the
# real clipboard read with xclip. Controls are found from the window's position and the
# designed geometry, never by asking the program.
# Usage: desktop_test.sh path/to/rusket
set -u
RUSKET=$(readlink -f "$1")
PROGRAM_DIR=$(dirname "$RUSKET")
WORK=$(mktemp -d)
PASSED=0
FAILED=0
XVFB_PID=
APP_PID=

cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

for n in $(seq 140 199); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { DISPLAY_NUMBER=$n; break; }
done
export DISPLAY=":$DISPLAY_NUMBER"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# Control rectangles in twips, from the client area's top-left corner (frames added in).
declare -A RECT=(
    [redByte]="240 360 375 285"        [greenByte]="600 360 375 285"     [blueByte]="960 360 375 285"
    [byteShow]="1440 360 1695 285"
    [redPercent]="240 1080 375 285"    [greenPercent]="600 1080 375 285" [bluePercent]="960 1080 375 285"
    [percentShow]="1440 1080 1695 285"
    [redHex]="240 1800 375 285"        [greenHex]="600 1800 375 285"     [blueHex]="960 1800 375 285"
    [hexShow]="1440 1800 1695 285"
    [txtRgbName]="240 2520 1332 288"
    [picBack]="120 3000 3615 1092"     [txtText]="240 3120 3132 252"
    [txtLink]="240 3360 2652 252"      [txtVLink]="240 3600 3132 252"
    [chkNetscape]="3360 240 375 375"   [chkWindows]="3360 720 375 375"   [colShow]="3360 1200 375 1692"
    [redSlide]="3960 480 255 2412"     [greenSlide]="4320 480 255 2412"  [blueSlide]="4680 480 255 2412"
)

# Screen point of a control: its centre, or a fraction (in percent) across and down it.
point() {
    local name=$1 fx=${2:-50} fy=${3:-50}
    read -r l t w h <<<"${RECT[$name]}"
    echo $((CLIENT_X + (l + w * fx / 100) / 15)) $((CLIENT_Y + (t + h * fy / 100) / 15))
}

click() { xdotool mousemove $(point "$@") click 1; sleep 0.15; }

# Clicks into a field, replaces its text and leaves it with Tab.
type_into() {
    click "$1"
    xdotool key ctrl+a BackSpace
    xdotool type --delay 20 "$2"
    xdotool key Tab
    sleep 0.2
}

# Reads a view as a user would: select all of it, copy, read the clipboard.
read_view() {
    local text=
    for _ in 1 2 3; do
        click "$1"
        xdotool key ctrl+a ctrl+c
        sleep 0.2
        text=$(xclip -o -selection clipboard 2>/dev/null) && [ -n "$text" ] && break
    done
    printf '%s' "$text"
}

# Starts the program, with environment settings as arguments (NAME=value ...).
start_program() {
    env "$@" "$RUSKET" >"$WORK/out.txt" 2>&1 &
    APP_PID=$!
    MAIN_WINDOW=$(xdotool search --sync --onlyvisible --name '^Rusket$' | head -1)
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")"
    CLIENT_X=$X
    CLIENT_Y=$((Y + HEIGHT - 280)) # the menu bar sits above the 280-pixel client area
    xdotool mousemove $(point byteShow) click 1
}

stop_program() {
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    APP_PID=
}

# Waits up to five seconds for a visible window with this exact title other than the main one.
other_window() {
    for _ in $(seq 50); do
        for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
            [ "$id" != "${MAIN_WINDOW:-}" ] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

# Presses Return in a box: the pointer moves over it, so that the keystroke goes there.
answer_box() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + 5)) click 1 key Return
    sleep 0.3
}

check() {
    local name=$1 got=$2 want=$3
    if [ "$got" = "$want" ]; then
        echo "PASS   : $name"
        PASSED=$((PASSED + 1))
    else
        echo "FAIL!  : $name: got '$got', expected '$want'"
        FAILED=$((FAILED + 1))
    fi
}

# ---- the cases ----

start_program
check "start-up: byteShow" "$(read_view byteShow)" "rgb(0,0,0)"
check "start-up: percentShow" "$(read_view percentShow)" "rgb(0%,0%,0%)"
check "start-up: hexShow" "$(read_view hexShow)" '="#000000"'

click redByte
xdotool key ctrl+a type --delay 20 "255"
xdotool key Tab ctrl+a type --delay 20 "128"
xdotool key Tab ctrl+a type --delay 20 "0"
xdotool key Tab
sleep 0.3
check "typed bytes: byteShow" "$(read_view byteShow)" "rgb(255,128,0)"
check "typed bytes: percentShow" "$(read_view percentShow)" "rgb(100%,50%,0%)"
check "typed bytes: hexShow" "$(read_view hexShow)" '="#FF8000"'
check "typed bytes: greenPercent" "$(read_view greenPercent)" "50.19608"

type_into redByte 300
box=$(other_window Rusket) && answer_box "$box"
check "300: a box titled Rusket" "${box:+shown}" "shown"
check "300: the box is gone after Return" "$(xdotool search --onlyvisible --name '^Rusket$' | wc -l)" "1"
check "300: red is 255" "$(read_view byteShow)" "rgb(255,128,0)"
check "300: redHex" "$(read_view redHex)" "FF"

# An edit followed by a click in a slider's track: the edit comes first, then the slider.
click redByte
xdotool key ctrl+a type --delay 20 "77"
click greenSlide 50 90
check "edit before slider click" "$(read_view byteShow)" "rgb(77,138,0)"

# The same with a range message: the box comes first, then exactly one step of the slider.
click redByte
xdotool key ctrl+a type --delay 20 "300"
click greenSlide 50 90
box=$(other_window Rusket) && answer_box "$box"
check "message before slider click: a box" "${box:+shown}" "shown"
sleep 1.5
check "message before slider click: one step" "$(read_view byteShow)" "rgb(255,148,0)"

type_into redByte 10
type_into greenByte 10
type_into blueByte 10
click chkNetscape
check "Netscape Color Cube at 10,10,10" "$(read_view byteShow)" "rgb(0,0,0)"

type_into redByte 18
type_into greenByte 52
type_into blueByte 86
xdotool mousemove $(point colShow) mousedown 1
sleep 0.2
for step in 90 70 50 30 20; do xdotool mousemove $(point txtVLink "$step" 50); sleep 0.05; done
xdotool mouseup 1
sleep 0.3
xdotool mousemove $(point picBack 95 90) click 3
sleep 0.3
xdotool key Down Return
sleep 0.3
check "drag onto visited link, Copy as CSS" "$(xclip -o -selection clipboard)" \
    "body { color: rgb(0,0,0); background-color: rgb(255,255,255) } a:link { color: rgb(230,0,0) } a:visited { color: rgb(18,52,86) }"
xdotool mousemove $(point txtText 90 50) click 3
sleep 0.3
xdotool key Down Down Return
sleep 0.3
check "Copy as HTML" "$(xclip -o -selection clipboard)" \
    '<body text="#000000" bgcolor="#FFFFFF" link="#E60000" vlink="#123456">'

xdotool mousemove $(point byteShow) click 1 key F1
sleep 0.5
xdotool mousemove $(point byteShow) click 1 key F1
sleep 0.5
check "F1 twice: one About window" "$(xdotool search --onlyvisible --name '^About$' | wc -l)" "1"
# Without a window manager both windows open at the same corner: move About aside.
xdotool search --onlyvisible --name '^About$' windowmove %1 600 500
sleep 0.3

xdotool mousemove $(point byteShow) click 1 key alt+f
sleep 0.3
xdotool key x
for _ in $(seq 30); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
wait "$APP_PID"
check "Exit ends with status 0" "$?" "0"
APP_PID=

# The user's locale decides the decimal separator of the percentages.
start_program LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
type_into greenByte 128
check "German: greenPercent" "$(read_view greenPercent)" "50,19608"
type_into bluePercent "25,5"
check "German: a typed comma is read" "$(read_view byteShow)" "rgb(0,128,65)"
stop_program

# Without its names file the program reports and ends.
mkdir -p "$WORK/program"
cp "$RUSKET" "$PROGRAM_DIR/netscape.pal" "$PROGRAM_DIR/windows.pal" "$WORK/program/"
"$WORK/program/rusket" >"$WORK/out.txt" 2>&1 &
APP_PID=$!
MAIN_WINDOW=
box=$(other_window Rusket) && answer_box "$box"
check "names missing: a box titled Rusket" "${box:+shown}" "shown"
wait "$APP_PID"
status=$?
APP_PID=
check "names missing: exit status is not 0" "$([ "$status" -ne 0 ] && echo nonzero)" "nonzero"
check "names missing: the report names the file" "$(grep -c color_names.txt "$WORK/out.txt")" "1"

echo "$PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
