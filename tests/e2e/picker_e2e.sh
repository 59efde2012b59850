#!/usr/bin/env bash
# End-to-end check of the overlay's pickers: with nothing pinned, the pointer in the top strip opens the idle
# panel and the overlay takes clicks; a click on a game row shows that game, which stays shown across the
# next pinned refreshes; resting on its SELECT pill opens the jumbo picker; once the pointer has left, clicks
# below the panel reach the window underneath.
#
# Usage: picker_e2e.sh GLIMMERBOX STANDIN OUTPUT_DIR      (exit 77 = skipped: a desktop tool is missing)
source "$(dirname "$0")/e2e_lib.sh"
e2e_begin "$@"
for tool in xmessage; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

e2e_start_desktop
e2e_start_standin --scenario default.json
e2e_write_config '{"enabledLeagues":["nba"],"useNotch":true,"favoriteTeamIds":[]}'
e2e_start_app
wait_for 20 has_overlay || { app_windows; fail "no overlay window"; }
overlay=$(overlay_id)

# A window under the overlay's lower part, to tell where a click lands.
xmessage -geometry +660+420 -buttons "Below" "under the overlay" >/dev/null 2>&1 &
pids+=($!)
below_window() { xdotool search --onlyvisible --name "^xmessage\$" 2>/dev/null | head -n1; }
wait_for 10 has_output below_window || fail "the window below did not open"
xdotool windowraise "$overlay" # no window manager keeps the overlay above: put it there
below=$(below_window)

# The window X reports under the pointer at (x, y), as a decimal id.
window_at() {
    xdotool mousemove "$1" "$2"
    sleep 0.1
    xdotool getmouselocation --shell | awk -F= '$1 == "WINDOW" {print $2}'
}
# The application follows the pointer through the X server's raw motion events, which relative moves make
# and absolute warps do not: glide in small relative steps.
glide_to_top() {
    xdotool mousemove 720 40
    for _ in 1 2 3 4 5 6; do xdotool mousemove_relative -- 0 -5; sleep 0.1; done
}
glide_away() {
    for _ in 1 2 3 4 5 6; do xdotool mousemove_relative -- 0 100; sleep 0.1; done
}

# Whether X finds the window below (or its button) under the overlay's lower part.
pointer_reaches_below() {
    local w
    w=$(window_at 720 450)
    [ "$w" = "$below" ] || xwininfo -children -id "$below" | grep -q "$(printf '0x%x ' "$w")"
}

pointer_reaches_below || fail "the overlay took the pointer with nothing shown"
echo "ok: nothing pinned, the overlay lets the pointer through"

# Into the top strip: the idle panel opens and the overlay takes clicks over it.
glide_to_top
idle_open() { [ "$(panel | awk '{print $1}')" = 380 ]; }
wait_for 10 idle_open || { screenshot picker-idle-failed; fail "no idle panel after hovering the top strip (panel: $(panel))"; }
interactive() { [ "$(window_at 560 60)" = "$overlay" ]; }
wait_for 5 interactive || fail "the overlay does not take clicks over the idle panel"
sleep 1; screenshot picker-idle
echo "ok: the idle panel opened and takes clicks"

# The first row (Live Now): header 34, padding 6, refresh bar 30, spacing 2, section header 30, row 42.
xdotool mousemove 720 123 click 1
pinned() { grep -q 'pinnedGameIds=401810001' "$conf"; }
wait_for 5 pinned || { screenshot picker-click-failed; fail "the chosen game was not pinned"; }
sleep 1
screenshot picker-chosen
echo "ok: a click on a row chose the game"

# Away from the overlay: the compact bar of the chosen game stays through two pinned refreshes (3 s each).
glide_away
sleep 7
[ "$(panel)" = "340 34" ] || { screenshot picker-bar-failed; fail "the chosen game's bar is not shown (panel: $(panel))"; }
pinned || fail "the chosen game was dropped from the pins"
screenshot picker-shown
echo "ok: the chosen game stays shown"

# Resting on the shown game opens the deep card after 2 s; resting on its SELECT pill (followed through the
# tracked pointer, the window still lets clicks through) opens the jumbo picker 0.5 s later.
glide_to_top
deep_open() { local size; size=$(panel); [ "${size% *}" = 340 ] && [ "${size#* }" -gt 120 ]; }
wait_for 5 deep_open || { screenshot picker-deep-failed; fail "no deep card after resting (panel: $(panel))"; }
for _ in 1 2 3 4 5 6 7; do xdotool mousemove_relative -- 5 20; sleep 0.1; done
jumbo_open() { [ "$(panel | awk '{print $1}')" = 380 ]; }
wait_for 3 jumbo_open || { screenshot picker-select-failed; fail "no jumbo picker after resting on SELECT"; }
sleep 0.5
screenshot picker-jumbo
echo "ok: SELECT opened the jumbo picker"
glide_away
back_to_bar() { [ "$(panel)" = "340 34" ]; }
wait_for 5 back_to_bar || fail "the jumbo picker did not close when the pointer left (panel: $(panel))"

# Click-through again: a click below the panel reaches the window underneath.
pointer_reaches_below || fail "the overlay still takes clicks after the pointer left"
[ "$(window_at 720 17)" != "$overlay" ] || fail "the compact bar takes clicks after the pointer left"
echo "ok: clicks below the panel reach the window underneath"
e2e_quit_app
