#!/usr/bin/env bash
# Drives the built program in a real X server, only from outside, as a person
# does: the pointer goes to the controls at their places in the window, keys
# are typed into the focused control, message boxes are read through the
# clipboard (Ctrl+C in a message box copies its text) and closed with Enter.
# Results are read back from the files that "Ulož" writes.
#
#   tests/e2e/real_window.sh NELIN CORE_LOG ARTEFACT_DIR
#
# NELIN is the program, CORE_LOG the tool that prints the core's log for the
# same parameters; the screenshot of a full run is left in ARTEFACT_DIR.
# Needs Xvfb, xdotool, xclip, ImageMagick's import and iconv. Ends with the
# line "N passed, N failed" and fails when a case failed or no X server could
# be started.
set -u

NELIN=$(realpath "$1")
CORE_LOG=$(realpath "$2")
ARTEFACTS=$(realpath -m "$3")
mkdir -p "$ARTEFACTS"

for tool in Xvfb xdotool xclip import iconv cmp; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "real-window tests: $tool is missing, no X server can be driven" >&2
        echo "0 passed, 1 failed"
        exit 1
    fi
done

WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

# --- the X server ------------------------------------------------------------

. "$(dirname "$0")/../../scripts/xvfb.sh"
if ! start_xvfb "$WORK" "real-window tests"; then
    echo "0 passed, 1 failed"
    exit 1
fi
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

# --- the program ---------------------------------------------------------------

WINDOW=""
ORIGIN_X=0
ORIGIN_Y=0
RUN_DIR=""

# Starts the program in a fresh working folder and waits for its window.
start_app() {
    RUN_DIR=$(mktemp -d "$WORK/run.XXXX")
    (cd "$RUN_DIR" && exec "$NELIN") >"$RUN_DIR.log" 2>&1 &
    APP_PID=$!
    WINDOW=$(xdotool search --sync --onlyvisible --name '^Nelineárny elektrický systém$' | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    ORIGIN_X=$X
    ORIGIN_Y=$Y
    settle
}

stop_app() {
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    APP_PID=""
}

# Lets the program take and handle what was sent.
settle() { sleep 0.25; }

# Window coordinates of the controls' centres, from the layout.
declare -A AT=(
    [Krokuj]="869 380" [Vykresli]="869 412" [Uloz]="869 444" [Pomoc]="869 476"
    [diode]="826 119" [log]="1140 400"
    [step]="968 154" [count]="968 178" [Uo]="968 206" [R]="968 232"
    [L]="968 259" [C]="968 285" [Uc]="968 311"
)

# click CONTROL | click X Y (window coordinates)
click() {
    local x y
    if [ $# -eq 1 ]; then read -r x y <<<"${AT[$1]}"; else x=$1 y=$2; fi
    xdotool mousemove --sync $((ORIGIN_X + x)) $((ORIGIN_Y + y)) click 1
    settle
}

# drag BUTTON X1 Y1 X2 Y2: a mouse drag in window coordinates.
drag() {
    local button=$1
    xdotool mousemove --sync $((ORIGIN_X + $2)) $((ORIGIN_Y + $3)) mousedown "$button"
    xdotool mousemove --sync $((ORIGIN_X + ($2 + $4) / 2)) $((ORIGIN_Y + ($3 + $5) / 2))
    xdotool mousemove --sync $((ORIGIN_X + $4)) $((ORIGIN_Y + $5)) mouseup "$button"
    settle
}

keys() {
    xdotool windowfocus --sync "$WINDOW" key --delay 20 "$@"
    settle
}

type_text() {
    xdotool windowfocus --sync "$WINDOW" type --delay 20 -- "$1"
    settle
}

# Replaces a field's text: click into it, select everything, delete, type.
set_field() {
    click "$1"
    keys End shift+Home BackSpace
    [ -n "$2" ] && type_text "$2"
}

# The message box on screen, if any: its window id.
message_box() {
    xdotool search --onlyvisible --name '^Nelin$' 2>/dev/null | head -n 1
}

# Reads the text of the message box on screen through the clipboard and
# closes the box with Enter. Prints the text; fails when no box is shown.
read_and_close_box() {
    local box=""
    for _ in $(seq 40); do
        box=$(message_box)
        [ -n "$box" ] && break
        sleep 0.05
    done
    [ -n "$box" ] || return 1
    xdotool windowfocus --sync "$box" key ctrl+c
    settle
    # The copied box: dashed rules around the caption, the text and the button.
    xclip -o -selection clipboard | tr -d '\r' | awk '/^-+$/ { part++; next } part == 2'
    xdotool windowfocus --sync "$box" key Return
    settle
    [ -z "$(message_box)" ]
}

# The log box's text through the clipboard, one line per line. The clipboard
# is emptied first: copying from an empty log leaves it as it was.
log_text() {
    printf '' | xclip -selection clipboard >/dev/null 2>&1
    click log
    keys ctrl+a ctrl+c
    xclip -o -selection clipboard
}

# Presses "Ulož" and moves the five files to the folder $1 (inside RUN_DIR).
save_into() {
    click Uloz
    mkdir -p "$RUN_DIR/$1"
    find "$RUN_DIR" -maxdepth 1 -type f -exec mv {} "$RUN_DIR/$1/" \;
}

# The saved picture of chart $2 in folder $1.
bmp() { ls "$RUN_DIR/$1"/*graf"$2".bmp; }

# The saved log of folder $1.
saved_log() { cat "$RUN_DIR/$1"/*.txt; }

# The core's log for the same parameters, in code page 1250.
core_log() { "$CORE_LOG" "$@" | iconv -f UTF-8 -t CP1250; }

DEFAULTS=(500 0.0001 0.12 1000 0.01 0.0001 0.1)

# --- the cases -----------------------------------------------------------------

PASSED=0
FAILED=0
FAILURE=""
fail() { FAILURE="${FAILURE}    $*"$'\n'; }

run_case() {
    local name=$1
    FAILURE=""
    start_app
    "$name"
    if ! kill -0 "$APP_PID" 2>/dev/null; then fail "the program is no longer running"; fi
    stop_app
    if [ -z "$FAILURE" ]; then
        PASSED=$((PASSED + 1))
        echo "PASS $name"
    else
        FAILED=$((FAILED + 1))
        echo "FAIL $name"
        printf '%s' "$FAILURE"
    fi
}

# The window at its place with the focus on "Krokuj": Enter shows sample 1.
StartUpAndEnter() {
    [ "$ORIGIN_X $ORIGIN_Y" = "3 107" ] || fail "window at $ORIGIN_X,$ORIGIN_Y"
    keys Return
    save_into first
    cmp -s <(saved_log first) <(core_log step:1 nodiode "${DEFAULTS[@]}") || fail "Enter at start did not show sample 1"
    [ "$(ls "$RUN_DIR/first" | wc -l)" -eq 5 ] || fail "a save did not write five files"
}

# "Vykresli" with the defaults, then with the diode: the saved logs equal the
# core's, byte for byte; the screenshot of the full run is kept.
FullRunsAsTheCore() {
    click Vykresli
    import -window root "$ARTEFACTS/full-run.png" || fail "no screenshot"
    save_into plain
    cmp -s <(saved_log plain) <(core_log full nodiode "${DEFAULTS[@]}") || fail "full run differs from the core's log"
    click diode
    click Vykresli
    import -window root "$ARTEFACTS/full-run-diode.png" || fail "no screenshot"
    save_into diode
    cmp -s <(saved_log diode) <(core_log full diode "${DEFAULTS[@]}") || fail "diode run differs from the core's log"
}

# A walk of a few presses by Enter after a click on "Krokuj".
WalkByEnter() {
    click Krokuj
    keys Return Return Return
    local expected
    expected=$("$CORE_LOG" step:4 nodiode "${DEFAULTS[@]}" | tr -d '\r')
    [ "$(log_text)" = "$expected" ] || fail "four presses did not show samples 1 to 4"
    # Typing in a field starts the walk over.
    set_field count 3
    click Krokuj
    keys Return Return Return
    expected=$("$CORE_LOG" step:4 nodiode 3 0.0001 0.12 1000 0.01 0.0001 0.1 | tr -d '\r')
    [ "$(log_text)" = "$expected" ] || fail "a walk of 3 did not start over after its last sample"
}

# The range message, a conversion error and a floating-point fault each end
# with their box, and the window goes on.
MessagesAndGoingOn() {
    local text
    set_field count 2000
    click Vykresli
    text=$(read_and_close_box) || fail "no range box, or it did not close"
    [ "$text" = "Hodnota parametra je mimo rozsah!" ] || fail "range box said '$text'"

    set_field count 500
    set_field R ""
    click Vykresli
    text=$(read_and_close_box) || fail "no conversion box, or it did not close"
    [ "$text" = "'' is not a valid floating point value." ] || fail "conversion box said '$text'"

    set_field R 0
    click Vykresli
    text=$(read_and_close_box) || fail "no fault box, or it did not close"
    [ "$text" = "Floating point division by zero." ] || fail "fault box said '$text'"
    # The fault leaves the header block as the whole log.
    save_into fault
    cmp -s <(saved_log fault) <(core_log full nodiode "${DEFAULTS[@]}" | head -n 9 | sed 's/^R= 1000 ohm/R= 0 ohm/') ||
        fail "the fault did not leave the header block"

    set_field R 1000
    click Vykresli
    [ -z "$(message_box)" ] || fail "a box after a good run"
    save_into after
    cmp -s <(saved_log after) <(core_log full nodiode "${DEFAULTS[@]}") || fail "the window did not go on"
}

# The key filters as typed: what a run then reads is what the filters let in.
KeyFiltersTyped() {
    set_field count "1a-.5 "
    set_field step "0.00.01-"
    set_field Uo "-0.1-2"
    keys Home minus
    set_field R "-20,0.5"
    set_field C "0.001"
    keys Home minus
    # Ctrl+V does nothing in a field.
    printf '9x' | xclip -selection clipboard >/dev/null 2>&1
    click L
    keys End ctrl+v
    # C = -0.001 fails the range check: the box comes, and the log stays empty.
    click Vykresli
    local text
    text=$(read_and_close_box) || fail "no range box for a negative C"
    [ "$text" = "Hodnota parametra je mimo rozsah!" ] || fail "range box said '$text'"
    [ -z "$(log_text)" ] || fail "a failed range check wrote to the log"
    set_field C "0.001"
    click Vykresli
    local expected
    expected=$(printf '%s\n' "počet krokov= 15" "veľkosť kroku= 0.0001 s" "Uo= -0.12 V" "R= 200.5 ohm" \
        "C= 0.001 F" "L= 0.01 H" "Uc= 0.1 V")
    local header
    header=$(log_text | head -n 7)
    [ "$header" = "$expected" ] || fail "typed fields read as: $(echo "$header" | tr '\n' '|')"
    # Shift+Insert pastes without filtering.
    printf '9x' | xclip -selection clipboard >/dev/null 2>&1
    click L
    keys End shift+Insert
    click Vykresli
    text=$(read_and_close_box) || fail "no conversion box after Shift+Insert"
    [ "$text" = "'0.019x' is not a valid floating point value." ] || fail "pasted field gave '$text'"
}

# A zoom by mouse shows in the saved picture; the reverse drag undoes it.
ZoomInSavedPicture() {
    click Vykresli
    save_into before
    drag 1 120 120 300 300
    save_into zoomed
    drag 1 300 300 120 120
    save_into undone
    cmp -s "$(bmp before 1)" "$(bmp zoomed 1)" && fail "the zoom does not show in the saved picture"
    cmp -s "$(bmp before 1)" "$(bmp undone 1)" || fail "the reverse drag did not undo the zoom"
    cmp -s "$(bmp before 2)" "$(bmp zoomed 2)" || fail "zooming chart 1 changed chart 2"
}

# "Pomoc", then "Ulož": the five names carry one stamp, the text is the help.
SavedFilesAndNames() {
    click Pomoc
    local today
    today=$(date +%y%m%d)
    save_into help
    local files
    files=$(cd "$RUN_DIR/help" && ls | sed -E 's/^[0-9]{6}_[0-9]{6}//' | sort | tr '\n' ' ')
    [ "$files" = ".txt graf1.bmp graf2.bmp graf3.bmp graf4.bmp " ] || fail "saved: $files"
    ls "$RUN_DIR/help" | grep -qvE "^($today|$(date +%y%m%d))_[0-9]{6}" && fail "names not stamped with today's date"
    [ "$(stat -c %s "$RUN_DIR/help"/*.txt)" -eq 616 ] || fail "help text file is not 616 bytes"
    [ "$(head -c 2 "$(bmp help 1)")" = "BM" ] || fail "graf1.bmp is not a BMP file"
    [ "$(identify -format '%wx%h' "$(bmp help 1)")" = "400x350" ] || fail "graf1.bmp is not 400 x 350"
}

for name in StartUpAndEnter FullRunsAsTheCore WalkByEnter MessagesAndGoingOn KeyFiltersTyped \
    ZoomInSavedPicture SavedFilesAndNames; do
    run_case "$name"
done

echo "$PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
