#!/usr/bin/env bash
# End-to-end check of the settings program as a person sees it: starts a
# virtual X server and a window manager, runs the program and looks at the
# screen. It checks the main window, the board photograph, the File menu and
# both ways of ending the program through "Exit".
#
#   main_window.sh PROGRAM PHOTOGRAPH
#
# PROGRAM is the built settings program, PHOTOGRAPH the board photograph it
# embeds. Prints one line for each failed check and exits 1 if any failed.
set -euo pipefail
shopt -s inherit_errexit

if [ "$#" -ne 2 ]; then
    echo "usage: $0 PROGRAM PHOTOGRAPH" >&2
    exit 2
fi
PROGRAM=$1
PHOTOGRAPH=$2

readonly WINDOW_TITLE='Setup'
readonly SCREEN_WIDTH=1280
readonly SCREEN_HEIGHT=1024
readonly PHOTO_WIDTH=600
readonly PHOTO_HEIGHT=274
# The form's background: the first row of this colour below the window's top
# edge is the first row of the client area.
readonly CLIENT_BACKGROUND='255,255,255'
# Bounded waits, in tenths of a second.
readonly START_TIMEOUT=200
readonly EXIT_TIMEOUT=50
readonly POPUP_TIMEOUT=50
readonly PAINT_TIMEOUT=50
# Where a screenshot is kept when the photograph check fails.
readonly KEPT_SCREENSHOT="$PWD/main_window_screen.ppm"

WORK_DIR=$(mktemp -d)
XVFB_PID=''
OPENBOX_PID=''
PROGRAM_PID=''
FAILURES=0

stop_process() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

cleanup() {
    stop_process "$PROGRAM_PID"
    stop_process "$OPENBOX_PID"
    stop_process "$XVFB_PID"
    rm -rf "$WORK_DIR"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

fail() {
    echo "FAILED: $*" >&2
    FAILURES=$((FAILURES + 1))
}

# A failure after which no later check can run.
fatal() {
    fail "$@"
    if [ -f "$WORK_DIR/settings.log" ] && [ -s "$WORK_DIR/settings.log" ]; then
        echo "--- program output ---" >&2
        cat "$WORK_DIR/settings.log" >&2
    fi
    exit 1
}

# Runs a command every tenth of a second until it succeeds or TENTHS have passed.
poll() {
    local tenths=$1
    shift
    local i
    for ((i = 0; i < tenths; i++)); do
        if "$@"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# ---- X server and window manager ----

display_number_written() {
    [ -s "$WORK_DIR/display" ]
}

start_x_server() {
    # -displayfd lets the server take the first free display number and tell us which.
    Xvfb -displayfd 3 -screen 0 "${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24" -nolisten tcp \
        3>"$WORK_DIR/display" >"$WORK_DIR/xvfb.log" 2>&1 &
    XVFB_PID=$!
    poll "$START_TIMEOUT" display_number_written || fatal "the X server did not start"
    DISPLAY=":$(tr -d '[:space:]' <"$WORK_DIR/display")"
    export DISPLAY
}

window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep 'window id' >/dev/null
}

start_window_manager() {
    # A configuration folder of its own keeps a user's settings out of the test.
    mkdir -p "$WORK_DIR/config"
    XDG_CONFIG_HOME="$WORK_DIR/config" openbox --sm-disable >"$WORK_DIR/openbox.log" 2>&1 &
    OPENBOX_PID=$!
    poll "$START_TIMEOUT" window_manager_running || fatal "the window manager did not start"
}

# ---- the program ----

start_program() {
    stop_process "$PROGRAM_PID"
    QT_QPA_PLATFORM=xcb "$PROGRAM" >"$WORK_DIR/settings.log" 2>&1 &
    PROGRAM_PID=$!
}

visible_main_windows() {
    xdotool search --onlyvisible --name "^${WINDOW_TITLE}\$" 2>/dev/null || true
}

main_window_shown() {
    [ -n "$(visible_main_windows)" ]
}

window_state() {
    xprop -id "$1" _NET_WM_STATE 2>/dev/null || true
}

maximised() {
    local state
    state=$(window_state "$1")
    [[ $state == *_NET_WM_STATE_MAXIMIZED_VERT* && $state == *_NET_WM_STATE_MAXIMIZED_HORZ* ]]
}

# Waits for the main window and prints its id.
wait_for_main_window() {
    poll "$START_TIMEOUT" main_window_shown ||
        fatal "no window titled \"$WINDOW_TITLE\" appeared"
    local windows
    windows=$(visible_main_windows)
    if [ "$(wc -l <<<"$windows")" -ne 1 ]; then
        fatal "expected exactly one window titled \"$WINDOW_TITLE\", found:" \
            "$(tr '\n' ' ' <<<"$windows")"
    fi
    poll "$START_TIMEOUT" maximised "$windows" || true
    echo "$windows"
}

program_ended() {
    ! kill -0 "$PROGRAM_PID" 2>/dev/null
}

# Checks that the program ends by itself with status 0 after HOW.
expect_clean_exit() {
    local how=$1 status=0
    if ! poll "$EXIT_TIMEOUT" program_ended; then
        fail "the program still runs $((EXIT_TIMEOUT / 10)) s after $how"
        stop_process "$PROGRAM_PID"
        PROGRAM_PID=''
        return
    fi
    wait "$PROGRAM_PID" || status=$?
    PROGRAM_PID=''
    [ "$status" -eq 0 ] || fail "the program ended with status $status after $how, expected 0"
}

# ---- geometry ----

# Prints "x y width height" of a window, x and y relative to the root window.
window_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $4 }
        /Absolute upper-left Y:/ { y = $4 }
        /^ *Width:/ { w = $2 }
        /^ *Height:/ { h = $2 }
        END { print x, y, w, h }'
}

parent_of() {
    xwininfo -children -id "$1" | awk '/Parent window id:/ { print $4 }'
}

# The window manager reparents the program's window into its frame; the frame
# is the ancestor that is a child of the root window.
frame_of() {
    local window=$1 root parent
    root=$(xwininfo -root | awk '/Window id:/ { print $4; exit }')
    parent=$(parent_of "$window")
    while [ "$parent" != "$root" ]; do
        window=$parent
        parent=$(parent_of "$window")
    done
    echo "$window"
}

# Prints "x y width height" of the work area of the current desktop.
work_area() {
    local desktop values
    desktop=$(xprop -root _NET_CURRENT_DESKTOP | awk '{ print $3 }')
    values=$(xprop -root _NET_WORKAREA | cut -d= -f2 | tr -d ' ')
    IFS=, read -r -a values <<<"$values"
    local first=$((desktop * 4))
    echo "${values[@]:first:4}"
}

check_maximised() {
    local window=$1 frame_geometry area
    maximised "$window" ||
        fail "the main window is not maximised (_NET_WM_STATE: $(window_state "$window"))"
    frame_geometry=$(window_geometry "$(frame_of "$window")")
    area=$(work_area)
    [ "$frame_geometry" = "$area" ] ||
        fail "the main window's frame (x y w h: $frame_geometry) does not fill" \
            "the work area ($area)"
}

# ---- screen contents ----

screenshot() {
    import -window root "$WORK_DIR/screen.ppm"
}

# The menu bar is drawn inside the program's own X window, above the client
# area. Going down the window's rightmost column, where no menu title is, the
# menu bar ends at the first row of the client area's background. Prints the
# menu bar's height, given the window's "x y width height".
menu_bar_height() {
    local x y width height
    read -r x y width height <<<"$1"
    # txt: prints one pixel a line: "0,ROW: (R,G,B) ...". awk reads to the end,
    # so that convert never writes into a closed pipe.
    convert "$WORK_DIR/screen.ppm" -crop "1x$height+$((x + width - 1))+$y" +repage -depth 8 \
        txt:- | awk -v background="($CLIENT_BACKGROUND)" '
            /^#/ { next }
            !found && $2 == background { split($1, at, /[,:]/); print at[2]; found = 1 }
            END { exit !found }'
}

# The highlight circles drawn over the photograph (left, top, right, bottom,
# inclusive, in the photograph's pixels): blanked in both pictures compared.
CIRCLE_MASK=(-fill black -draw "rectangle 245,8 292,151" -draw "rectangle 475,0 522,143"
    -draw "rectangle 544,0 600,16")

decode_reference() {
    djpeg -ppm -outfile "$WORK_DIR/photograph.ppm" "$PHOTOGRAPH" ||
        fatal "cannot decode the photograph $PHOTOGRAPH"
    convert "$WORK_DIR/photograph.ppm" "${CIRCLE_MASK[@]}" "$WORK_DIR/reference.ppm"
    local size
    size=$(identify -format '%wx%h' "$WORK_DIR/reference.ppm")
    [ "$size" = "${PHOTO_WIDTH}x${PHOTO_HEIGHT}" ] ||
        fatal "the photograph $PHOTOGRAPH is $size, expected ${PHOTO_WIDTH}x${PHOTO_HEIGHT}"
}

# Number of pixels of the reference photograph that differ from the screenshot
# at x, y (screen coordinates), outside the circles.
differing_pixels() {
    convert "$WORK_DIR/screen.ppm" -crop "${PHOTO_WIDTH}x${PHOTO_HEIGHT}+$1+$2" +repage \
        "${CIRCLE_MASK[@]}" "$WORK_DIR/shown.ppm"
    compare -metric AE "$WORK_DIR/shown.ppm" "$WORK_DIR/reference.ppm" null: 2>&1 || true
}

PHOTO_REPORT=''

# Takes a screenshot and checks that the photograph is where the centring rule
# puts it; on a mismatch leaves the reason in PHOTO_REPORT.
photo_in_place() {
    local window=$1 frame_geometry client_geometry
    local frame_width frame_height client_x client_y menu_height left top differing
    frame_geometry=$(window_geometry "$(frame_of "$window")")
    client_geometry=$(window_geometry "$window")
    read -r _ _ frame_width frame_height <<<"$frame_geometry"
    read -r client_x client_y _ _ <<<"$client_geometry"
    screenshot
    if ! menu_height=$(menu_bar_height "$client_geometry"); then
        PHOTO_REPORT="no row of the client area's background below the menu bar"
        return 1
    fi
    # The client area starts under the menu bar. The photograph is centred on
    # the window's outer size (frame, caption and menu bar included), in client
    # coordinates: left = (outer width - 600) div 2, top = (outer height - 274) div 2.
    # Bash's integer division truncates toward zero, as div does.
    left=$((client_x + (frame_width - PHOTO_WIDTH) / 2))
    top=$((client_y + menu_height + (frame_height - PHOTO_HEIGHT) / 2))
    differing=$(differing_pixels "$left" "$top")
    if [ "$differing" != "0" ]; then
        PHOTO_REPORT="$differing pixels differ from the photograph at screen position $left,$top"
        PHOTO_REPORT+=" (outer size ${frame_width}x${frame_height}, client origin"
        PHOTO_REPORT+=" $client_x,$((client_y + menu_height)), menu bar $menu_height px)"
        return 1
    fi
}

check_photograph() {
    local window=$1
    # The first paint may still be on its way: look again until the deadline.
    if ! poll "$PAINT_TIMEOUT" photo_in_place "$window"; then
        cp "$WORK_DIR/screen.ppm" "$KEPT_SCREENSHOT" 2>/dev/null || true
        fail "the board photograph is not shown exactly: $PHOTO_REPORT" \
            "(screenshot kept as $KEPT_SCREENSHOT)"
    fi
}

# ---- menus ----

# The program's visible windows other than the main window, one id a line.
popups_of() {
    local main=$1
    xdotool search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null | grep -vx "$main" || true
}

popup_shown() {
    [ -n "$(popups_of "$1")" ]
}

popup_closed() {
    local main=$1 popup=$2
    ! popups_of "$main" | grep -x "$popup" >/dev/null
}

# Waits for a menu popup of the program and prints the ids of all that are shown.
wait_for_popups() {
    local main=$1
    poll "$POPUP_TIMEOUT" popup_shown "$main" || return 1
    popups_of "$main"
}

one_popup() {
    [ -n "$1" ] && [ "$(wc -l <<<"$1")" -eq 1 ]
}

focus() {
    timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1 ||
        fail "could not give the main window the keyboard focus"
}

check_file_menu_opens_and_closes() {
    local window=$1 popups
    focus "$window"
    xdotool key alt+f
    if ! popups=$(wait_for_popups "$window"); then
        fail "Alt+F opened no menu"
        return
    fi
    one_popup "$popups" || fail "Alt+F opened more than one popup:" "$(tr '\n' ' ' <<<"$popups")"
    xdotool key Escape
    poll "$POPUP_TIMEOUT" popup_closed "$window" "$popups" ||
        fail "Escape did not close the File menu"
}

exit_with_keyboard() {
    local window=$1
    focus "$window"
    xdotool key alt+f
    if ! wait_for_popups "$window" >/dev/null; then
        fail "Alt+F opened no menu, so Exit could not be chosen with the keyboard"
        return
    fi
    xdotool key e
    expect_clean_exit "Alt+F, E"
}

# Prints the screen position of the first menu title ("File"): a little right
# of the left end of the menu bar's text, half-way down the menu bar.
file_title_position() {
    local window_geometry=$1 menu_height x y bounds
    read -r x y _ _ <<<"$window_geometry"
    screenshot
    menu_height=$(menu_bar_height "$window_geometry") || return 1
    # Trimming the menu bar strip (without its bottom edge) to its contents
    # leaves the box around the titles' text; %X is its left offset, as "+N".
    bounds=$(convert "$WORK_DIR/screen.ppm" -crop "400x$((menu_height - 2))+$x+$y" +repage \
        -trim -format '%X' info:)
    echo "$((x + ${bounds#+} + 3)) $((y + menu_height / 2))"
}

exit_with_mouse() {
    local window=$1 title popups title_x title_y px py pw ph
    if ! title=$(file_title_position "$(window_geometry "$window")"); then
        fail "found no menu bar to click the File title in"
        return
    fi
    read -r title_x title_y <<<"$title"
    xdotool mousemove "$title_x" "$title_y" click 1
    if ! popups=$(wait_for_popups "$window") || ! one_popup "$popups"; then
        fail "clicking the File title at $title_x,$title_y did not open one menu"
        return
    fi
    # "Exit" is the File menu's only entry: click the middle of the popup.
    read -r px py pw ph <<<"$(window_geometry "$popups")"
    xdotool mousemove $((px + pw / 2)) $((py + ph / 2)) click 1
    expect_clean_exit "clicking File, then Exit"
}

check_tools() {
    local tool missing=()
    for tool in Xvfb openbox xdotool xwininfo xprop import convert compare identify djpeg; do
        command -v "$tool" >/dev/null || missing+=("$tool")
    done
    [ "${#missing[@]}" -eq 0 ] ||
        fatal "missing tools: ${missing[*]} (tools/setup.sh installs them)"
}

main() {
    check_tools
    [ -x "$PROGRAM" ] || fatal "no program at $PROGRAM"
    rm -f "$KEPT_SCREENSHOT"
    decode_reference
    start_x_server
    start_window_manager
    # Keep the pointer off the photograph and the menu bar.
    xdotool mousemove $((SCREEN_WIDTH - 1)) $((SCREEN_HEIGHT - 1))

    start_program
    local window
    window=$(wait_for_main_window)
    check_maximised "$window"
    check_photograph "$window"
    check_file_menu_opens_and_closes "$window"
    exit_with_keyboard "$window"

    start_program
    window=$(wait_for_main_window)
    exit_with_mouse "$window"

    if [ "$FAILURES" -ne 0 ]; then
        echo "$FAILURES check(s) failed" >&2
        exit 1
    fi
    echo "all end-to-end checks passed"
}

main
