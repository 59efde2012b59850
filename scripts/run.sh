#!/usr/bin/env bash
# Builds and starts Glimmerbox against the real scores service.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
scripts/build.sh
exec build/Glimmerbox/glimmerbox "$@"
