#!/bin/sh
# Installs the Khronos glTF validator (npm package gltf-validator) into DIR/node_modules, once: later calls find it
# there (the tests pass the build folder, so the install is kept with the build).
# Usage: install_gltf_validator.sh DIR [SECONDS]
# npm gets SECONDS (default 120) to finish; a registry that does not answer must not hang the tests.
# Exit 0 when the validator is there afterwards, 3 when npm is missing, 4 when npm did not finish in time, another
# non-zero status when npm failed (the reason on stderr). The export tests call it and skip their validator check when
# it fails.
set -e
dir="$1"
seconds="${2:-120}"
if [ -z "$dir" ]; then
	echo "usage: $0 DIR [SECONDS]" >&2
	exit 2
fi
if [ -f "$dir/node_modules/gltf-validator/package.json" ]; then
	exit 0
fi
if ! command -v npm >/dev/null 2>&1; then
	echo "npm is not installed" >&2
	exit 3
fi
mkdir -p "$dir"
cd "$dir"
status=0
timeout --kill-after=10 "$seconds" npm install --no-audit --no-fund --no-save --loglevel=error --fetch-retries=1 \
	gltf-validator@2.0.0-dev.3.10 >&2 || status=$?
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
	echo "npm install did not finish within $seconds s" >&2
	exit 4
fi
if [ "$status" -ne 0 ]; then
	echo "npm install failed with status $status" >&2
	exit "$status"
fi
test -f "$dir/node_modules/gltf-validator/package.json"
