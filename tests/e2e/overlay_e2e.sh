#!/usr/bin/env bash
# The overlay on a private virtual desktop: a favourite team's live game is pinned, the compact bar rests at
# 340 x 34 at the top centre, and when the game's score changes the bar grows to 340 x 154 for the
# celebration; screenshots of the top of the screen at 0.3, 0.8, 1.8, 2.3, 2.6 and 3.1 s after the bar
# starts to grow show its steps (overlay-celebration-<seconds>.png).
#
# Usage: overlay_e2e.sh GLIMMERBOX STANDIN OUTPUT_DIR      (exit 77 = skipped: a desktop tool is missing)
source "$(dirname "$0")/e2e_lib.sh"
e2e_begin "$@"
rm -f "$out"/overlay-*.png

e2e_start_desktop
# Scores four times faster: the home side scores 5 s in, the away side 10 s in.
e2e_start_standin --scenario default.json --speed 4
e2e_write_config '{"enabledLeagues":["nba"],"favoriteTeamIds":["2"],"autoFollowFavorites":true}'
e2e_start_app

wait_for 20 has_overlay || { app_windows; fail "no 440 x 680 overlay window at ($overlay_x, 0)"; }
overlay=$(overlay_id)

wait_for 20 panel_is 340 34 || { xwininfo -id "$overlay" -shape; fail "no 340 x 34 bar at rest (panel: $(panel))"; }
[ "$(panel_shape)" = "340x34+50+0" ] || fail "the bar is not at the top centre ($(panel_shape) in the window)"
echo "ok: compact bar 340 x 34 at the top centre"
import -window root -crop 440x60+${overlay_x}+0 "$out/overlay-compact.png"

# A score: the bar starts to grow; from then on the celebration runs on its fixed timeline.
growing() { local h; h=$(panel | awk '{print $2}'); [ -n "$h" ] && [ "$h" -gt 40 ]; }
wait_for 25 growing || fail "no celebration after the score (panel: $(panel))"
start=$(date +%s.%N)
shots=()
for at in 0.3 0.8 1.8 2.3 2.6 3.1; do
    (
        delay=$(echo "$start + $at - $(date +%s.%N)" | bc)
        [ "${delay:0:1}" = "-" ] || sleep "$delay"
        import -window root -crop 440x200+${overlay_x}+0 "$out/overlay-celebration-$at.png"
    ) &
    shots+=($!)
done
sleep 1.2
size=$(panel)
[ "$size" = "340 154" ] || fail "the celebration panel is $size, not 340 154"
echo "ok: celebration panel 340 x 154"
wait "${shots[@]}"
wait_for 6 panel_is 340 34 || fail "the bar did not return to 340 x 34 (panel: $(panel))"
echo "ok: back to 340 x 34 after the celebration; screenshots in $out/overlay-*.png"
e2e_quit_app
