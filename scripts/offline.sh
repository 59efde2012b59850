#!/usr/bin/env bash
# Runs Glimmerbox without the network: starts the stand-in scores service on a free local port, then the
# application against it with a throw-away configuration that follows the scenario's leagues, names one of its
# teams a favourite and turns score-change notifications on, so that pins and notifications happen without a
# click. Quitting the application (tray menu, Ctrl+C) stops the stand-in and removes the configuration.
#
# Usage: scripts/offline.sh [--scenario NAME|FILE] [--favorite TEAM_ID] [--speed FACTOR]
#   --scenario  a built-in scenario (default.json) or a scenario file      (default: default.json)
#   --favorite  the id of the favourite team                               (default: 2, Boston in default.json)
#   --speed     scenario seconds per real second                           (default: 1)
set -euo pipefail
caller_dir=$PWD
cd "$(dirname "$0")/.."

scenario=default.json
favorite=2
speed=1
while [ $# -gt 0 ]; do
    case "$1" in
        --scenario) scenario=$2; shift 2 ;;
        --favorite) favorite=$2; shift 2 ;;
        --speed) speed=$2; shift 2 ;;
        *) echo "usage: $0 [--scenario NAME|FILE] [--favorite TEAM_ID] [--speed FACTOR]" >&2; exit 2 ;;
    esac
done

scripts/install-deps.sh build
scripts/build.sh

# A scenario file is named relative to where the script was started; otherwise a built-in scenario.
case $scenario in
    /*) scenario_file=$scenario ;;
    *) scenario_file=$caller_dir/$scenario ;;
esac
[ -f "$scenario_file" ] || scenario_file=tools/standin/scenarios/$scenario
[ -f "$scenario_file" ] || { echo "no such scenario: $scenario" >&2; exit 2; }

# The scenario's leagues ("basketball/nba": {...}) as the application's league ids, at most six.
declare -A league_ids=(
    [nfl]=nfl [nba]=nba [mlb]=mlb [nhl]=nhl [usa.1]=mls [eng.1]=epl [esp.1]=laliga
    [college-football]=ncaaf [mens-college-basketball]=ncaam [f1]=f1 [pga]=pga [wnba]=wnba [ufc]=ufc
    [uefa.champions]=ucl [ipl]=ipl [atp]=atp [wta]=wta
)
leagues=()
while read -r path; do
    id=${league_ids[${path#*/}]:-}
    [ -n "$id" ] && [ ${#leagues[@]} -lt 6 ] && leagues+=("\\\"$id\\\"")
done < <(grep -oE '"[a-z]+/[a-z0-9._-]+"[[:space:]]*:' "$scenario_file" | grep -oE '[a-z]+/[a-z0-9._-]+' | sort -u)
league_list=$(IFS=,; echo "${leagues[*]}")

scratch=$(mktemp -d)
standin_pid=
cleanup() {
    [ -n "$standin_pid" ] && kill "$standin_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# The preferences document is a JSON string in the QSettings file; settings it does not name keep their defaults.
mkdir -p "$scratch/config/Glimmerbox" "$scratch/cache"
cat > "$scratch/config/Glimmerbox/Glimmerbox.conf" <<CONF
[General]
hasCompletedOnboarding=true
userPreferences="{\"enabledLeagues\":[$league_list],\"favoriteTeamIds\":[\"$favorite\"],\"notifyScoreChange\":true}"
CONF

mkfifo "$scratch/standin.out"
build/tools/standin/glimmerbox-standin --port 0 --scenario "$scenario_file" --speed "$speed" > "$scratch/standin.out" &
standin_pid=$!
exec 3< "$scratch/standin.out"
read -r -t 15 line <&3 || { echo "the stand-in did not start" >&2; exit 1; }
port=${line##*:}
cat <&3 >/dev/null & # keep the stand-in's later output flowing
echo "stand-in scores service on 127.0.0.1:$port (scenario $scenario); leagues ${league_list//\\\"/}; favourite team $favorite"

XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
    GLIMMERBOX_API_BASE="http://127.0.0.1:$port/apis/site/v2/sports" \
    GLIMMERBOX_IMAGE_BASE="http://127.0.0.1:$port" \
    build/Glimmerbox/glimmerbox
