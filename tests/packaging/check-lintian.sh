#!/usr/bin/env bash
# Debian's own check of the package: no error and no warning, pedantic tags
# shown for information.
#   check-lintian.sh <build folder>
set -euo pipefail
deb=$(ls "$1"/netquill_*_*.deb | head -n 1)
lintian --pedantic --tag-display-limit 0 --fail-on error,warning "$deb"
