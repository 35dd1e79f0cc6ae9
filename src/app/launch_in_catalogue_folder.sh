#!/bin/sh
# Starts strikepad in the user's catalogue folder, the window's only way to learn where its
# sp.dat lives, and makes an empty catalogue there on the first start.
set -e
folder=${STRIKEPAD_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/strikepad}
mkdir -p "$folder"
cd "$folder"
[ -e sp.dat ] || strikepad-cli init
exec strikepad
