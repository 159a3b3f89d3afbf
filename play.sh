#!/bin/sh
# Installs what is missing, builds the game and starts it.
set -eu
cd "$(dirname "$0")"
sh scripts/setup.sh
exec build/game/leapgrid "$@"
