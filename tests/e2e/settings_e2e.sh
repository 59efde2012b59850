#!/usr/bin/env bash
# End-to-end check of the settings window: a left click on the tray icon opens it on Leagues; switching a
# seventh league on lets the highest one in the catalogue go and the application fetches the new league at
# once; after quitting from the menu and starting again, the new league is fetched and the dropped one is not.
#
# Usage: settings_e2e.sh GLIMMERBOX STANDIN OUTPUT_DIR      (exit 77 = skipped: a desktop tool is missing)
source "$(dirname "$0")/e2e_lib.sh"
e2e_begin "$@"
command -v curl >/dev/null || { echo "SKIP: curl is not installed"; exit 77; }

e2e_start_desktop
e2e_start_standin --scenario default.json
e2e_write_config '{"enabledLeagues":["nfl","nba","mlb","nhl","mls","epl"],"useNotch":true}'
e2e_start_app
e2e_find_tray_icon

# Requests the stand-in has answered for a league's scoreboard, with or without a day.
scoreboard_requests() {
    curl -s "http://127.0.0.1:$port/__stats" | grep -o "\"/apis/site/v2/sports/$1/scoreboard[^\"]*\":[0-9]*" |
        awk -F: '{n += $NF} END {print n + 0}'
}

# The first fetch has run once the six leagues' scoreboards were asked for.
first_fetch_done() { [ "$(scoreboard_requests soccer/eng.1)" -gt 0 ] && [ "$(scoreboard_requests football/nfl)" -gt 0 ]; }
wait_for 20 first_fetch_done || fail "the first fetch did not reach the stand-in"

click_tray_icon 1
wait_for 10 has_output find_window "Glimmerbox Settings" || fail "no settings window after a left click"
settings_id=$(find_window "Glimmerbox Settings")
echo "ok: settings window after a left click"
sleep 0.5
screenshot settings-leagues

# The keyboard starts on the first league of the Leagues tab; Formula 1 is the tenth.
xdotool windowactivate --sync "$settings_id" 2>/dev/null || xdotool windowfocus --sync "$settings_id"
f1_before=$(scoreboard_requests racing/f1)
xdotool key --window "$settings_id" Tab Tab Tab Tab Tab Tab Tab Tab Tab space
f1_fetched() { [ "$(scoreboard_requests racing/f1)" -gt "$f1_before" ]; }
wait_for 10 f1_fetched || { screenshot settings-failed; fail "switching Formula 1 on did not fetch it"; }
grep -q 'f1' "$conf" || fail "the new league was not saved at once"
grep -q '\\"nfl\\"' "$conf" && fail "the NFL was not evicted from the saved leagues"
screenshot settings-seventh-league
echo "ok: a seventh league was fetched and the NFL made room"

# Quit from the menu, start again: the new league is fetched, the NFL is not.
click_tray_icon 3
sleep 0.5
xdotool key Down Down Down Down Down Return
wait_for 10 app_gone || fail "Quit did not end the application"
wait "$app_pid" || fail "Quit ended the application with status $?"
nfl_before=$(scoreboard_requests football/nfl) f1_before=$(scoreboard_requests racing/f1)
e2e_start_app
wait_for 20 f1_fetched || fail "after a restart Formula 1 is not fetched"
sleep 1
[ "$(scoreboard_requests football/nfl)" -eq "$nfl_before" ] || fail "after a restart the NFL is fetched again"
echo "ok: the choice stayed after a restart"
e2e_quit_app
