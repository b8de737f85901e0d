#!/usr/bin/env bash
# Runs one test with a home and XDG folders of its own, removed afterwards, so
# that no test reads or leaves anything in the user's home.
#   in-fresh-home.sh <command...>
set -euo pipefail
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home
export XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache XDG_DATA_HOME=$home/.local/share
export XDG_STATE_HOME=$home/.local/state XDG_RUNTIME_DIR=$home/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$@"
