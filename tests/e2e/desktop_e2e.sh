#!/usr/bin/env bash
# End-to-end check on a private virtual desktop: starts glimmerbox against glimmerbox-standin, finds the tray
# icon, right-clicks it and sees the menu, checks the 440 x 680 overlay window at the top centre, sees the
# scripted score change arrive as a desktop notification, saves a screenshot of the whole screen, opens the
# settings with a left click and again from a second launch, and quits through SIGTERM, which must save the
# preferences.
#
# Usage: desktop_e2e.sh GLIMMERBOX STANDIN OUTPUT_DIR      (exit 77 = skipped: a desktop tool is missing)
source "$(dirname "$0")/e2e_lib.sh"
e2e_begin "$@"
rm -f "$out/desktop-e2e.png"

e2e_start_desktop
# The game's scripted scores five times faster.
e2e_start_standin --scenario default.json --speed 5
e2e_write_config '{"enabledLeagues":["nba","nfl"],"favoriteTeamIds":["2"],"notifyScoreChange":true}'
e2e_start_app

wait_for 20 has_overlay || { app_windows; fail "no 440 x 680 overlay window at ($overlay_x, 0)"; }
echo "ok: overlay window 440 x 680 at ($overlay_x, 0)"

e2e_find_tray_icon
echo "ok: tray icon ${tray_w} x ${tray_h} at ($tray_x, $tray_y)"

# A right click opens the status menu: a new window of the application next to the icon.
before=$(app_windows | awk '{print $1}')
click_tray_icon 3
menu_window() {
    app_windows | while read -r id x y w h; do
        grep -qx "$id" <<<"$before" && continue
        [ "$w" -ge 120 ] && [ "$h" -ge 100 ] && [ $((y + h)) -le $e2e_height ] && echo "$id $x $y $w $h"
    done | head -n1
}
wait_for 10 has_output menu_window || { app_windows; fail "no menu after a right click on the tray icon"; }
read -r _ menu_x menu_y menu_w menu_h <<<"$(menu_window)"
echo "ok: status menu ${menu_w} x ${menu_h} at ($menu_x, $menu_y)"

# The scripted score change (20 scenario seconds in) arrives as a desktop notification.
notified() { dunstctl history 2>/dev/null | grep -q 'Scores!'; }
wait_for 30 notified || fail "no score-change notification"
echo "ok: score-change notification shown"
sleep 0.5
screenshot desktop-e2e
echo "ok: screenshot $out/desktop-e2e.png"

# Escape closes the menu; a left click opens the settings window.
xdotool key Escape
click_tray_icon 1
wait_for 10 has_output find_window "Glimmerbox Settings" || fail "no settings window after a left click on the tray icon"
echo "ok: settings window after a left click"

# A second launch hands over to the running instance and exits; the running one raises its settings window.
# Opening About first puts a window above the settings, so the raise shows in the stacking order.
before=$(app_windows | awk '{print $1}')
click_tray_icon 3
wait_for 10 has_output menu_window || fail "no menu for the About entry"
xdotool key Down Return
wait_for 10 has_output find_window "About Glimmerbox" || fail "no About window from the menu"
settings_id=$(find_window "Glimmerbox Settings") about_id=$(find_window "About Glimmerbox")
# Position in the root window's stacking order.
stack_position() { xwininfo -root -children | grep -n "^ *$(printf '0x%x' "$1") " | cut -d: -f1; }
[ -n "$(stack_position "$settings_id")" ] && [ -n "$(stack_position "$about_id")" ] ||
    fail "the settings and About windows are not top-level windows"
above_before=$(($(stack_position "$about_id") > $(stack_position "$settings_id")))
e2e_app_env timeout 10 "$app" >"$scratch/second.log" 2>&1
status=$?
[ "$status" -eq 0 ] || fail "the second launch exited with status $status"
settings_raised() { [ $(($(stack_position "$about_id") > $(stack_position "$settings_id"))) -ne "$above_before" ]; }
wait_for 10 settings_raised || fail "the second launch did not bring the settings window forward"
echo "ok: a second launch exited and brought the running instance's settings window forward"

# SIGTERM takes the normal quit path: the application exits and saves the preferences.
sed -i '/^userPreferences=/d' "$conf"
e2e_quit_app
grep -q '^userPreferences=' "$conf" || fail "the preferences were not saved on SIGTERM"
echo "ok: SIGTERM quit cleanly and saved the preferences"
