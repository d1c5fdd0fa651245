#!/usr/bin/env bash
# Runs the operations that write several files (week save, copy, import) on a full disk: a
# small tmpfs, filled before each trial to leave less room than the operation needs. Every
# operation must be whole or absent. Needs root (mount) and a build (scripts/build.sh).
#
#     scripts/fulldisk.sh [TRIALS]      (100 trials per operation by default)
set -euo pipefail
cd "$(dirname "$0")/.."
trials=${1:-100}
disk=$(mktemp -d)
trap 'umount "$disk" 2>/dev/null || true; rmdir "$disk"' EXIT
mount -t tmpfs -o size=8M tmpfs "$disk"
QT_QPA_PLATFORM=offscreen build/tests/soak/shiftgrid-soak --full-disk "$disk" --trials "$trials" --work week,copy,import
