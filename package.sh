#!/bin/sh
# Installs what is missing, builds the game and makes its Debian package in build/.
set -eu
cd "$(dirname "$0")"
sh scripts/setup.sh
cd build
cpack -G DEB
