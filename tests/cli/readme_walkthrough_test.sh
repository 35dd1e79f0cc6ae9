#!/usr/bin/env bash
# Runs the README's "Getting started" commands as written, in a temporary folder with the built
# strikepad-cli on the PATH, so that the walk-through cannot drift from the program.
#   readme_walkthrough_test.sh README.md CLI_FOLDER
set -euo pipefail
readme=$1
cli_folder=$(cd "$2" && pwd)

# The indented lines of the section, up to the next heading of its level.
commands=$(awk '/^## /{inside = ($0 == "## Getting started"); next} inside && /^    /{print substr($0, 5)}' "$readme")
for step in "strikepad-cli download" "strikepad-cli export"; do
  grep -q "$step" <<<"$commands" || { echo "the walk-through has no '$step'" >&2; exit 1; }
done

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
# A home of its own, and the simulated adapter without its pause between chunks.
env -u STRIKEPAD_ADAPTER HOME="$folder" PATH="$cli_folder:$PATH" STRIKEPAD_SIMULATED_CHUNK_PAUSE_MS=0 \
  bash -euo pipefail -c "$commands" >"$folder/output" 2>&1 || {
  cat "$folder/output" >&2
  echo "a walk-through command failed" >&2
  exit 1
}
# It ends with a game exported to a file.
exported=$(find "$folder" -name '*.SPK' -size +0c | head -n 1)
[ -n "$exported" ] || { echo "the walk-through exported no .SPK file" >&2; exit 1; }
