#!/usr/bin/env bash
# Runs a command on a virtual X display of its own, which ends with it: windows of tests running
# meanwhile on the shared display cannot take its keyboard focus.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
trap stop_virtual_display EXIT
trap 'exit 143' TERM INT
start_virtual_display
"$@"
