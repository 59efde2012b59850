#!/usr/bin/env bash
# End-to-end check on a private virtual desktop: Xvfb with a tray host (trayer), a notification daemon (dunst)
# and a compositor (xcompmgr) on a private D-Bus session. Starts glimmerbox against glimmerbox-standin, finds
# the tray icon, right-clicks it and sees the menu, checks the 440 x 680 overlay window at the top centre,
# sees the scripted score change arrive as a desktop notification, saves a screenshot of the whole screen,
# opens the settings with a left click and again from a second launch, and quits through SIGTERM, which must
# save the preferences.
#
# Usage: desktop_e2e.sh GLIMMERBOX STANDIN OUTPUT_DIR      (exit 77 = skipped: a desktop tool is missing)
set -uo pipefail

app=$1 standin=$2 out=$3
for tool in Xvfb trayer dunst dunstctl xcompmgr xdotool xwininfo import dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/install-deps.sh test)"; exit 77; }
done

# Re-run inside a private session bus, so that dunst does not meet the notification tests' fake daemon.
if [ -z "${GLIMMERBOX_E2E_BUS:-}" ]; then
    exec env -u DBUS_SESSION_BUS_ADDRESS GLIMMERBOX_E2E_BUS=1 dbus-run-session -- "$0" "$@"
fi

mkdir -p "$out"
screenshot=$out/desktop-e2e.png
rm -f "$screenshot"
scratch=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$scratch/app.log" ] && sed 's/^/  app: /' "$scratch/app.log" | tail -20; exit 1; }

# Polls `condition` (a command) every 0.2 s for up to `seconds`.
wait_for() {
    local seconds=$1; shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.2
    done
}

# --- the desktop -----------------------------------------------------------------------------------------
width=1440 height=900
Xvfb -displayfd 3 -screen 0 ${width}x${height}x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
pids+=($!)
wait_for 10 test -s "$scratch/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$scratch/display")
xcompmgr >/dev/null 2>&1 & pids+=($!)
trayer --edge bottom --align right --widthtype request --height 32 --transparent true --alpha 0 \
    --tint 0x202020 --SetDockType true >/dev/null 2>&1 & pids+=($!)
mkdir -p "$scratch/dunst"
printf '[global]\n    font = DejaVu Sans 10\n    geometry = "320x5-20+60"\n' > "$scratch/dunst/dunstrc"
dunst -config "$scratch/dunst/dunstrc" >/dev/null 2>&1 & pids+=($!)
# Asking dunst itself before it owns its name would make the bus start another copy without a display.
notifications_ready() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null | grep -q true
}
wait_for 10 notifications_ready || fail "dunst did not start"

# --- the stand-in service, with the game's scripted scores five times faster -----------------------------
mkfifo "$scratch/standin.out"
"$standin" --port 0 --scenario default.json --speed 5 >"$scratch/standin.out" 2>"$scratch/standin.log" &
pids+=($!)
exec 4<"$scratch/standin.out"
read -r -t 20 line <&4 || fail "the stand-in did not start"
cat <&4 >/dev/null &
port=${line##*:}

# --- the application, on a throw-away configuration -----------------------------------------------------
mkdir -p "$scratch/config/Glimmerbox" "$scratch/cache" "$scratch/data"
conf=$scratch/config/Glimmerbox/Glimmerbox.conf
cat >"$conf" <<CONF
[General]
hasCompletedOnboarding=true
userPreferences="{\"enabledLeagues\":[\"nba\",\"nfl\"],\"favoriteTeamIds\":[\"2\"],\"notifyScoreChange\":true}"
CONF
env QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
    XDG_DATA_HOME="$scratch/data" GLIMMERBOX_API_BASE="http://127.0.0.1:$port/apis/site/v2/sports" \
    GLIMMERBOX_IMAGE_BASE="http://127.0.0.1:$port" "$app" >"$scratch/app.log" 2>&1 &
app_pid=$!
pids+=($app_pid)

# Geometry of a viewable window as "x y width height".
geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} /Map State: IsViewable/ {v=1}
        END {if (v) print x, y, w, h}'
}
# The application's viewable windows, one "id x y width height" per line.
app_windows() {
    local id
    for id in $(xdotool search --pid "$app_pid" 2>/dev/null) $(xdotool search --class glimmerbox 2>/dev/null); do
        local g; g=$(geometry "$id"); [ -n "$g" ] && echo "$id $g"
    done | sort -u
}

# The overlay: 440 x 680, hanging from the top edge, centred.
overlay_x=$(((width - 440) / 2))
has_overlay() { app_windows | grep -q " $overlay_x 0 440 680$"; }
wait_for 20 has_overlay || { app_windows; fail "no 440 x 680 overlay window at ($overlay_x, 0)"; }
echo "ok: overlay window 440 x 680 at ($overlay_x, 0)"

# The tray icon: the application's small window embedded in the tray at the bottom right.
tray_icon() {
    app_windows | awk -v h=$height '$4 <= 64 && $5 <= 64 && $3 > h - 64 {print; exit}'
}
wait_for 20 test -n "$(tray_icon)" || { app_windows; fail "no tray icon in the tray host"; }
read -r tray_id tray_x tray_y tray_w tray_h <<<"$(tray_icon)"
echo "ok: tray icon ${tray_w} x ${tray_h} at ($tray_x, $tray_y)"

# A right click opens the status menu: a new window of the application next to the icon.
before=$(app_windows | awk '{print $1}')
xdotool mousemove $((tray_x + tray_w / 2)) $((tray_y + tray_h / 2)) click 3
menu_window() {
    app_windows | while read -r id x y w h; do
        grep -qx "$id" <<<"$before" && continue
        [ "$w" -ge 120 ] && [ "$h" -ge 100 ] && [ $((y + h)) -le $height ] && echo "$id $x $y $w $h"
    done | head -n1
}
wait_for 10 test -n "$(menu_window)" || { app_windows; fail "no menu after a right click on the tray icon"; }
read -r _ menu_x menu_y menu_w menu_h <<<"$(menu_window)"
echo "ok: status menu ${menu_w} x ${menu_h} at ($menu_x, $menu_y)"

# The scripted score change (20 scenario seconds in) arrives as a desktop notification.
notified() { dunstctl history 2>/dev/null | grep -q 'Scores!'; }
wait_for 30 notified || fail "no score-change notification"
echo "ok: score-change notification shown"
sleep 0.5
import -window root "$screenshot" || fail "screenshot failed"
echo "ok: screenshot $screenshot"

# Escape closes the menu; a left click opens the settings window.
xdotool key Escape
xdotool mousemove $((tray_x + tray_w / 2)) $((tray_y + tray_h / 2)) click 1
wait_for 10 sh -c 'xdotool search --onlyvisible --name "^Glimmerbox Settings$" >/dev/null' ||
    fail "no settings window after a left click on the tray icon"
echo "ok: settings window after a left click"

# A second launch hands over to the running instance and exits; the running one raises its settings window.
# Opening About first puts a window above the settings, so the raise shows in the stacking order.
xdotool mousemove $((tray_x + tray_w / 2)) $((tray_y + tray_h / 2)) click 3
wait_for 10 test -n "$(menu_window)" || fail "no menu for the About entry"
xdotool key Down Return
find_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
wait_for 10 test -n "$(find_window "About Glimmerbox")" || fail "no About window from the menu"
settings_id=$(find_window "Glimmerbox Settings") about_id=$(find_window "About Glimmerbox")
# Position in the root window's stacking order.
stack_position() { xwininfo -root -children | grep -n "^ *$(printf '0x%x' "$1") " | cut -d: -f1; }
[ -n "$(stack_position "$settings_id")" ] && [ -n "$(stack_position "$about_id")" ] ||
    fail "the settings and About windows are not top-level windows"
above_before=$(( $(stack_position "$about_id") > $(stack_position "$settings_id") ))
env QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
    XDG_DATA_HOME="$scratch/data" timeout 10 "$app" >"$scratch/second.log" 2>&1
status=$?
[ "$status" -eq 0 ] || fail "the second launch exited with status $status"
settings_raised() { [ $(( $(stack_position "$about_id") > $(stack_position "$settings_id") )) -ne "$above_before" ]; }
wait_for 10 settings_raised || fail "the second launch did not bring the settings window forward"
echo "ok: a second launch exited and brought the running instance's settings window forward"

# SIGTERM takes the normal quit path: the application exits and saves the preferences.
sed -i '/^userPreferences=/d' "$conf"
kill -TERM "$app_pid"
wait_for 10 sh -c "! kill -0 $app_pid 2>/dev/null" || fail "the application ignored SIGTERM"
wait "$app_pid"; status=$?
[ "$status" -eq 0 ] || fail "the application exited with status $status after SIGTERM"
grep -q '^userPreferences=' "$conf" || fail "the preferences were not saved on SIGTERM"
echo "ok: SIGTERM quit cleanly and saved the preferences"
